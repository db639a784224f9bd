#include "library/verification_lignes.h"

#include "library/cle_ligne.h"
#include "library/codes.h"
#include "library/ligne_coups.h"
#include "library/symetries.h"
#include "library/texte.h"
#include "record/typographie.h"
#include "record/utf8.h"

#include <algorithm>
#include <map>

namespace tavik {

bool ressemble_a_des_coups(std::string_view texte)
{
    return !coups_sans_espaces(texte).empty() && !defaut_de_ligne(texte);
}

namespace {

// A row with what the checks of each row found out about its moves.
struct Vue
{
    std::size_t numero; // line of the file
    const LigneBiblio& ligne;
    std::vector<Case> cases; // its moves when they are a legal line, otherwise none
    std::vector<Case> forme; // their common form (forme_commune)
};

bool blanc(std::string_view s)
{
    return s.find_first_not_of(" \t") == std::string_view::npos;
}

// Spaces only, or nothing: the chooser loads the start position.
bool sans_coups(const LigneBiblio& l)
{
    return coups_sans_espaces(l[col_coups]).empty();
}

std::string nom_lisible(const std::string& nom)
{
    return blanc(nom) ? "(sans nom)" : guillemets(visible(nom));
}

// Whether one of the pieces of `texte` cut at `separateur` is a move text.
bool morceau_de_coups(std::string_view texte, char separateur)
{
    for (;;) {
        const std::size_t fin = texte.find(separateur);
        if (ressemble_a_des_coups(texte.substr(0, fin))) return true;
        if (fin == std::string_view::npos) return false;
        texte.remove_prefix(fin + 1);
    }
}

// A hint when the moves are found in another field than the third: a field missing or one
// too many before them, or fields separated by commas or tabs instead of ';'.
std::string indice_de_champs(const LigneBiblio& l)
{
    for (const int col : {col_nom, col_nom_anglais, col_bilan, col_commentaire, col_sources})
        if (ressemble_a_des_coups(l[col]))
            return "\u00a0; le champ " + std::to_string(col + 1) + " " + guillemets(visible(l[col]))
                + " ressemble à des coups\u00a0: un champ manque ou est de trop";
    if (std::any_of(l.begin() + 1, l.end(), [](const std::string& s) { return !s.empty(); }))
        return {};
    for (const char separateur : {',', '\t'})
        if (morceau_de_coups(l[col_nom], separateur))
            return "\u00a0; les champs semblent séparés par "
                + guillemets(visible({&separateur, 1})) + " au lieu de «\u00a0;\u00a0»";
    return {};
}

std::string code_inconnu(const TableCommentaires& codes, const std::string& bilan)
{
    std::string texte
        = "code d'évaluation " + guillemets(visible(bilan)) + " inconnu\u00a0: le bilan reste vide";
    const std::string_view net = sans_blancs_finaux(bilan);
    const std::string proche
        = majuscules(net.substr(std::min(net.find_first_not_of(' '), net.size())));
    for (const CodeCommentaire& c : codes)
        if (majuscules(c.code) == proche) return texte + " (" + guillemets(c.code) + "\u00a0?)";
    return texte;
}

// The findings of the moves of a row; its squares and their common form when they are a
// legal line.
void verifie_coups(Vue& vue, std::vector<Constat>& constats)
{
    const LigneBiblio& l = vue.ligne;
    const auto ajoute = [&](Gravite g, std::string texte) {
        constats.push_back({vue.numero, 1, g, std::move(texte)});
    };
    if (sans_coups(l)) {
        ajoute(
            Gravite::avertissement,
            "aucun coup\u00a0: l'entrée charge la position de départ et la recherche ne l'atteint "
            "jamais"
                + indice_de_champs(l));
        return;
    }
    if (const std::optional<std::string> defaut = defaut_de_ligne(l[col_coups])) {
        ajoute(Gravite::erreur, *defaut + indice_de_champs(l));
        return;
    }
    vue.cases = cases_de_ligne(l[col_coups]);
    vue.forme = forme_commune(vue.cases);
    if (const std::optional<std::string> raison = raison_inatteignable(l[col_coups])) {
        std::string texte = "jamais atteinte par la recherche\u00a0: " + *raison;
        if (vue.cases[0] != vue.forme[0])
            texte
                += "\u00a0; la même ligne depuis C4\u00a0: " + guillemets(cle_de_ligne(vue.forme));
        ajoute(Gravite::erreur, std::move(texte));
    }
}

void verifie_ligne(Vue& vue, const TableCommentaires& codes, std::vector<Constat>& constats)
{
    const LigneBiblio& l = vue.ligne;
    if (sans_coups(l)
        && std::all_of(l.begin(), l.end(), [](const std::string& s) { return blanc(s); })) {
        constats.push_back({vue.numero, 1, Gravite::avertissement,
                            "ligne sans nom ni coups\u00a0: une entrée vide dans la liste des "
                            "ouvertures"});
        return;
    }
    verifie_coups(vue, constats);
    if (blanc(l[col_nom]) && !sans_coups(l))
        constats.push_back(
            {vue.numero, 1, Gravite::avertissement,
             "ouverture sans nom\u00a0: son entrée est vide dans la liste des ouvertures "
             "et la recherche ne peut pas la nommer"});
    if (!l[col_bilan].empty() && conv_abrev(codes, l[col_bilan]).empty())
        constats.push_back(
            {vue.numero, 1, Gravite::avertissement, code_inconnu(codes, l[col_bilan])});
}

std::string doublon(const Vue& premiere, const Vue& seconde)
{
    const std::string& nom = seconde.ligne[col_nom];
    const std::string ligne = std::to_string(premiere.numero);
    if (premiere.ligne[col_nom] == nom)
        return "mêmes coups et même nom que la ligne " + ligne + "\u00a0: " + nom_lisible(nom);
    return "mêmes coups que la ligne " + ligne + ", sous deux noms\u00a0: "
        + nom_lisible(premiere.ligne[col_nom]) + " et " + nom_lisible(nom);
}

std::string autre_forme(const Vue& premiere, const Vue& seconde)
{
    const auto ecart
        = std::mismatch(seconde.cases.begin(), seconde.cases.end(), premiere.cases.begin());
    return "même ligne que la ligne " + std::to_string(premiere.numero)
        + " sur des cases symétriques à partir du coup "
        + std::to_string(ecart.first - seconde.cases.begin() + 1) + ", sous deux noms\u00a0: "
        + nom_lisible(premiere.ligne[col_nom]) + " et " + nom_lisible(seconde.ligne[col_nom]);
}

// Each legal line against the earlier lines of the same common form: the same moves as one of
// them, or else the same line in another form under another name. The shipped library writes
// the two forms of a line after a symmetric position under one name, so that the lookup finds
// it on either side: that is no finding.
void compare_lignes(const std::vector<Vue>& vues, std::vector<Constat>& constats)
{
    std::map<std::string, std::vector<const Vue*>> formes;
    for (const Vue& vue : vues) {
        if (vue.cases.empty()) continue;
        std::vector<const Vue*>& avant = formes[cle_de_ligne(vue.forme)];
        const auto premiere = [&](auto condition) {
            const auto i = std::find_if(avant.begin(), avant.end(), condition);
            return i == avant.end() ? nullptr : *i;
        };
        if (const Vue* v = premiere([&](const Vue* a) { return a->cases == vue.cases; }))
            constats.push_back({vue.numero, 1, Gravite::erreur, doublon(*v, vue)});
        else if (const Vue* w
                 = premiere([&](const Vue* a) { return a->ligne[col_nom] != vue.ligne[col_nom]; }))
            constats.push_back({vue.numero, 1, Gravite::avertissement, autre_forme(*w, vue)});
        avant.push_back(&vue);
    }
}

} // namespace

std::vector<Constat> verifie_lignes(std::span<const LigneBiblio> lignes, std::size_t premiere_ligne)
{
    const TableCommentaires codes = table_commentaires();
    std::vector<Constat> constats;
    std::vector<Vue> vues;
    vues.reserve(lignes.size());
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        vues.push_back({premiere_ligne + r, lignes[r], {}, {}});
        verifie_ligne(vues.back(), codes, constats);
    }
    compare_lignes(vues, constats);
    std::stable_sort(constats.begin(), constats.end(),
                     [](const Constat& a, const Constat& b) { return a.ligne < b.ligne; });
    return constats;
}

} // namespace tavik
