#include "library/recherche.h"
#include "library/texte.h"
#include "record/typographie.h"
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
    // A library written with plain spaces before its colons reads as the program's own texts.
    return typographie_francaise(s);
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

void Plateau::ajoute_suite(const std::string& coup, const std::string& nom, int ligne)
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
            suite = {coup, nom_affiche, ligne};
            return;
        }
        if (meme_coup(suite.coup)) {
            // The evaluation is that of the line that names the move, or of any line that ends
            // there when none names it.
            if (nom_affiche != points) {
                suite.nom = nom_affiche;
                suite.ligne = ligne;
            } else if (suite.ligne < 0) {
                suite.ligne = ligne;
            }
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

    const std::string jeu = texte_de_jeu(std::span(jeu_normalise_).subspan(1, fin - 1));
    // Exact lines set the labels, the last one in file order showing; every line that goes on
    // gives its next move, named when the line ends there.
    const Correspondances trouvees = cherche_dans(com_.biblio, com_.nb_biblio, majuscules(jeu));
    for (const int r : trouvees.exactes) montre_ligne(r);
    static const std::string sans_nom;
    for (const Continuation& suite : trouvees.suivantes) {
        if (suite.finit_ici)
            ajoute_suite(suite.coup, com_.biblio.lignes[suite.ligne][col_nom], suite.ligne);
        else
            ajoute_suite(suite.coup, sans_nom);
    }

    // Each entry ends with the short code of its line's evaluation: "F6 : Tigre [=]".
    for (int b = 1; b <= nb_suites_max; ++b) {
        const Suite& suite = suites_[b];
        if (suite.coup.empty()) continue;
        std::string entree = ConvBiblioJeu(majuscules(suite.coup)) + separateur_suite + suite.nom;
        if (const std::string code = tavik::code_court(commentaires_, bilan_de(suite));
            !code.empty())
            entree += " [" + code + "]";
        controles.LstSuite.ajoute(std::move(entree));
    }
}

// The opening, evaluation and comment of a library row in the three labels.
void Plateau::montre_ligne(int r)
{
    const LigneBiblio& ligne = com_.biblio.lignes[r];
    controles.LblOuverture.legende = remplace_tout(ligne[col_nom], "var.", "variante");
    controles.LblBilan.legende = ligne[col_bilan];
    controles.LblCommentaire.legende = ConvCommentJeu(ligne[col_commentaire]);
}

// After a jump the labels show the deepest line that the game follows, or nothing, whatever
// they showed before: the panel no longer depends on the way the position was reached.
void Plateau::montre_ligne_suivie()
{
    std::optional<int> r;
    if (num_coup > 1) {
        const auto coups
            = std::span(jeu_normalise_).subspan(1, std::min<int>(num_coup, nb_emplacements) - 1);
        r = ligne_suivie(com_.biblio, com_.nb_biblio, coups);
    }
    if (r)
        montre_ligne(*r);
    else
        efface_etiquettes();
}

const std::string& Plateau::bilan_de(const Suite& suite) const
{
    static const std::string aucun;
    return suite.ligne < 0 ? aucun : com_.biblio.lignes[suite.ligne][col_bilan];
}

// What the tooltip of a tile says: the continuation that it is, with its opening and the
// evaluation of its line; nothing for other squares, and nothing while a drill runs.
std::string Plateau::infobulle_case(int index) const
{
    if (entraineur_) return {};
    for (int b = 1; b <= nb_suites_max && !suites_[b].coup.empty(); ++b) {
        const Suite& suite = suites_[b];
        Case c;
        if (!lit_case(ConvBiblioJeu(majuscules(suite.coup)), c) || index_de(c) != index) continue;
        const std::string& bilan = bilan_de(suite);
        return notation(c) + separateur_suite + suite.nom + (bilan.empty() ? "" : "\n" + bilan);
    }
    return {};
}

} // namespace tavik
