#include "support.h"

#include "library/fichier.h"
#include "library/lecture_biblio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavik::test {
namespace {

const std::filesystem::path chemin_livre = TAVIK_DATA_DIR "/biblio.csv";

struct Ouvrage {
    std::string brut;
    std::vector<LigneBiblio> lignes;
};

// The shipped file read record by record, with the program's own reader.
const Ouvrage& ouvrage()
{
    static const Ouvrage o = [] {
        Ouvrage resultat;
        std::string raison;
        if (!lit_fichier(chemin_livre, resultat.brut, raison)) throw std::runtime_error(raison);
        const LectureBiblio lecture = lit_enregistrements(decode_texte(resultat.brut));
        if (lecture.ignores != 0 || !lecture.defauts.empty()) throw std::runtime_error("faulty file");
        for (const std::string& e : lecture.enregistrements) resultat.lignes.push_back(decoupe(e));
        return resultat;
    }();
    return o;
}

std::vector<std::string> coups_de(const std::string& ligne)
{
    std::vector<std::string> coups;
    for (std::size_t i = 0; i < ligne.size();) {
        if (ligne[i] == ' ') {
            ++i;
            continue;
        }
        coups.push_back(ligne.substr(i, 2));
        i += 2;
    }
    return coups;
}

TEST(BiblioLivree, FileFitsAndEveryLineIsAWellFormedLegalOpening)
{
    const Ouvrage& o = ouvrage();
    ASSERT_GE(o.lignes.size(), 700U);
    ASSERT_LE(o.lignes.size(), static_cast<std::size_t>(nb_lignes_biblio));
    EXPECT_EQ(decode_texte(o.brut), o.brut) << "the file is UTF-8";

    const std::regex format("([A-H][1-8][A-H][1-8] )*[A-H][1-8]([A-H][1-8])?");
    std::set<std::string> vues;
    for (const LigneBiblio& l : o.lignes) {
        SCOPED_TRACE(l[col_nom] + " " + l[col_coups]);
        EXPECT_FALSE(l[col_nom].empty());
        EXPECT_TRUE(std::regex_match(l[col_coups], format));
        EXPECT_TRUE(l[col_coups].starts_with("C4"));
        EXPECT_EQ(defaut_de_ligne(l[col_coups]), std::nullopt);
        // Distinct move sequences: the lookup never has to choose between two rows.
        EXPECT_TRUE(vues.insert(l[col_coups]).second);
        // Every evaluation is one of the fourteen codes.
        EXPECT_NE(conv_abrev(table_commentaires(), l[col_bilan]), "") << "code " << l[col_bilan];
    }
}

// ---------------------------------------------------------------------------------------------
// Every line found by playing it on the board, in each of the eight orientations.

struct Symetrie {
    const char* nom;
    std::vector<Transformation> suite; // applied to a line written from C4
};

const std::vector<Symetrie> symetries = {
    {"C4", {}},
    {"E3", {Transformation::rotation}},
    {"F5", {Transformation::rotation, Transformation::rotation}},
    {"D6", {Transformation::rotation, Transformation::rotation, Transformation::rotation}},
    {"D3", {Transformation::sym_negative}},
    {"F4", {Transformation::sym_negative, Transformation::rotation}},
    {"E6", {Transformation::sym_negative, Transformation::rotation, Transformation::rotation}},
    {"C5", {Transformation::sym_negative, Transformation::rotation, Transformation::rotation,
            Transformation::rotation}},
};

void PrintTo(const Symetrie& s, std::ostream* os) { *os << s.nom; }

std::string image(const Symetrie& s, std::string coup)
{
    for (const Transformation t : s.suite) coup = transforme_coup(t, coup);
    return coup;
}

// "var." as the opening label spells it.
std::string etiquette(std::string nom)
{
    for (std::size_t p; (p = nom.find("var.")) != std::string::npos;) nom.replace(p, 4, "variante");
    return nom;
}

std::string avec_sauts(std::string s)
{
    std::replace(s.begin(), s.end(), '/', '\n');
    return s;
}

class LigneJouee : public testing::TestWithParam<Symetrie> {};

// The lines are taken in the order of their moves, so that each one starts from the game of
// the one before: "<" back to the moves they share, then presses for the rest.
TEST_P(LigneJouee, EveryLineIsFoundAtItsEndAndOfferedJustBefore)
{
    const Symetrie& s = GetParam();
    ASSERT_EQ(image(s, "C4"), s.nom);
    const bool droit = s.suite.empty();
    // Black's first moves E3, F4, C5 and D6 need the quarter-turned start.
    const bool tourne = std::string("E3 F4 C5 D6").find(s.nom) != std::string::npos;

    std::vector<std::pair<std::vector<std::string>, const LigneBiblio*>> lignes;
    for (const LigneBiblio& l : ouvrage().lignes) {
        std::vector<std::string> coups = coups_de(l[col_coups]);
        for (std::string& c : coups) c = image(s, c);
        lignes.emplace_back(std::move(coups), &l);
    }
    std::sort(lignes.begin(), lignes.end());

    Fenetre f(chemin_livre);
    f.hote.pas = 1.0; // each animation wait ends at once
    Plateau& p = f.p();
    ASSERT_EQ(p.com().nb_biblio, static_cast<int16_t>(lignes.size()));
    if (tourne) p.CmdRotation_Click();
    std::vector<std::string> jouees;

    for (const auto& [coups, ligne] : lignes) {
        const LigneBiblio& l = *ligne;
        SCOPED_TRACE(l[col_nom] + " " + l[col_coups] + " from " + s.nom);
        std::size_t commun = 0;
        while (commun < jouees.size() && commun + 1 < coups.size() && jouees[commun] == coups[commun]) ++commun;
        ASSERT_TRUE(commun >= 1 || jouees.empty()); // every line begins with the same move
        while (jouees.size() > commun) {
            p.CmdPrecedent_Click();
            jouees.pop_back();
        }
        for (std::size_t i = commun; i + 1 < coups.size(); ++i) {
            f.clic(coups[i]);
            jouees.push_back(coups[i]);
        }
        ASSERT_EQ(p.num_coup, static_cast<int16_t>(coups.size())) << "a move was refused";

        // The last move is offered, with this line's name since no other line ends there.
        const std::string offert = coups.back() + " : " + l[col_nom];
        const auto& entrees = p.controles.LstSuite.entrees;
        EXPECT_TRUE(std::any_of(entrees.begin(), entrees.end(),
                                [&](const Liste::Entree& e) { return e.texte == offert; }))
            << offert;

        p.controles.LblOuverture.legende.clear();
        f.clic(coups.back());
        jouees.push_back(coups.back());
        ASSERT_EQ(p.num_coup, static_cast<int16_t>(coups.size() + 1));
        EXPECT_EQ(p.controles.LblOuverture.legende, etiquette(l[col_nom]));
        EXPECT_EQ(p.controles.LblBilan.legende, conv_abrev(table_commentaires(), l[col_bilan]));
        if (droit) {
            EXPECT_EQ(p.controles.LblCommentaire.legende, avec_sauts(l[col_commentaire]));
        }
    }
    EXPECT_TRUE(f.hote.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Orientations, LigneJouee, testing::ValuesIn(symetries),
                         [](const auto& cas) { return std::string(cas.param.nom); });

} // namespace
} // namespace tavik::test
