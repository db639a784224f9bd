#include "library/recherche.h"

#include "library/texte.h"
#include "windows/plateau.h"

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
    const std::string& nom_affiche = nom.empty() ? std::string("...") : nom;
    for (int b = 1; b <= nb_suites_max; ++b) {
        Suite& suite = suites_[b];
        if (suite.coup.empty()) {
            suite = {coup, nom_affiche};
            return;
        }
        if (suite.coup == coup) {
            if (nom_affiche != "...") suite.nom = nom_affiche;
            return;
        }
    }
    // Thirty other moves are already listed: this one is dropped.
}

void Plateau::cherche_ouverture()
{
    controles.LstSuite.vide();
    for (int b = 1; b <= nb_suites_max; ++b) suites_[b] = {};
    if (num_coup <= 1) return;

    // The game turned into the library's orientation, chosen by its first move.
    jeu_normalise_ = liste_coups();
    for (const Transformation t : orientation_de(liste_coups()[1].texte()).vers_biblio)
        transforme_jeu_normalise(t);

    // "C4E3 F6": pairs glued, one space after each white move; a pass writes "-1-1", which no
    // library line holds.
    std::string jeu;
    for (int k = 1; k < num_coup && k < nb_emplacements; ++k) {
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
    for (const Continuation& suite : trouvees.suivantes)
        ajoute_suite(suite.coup,
                     suite.finit_ici ? com_.biblio.lignes[suite.ligne][col_nom] : std::string());

    for (int b = 1; b <= nb_suites_max; ++b) {
        const Suite& suite = suites_[b];
        if (!suite.coup.empty())
            controles.LstSuite.ajoute(ConvBiblioJeu(majuscules(suite.coup)) + " : " + suite.nom);
    }
}

} // namespace tavik
