#include "library/recherche.h"

#include "library/texte.h"
#include "windows/main_window/plateau.h"

#include <algorithm>

namespace tavik {

std::string Plateau::conv_abrev(std::string_view abrev) const
{
    return tavik::conv_abrev(commentaires_, abrev);
}

std::string Plateau::ConvBiblioJeu(std::string_view coup) const
{
    return vers_jeu(liste_coups()[1].texte(), coup);
}

std::string Plateau::ConvCommentJeu(std::string_view comment) const
{
    std::string s(comment);
    // A letter A-H and a digit 1-8 side by side are a move, wherever they stand: it is turned
    // with the board. The result has two characters again, so the scan goes on in place.
    const std::string premier = liste_coups()[1].texte();
    for (std::size_t a = 0; a + 1 < s.size(); ++a) {
        const std::string w = majuscules(s.substr(a, 2));
        if (w[0] < 'A' || w[0] > 'H' || w[1] < '1' || w[1] > '8') continue;
        s.replace(a, 2, vers_jeu(premier, w));
    }
    // Moves first, so that the letters of the inserted sentences are never taken for moves.
    s = remplace_codes(commentaires_, std::move(s));
    for (char& c : s)
        if (c == '/') c = '\n';
    return s;
}

void Plateau::transforme_jeu_normalise(Transformation t)
{
    for (int k = 1; k < num_coup && k < nb_emplacements; ++k)
        if (const std::optional<Case> c = jeu_normalise_[k].case_jouee())
            jeu_normalise_[k] = Emplacement::coup(transforme(t, *c));
}

void Plateau::rot_jeu()
{
    transforme_jeu_normalise(Transformation::rotation);
}
void Plateau::SymPos_jeu()
{
    transforme_jeu_normalise(Transformation::sym_positive);
}
void Plateau::SymNeg_jeu()
{
    transforme_jeu_normalise(Transformation::sym_negative);
}

void Plateau::ajoute_suite(const std::string& coup, const std::string& nom)
{
    static const std::string points = "...";
    const std::string& nom_affiche = nom.empty() ? points : nom;
    // Moves are two characters: compared in place, as the lookup runs this for every line.
    const auto meme_coup = [&](const std::string& autre) {
        if (autre.size() != coup.size()) return false;
        return coup.size() == 2 ? autre[0] == coup[0] && autre[1] == coup[1] : autre == coup;
    };
    for (int b = 1; b <= nb_suites_max; ++b) {
        Suite& suite = suites_[b];
        if (suite.coup.empty()) {
            suite.coup = coup;
            suite.nom = nom_affiche;
            return;
        }
        if (meme_coup(suite.coup)) {
            if (nom_affiche != points) suite.nom = nom_affiche;
            return;
        }
    }
    // Thirty other moves are already listed: this one is dropped.
}

void Plateau::cherche_ouverture()
{
    controles.LstSuite.vide();
    // Entries fill in order, so the used ones are those before the first free one.
    for (int b = 1; b <= nb_suites_max && !suites_[b].coup.empty(); ++b) suites_[b] = {};
    if (num_coup <= 1) return;

    // The game turned into the library's orientation, chosen by its first move. Only the
    // played slots are read afterwards, so only they are copied.
    const int fin = std::min<int>(num_coup, nb_emplacements);
    std::copy(liste_coups().begin() + 1, liste_coups().begin() + fin, jeu_normalise_.begin() + 1);
    for (const Transformation t : orientation_de(liste_coups()[1].texte()).vers_biblio)
        transforme_jeu_normalise(t);

    // "C4E3 F6": pairs glued, one space after each white move; a pass writes "-1-1", which no
    // library line holds.
    std::string jeu;
    jeu.reserve(static_cast<std::size_t>(3 * fin));
    for (int k = 1; k < fin; ++k) {
        jeu += jeu_normalise_[k].texte();
        if (k % 2 == 0) jeu += ' ';
    }
    // Exact lines set the labels, the last one in file order showing; every line that goes on
    // gives its next move, named when the line ends there.
    const Correspondances trouvees = cherche_dans(com_.biblio, com_.nb_biblio, majuscules(jeu));
    for (const int r : trouvees.exactes) {
        const LigneBiblio& ligne = com_.biblio.lignes[r];
        controles.LblOuverture.legende = remplace_tout(ligne[col_nom], "var.", "variante");
        controles.LblBilan.legende = ligne[col_bilan];
        controles.LblCommentaire.legende = ConvCommentJeu(ligne[col_commentaire]);
    }
    static const std::string sans_nom;
    for (const Continuation& suite : trouvees.suivantes)
        ajoute_suite(suite.coup,
                     suite.finit_ici ? com_.biblio.lignes[suite.ligne][col_nom] : sans_nom);

    for (int b = 1; b <= nb_suites_max; ++b) {
        const Suite& suite = suites_[b];
        if (!suite.coup.empty())
            controles.LstSuite.ajoute(ConvBiblioJeu(majuscules(suite.coup)) + " : " + suite.nom);
    }
}

} // namespace tavik
