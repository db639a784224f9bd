#include "engine/plateau.h"
#include "library/texte.h"

namespace tavik {

namespace {

// The move that follows the game in a library line: the text after the game's own length,
// leading blanks skipped, first two characters, letter case as written.
std::string prochain_coup(std::string_view coups, std::size_t longueur_jeu)
{
    if (longueur_jeu >= coups.size()) return {};
    std::string_view reste = coups.substr(longueur_jeu);
    reste.remove_prefix(std::min(reste.find_first_not_of(' '), reste.size()));
    return std::string(reste.substr(0, 2));
}

} // namespace

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
    const std::string_view cle = sans_blancs_finaux(jeu);
    const std::string jeu_majuscules = majuscules(jeu);

    for (int r = 0; r < com_.nb_biblio; ++r) {
        const LigneBiblio& ligne = com_.biblio.lignes[r];
        const std::string& m = ligne[col_coups]; // compared in upper case
        if (egal_en_majuscules(m, cle)) {
            controles.LblOuverture.legende = remplace_tout(ligne[col_nom], "var.", "variante");
            controles.LblBilan.legende = ligne[col_bilan];
            controles.LblCommentaire.legende = ConvCommentJeu(ligne[col_commentaire]);
        } else if (commence_en_majuscules(m, cle)) {
            const std::string coup = prochain_coup(m, jeu.size());
            Case c;
            if (!lit_case(coup, c)) continue; // a continuation that is no square is not listed
            const bool finit_ici = egal_en_majuscules(m, jeu_majuscules + majuscules(coup));
            ajoute_suite(coup, finit_ici ? ligne[col_nom] : std::string());
        }
    }

    for (int b = 1; b <= nb_suites_max; ++b) {
        const Suite& suite = suites_[b];
        if (!suite.coup.empty())
            controles.LstSuite.ajoute(ConvBiblioJeu(majuscules(suite.coup)) + " : " + suite.nom);
    }
}

} // namespace tavik
