#include "engine/regles.h"
#include "orientation/transformations.h"
#include "windows/invariants.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tavik {

namespace {

using Rapport = std::vector<std::string>;

std::string nom_case(int ligne, int colonne)
{
    return notation({static_cast<int16_t>(ligne), static_cast<int16_t>(colonne)});
}

std::string nom_couleur(int couleur)
{
    return couleur == noir ? "black"
        : couleur == blanc ? "white"
                           : "colour " + std::to_string(couleur);
}

std::string nom_code(int code)
{
    switch (code) {
    case vide:
        return "empty";
    case noir:
        return "black";
    case blanc:
        return "white";
    default:
        return "code " + std::to_string(code);
    }
}

// The ring holds 0 and the board 1, 2 or 3; returns whether the grid can be scanned safely.
bool verifie_grille(const Grille& tab, Rapport& r)
{
    bool saine = true;
    for (int l = 0; l <= 9; ++l) {
        for (int c = 0; c <= 9; ++c) {
            const int v = tab[l][c];
            if (l == 0 || l == 9 || c == 0 || c == 9) {
                if (v == bord) continue;
                r.push_back("ring cell (" + std::to_string(l) + ", " + std::to_string(c)
                            + ") holds " + std::to_string(v) + " instead of 0");
                saine = false;
            } else if (v < vide || v > blanc) {
                r.push_back("square " + nom_case(l, c) + " holds " + nom_code(v));
                saine = false;
            }
        }
    }
    return saine;
}

void verifie_comptes(const Plateau& p, Rapport& r)
{
    std::array<int, 4> nombre {};
    for (int l = 1; l <= 8; ++l)
        for (int c = 1; c <= 8; ++c)
            if (const int v = p.tab()[l][c]; v >= 0 && v <= 3) ++nombre[v];
    const auto compare = [&](const Etiquette& e, int couleur) {
        if (e.legende != std::to_string(nombre[couleur]))
            r.push_back("the " + nom_couleur(couleur) + " count shows \"" + e.legende
                        + "\" but the board holds " + std::to_string(nombre[couleur]) + " "
                        + nom_couleur(couleur) + " discs");
    };
    compare(p.controles.nb_noir, noir);
    compare(p.controles.nb_blanc, blanc);
}

// 1 <= num_coup <= num_rejoue <= the record's size, or the empty record of a new game
// (num_rejoue 0 at num_coup 1). Returns whether the record can be read up to both counters.
bool verifie_compteurs(const Plateau& p, Rapport& r)
{
    const auto etat = [&] {
        return "num_coup = " + std::to_string(p.num_coup)
            + ", num_rejoue = " + std::to_string(p.num_rejoue);
    };
    if (p.num_rejoue < 0 || p.num_rejoue > nb_emplacements) {
        r.push_back(etat() + ": the end of the record lies outside its "
                    + std::to_string(nb_emplacements - 1) + " slots");
        return false;
    }
    if (p.num_coup < 1 || p.num_coup >= nb_emplacements) {
        r.push_back(etat() + ": the current point lies outside the record");
        return false;
    }
    if (p.num_rejoue == 0 ? p.num_coup != 1 : p.num_coup > p.num_rejoue) {
        r.push_back(etat() + ": the current point lies beyond the end of the record");
        return false;
    }
    return true;
}

// The start position that `init_jeu` sets up for a rotation: a quarter turn of the usual
// start exchanges the colours of the four centre squares.
Grille depart(int16_t rotation)
{
    const Grille usuel = position_initiale();
    if (rotation % 2 == 0) return usuel;
    Grille tourne = usuel;
    transforme_grille(Transformation::rotation, usuel, tourne);
    return tourne;
}

// The position at the current point against the live board and the side to move. After the
// end of a game the side that made the last move may keep the turn.
void compare_au_rejeu(const Plateau& p, const Grille& jeu, int16_t couleur, bool grille_saine,
                      Rapport& r)
{
    if (grille_saine) {
        int differences = 0;
        std::string premiere;
        for (int l = 1; l <= 8; ++l) {
            for (int c = 1; c <= 8; ++c) {
                if (jeu[l][c] == p.tab()[l][c]) continue;
                if (differences++ == 0)
                    premiere = nom_case(l, c) + " holds " + nom_code(p.tab()[l][c])
                        + ", the replay gives " + nom_code(jeu[l][c]);
            }
        }
        if (differences > 0)
            r.push_back("the board differs from the replay of the record on "
                        + std::to_string(differences) + " squares: " + premiere);
    }
    if (p.joueur() != couleur && !partie_finie(jeu))
        r.push_back(nom_couleur(p.joueur()) + " is to move but the record gives the move to "
                    + nom_couleur(couleur));
}

// Slots 1 to num_rejoue - 1 replayed from the start: legal moves and forced passes only.
void verifie_rejeu(const Plateau& p, bool grille_saine, Rapport& r)
{
    const ListeCoups& liste = p.com().liste_coups;
    const int fin = std::max<int>(p.num_rejoue, 1);
    Grille jeu = depart(p.rotation);
    int16_t couleur = noir;
    for (int k = 1; k < fin; ++k) {
        if (k == p.num_coup) compare_au_rejeu(p, jeu, couleur, grille_saine, r);
        const auto emplacement = [k] { return "slot " + std::to_string(k) + ": "; };
        const Emplacement& e = liste[k];
        if (const std::optional<Case> c = e.case_jouee()) {
            if (!test_coup_possible(jeu, couleur, c->ligne, c->colonne)) {
                r.push_back(emplacement() + notation(*c) + " is not a legal move for "
                            + nom_couleur(couleur));
                return;
            }
            coup_joue(jeu, couleur, c->ligne, c->colonne);
            jeu[c->ligne][c->colonne] = static_cast<int8_t>(couleur);
        } else if (e.est_passe()) {
            if (joueur_passe(jeu, couleur)) {
                r.push_back(emplacement() + "a pass although " + nom_couleur(couleur)
                            + " can move");
                return;
            }
        } else {
            r.push_back(emplacement() + "\"" + e.texte() + "\" is neither a move nor a pass");
            return;
        }
        couleur = adversaire(couleur);
    }
    if (p.num_coup == fin) compare_au_rejeu(p, jeu, couleur, grille_saine, r);
}

// At the start only ">" and ">>" are on, at the end only "<<" and "<"; the next-move box shows
// the slot at the current point while the record goes on after it.
void verifie_navigation(const Plateau& p, bool compteurs_sains, Rapport& r)
{
    const ControlesPlateau& c = p.controles;
    const bool arriere = p.num_coup > 1;
    const bool avant = p.num_coup < p.num_rejoue;
    const auto attendu = [&](bool etat, bool voulu, const char* nom) {
        if (etat == voulu) return;
        r.push_back(nom + std::string(etat ? " is on" : " is off") + " at num_coup "
                    + std::to_string(p.num_coup) + " (num_rejoue " + std::to_string(p.num_rejoue)
                    + ")");
    };
    attendu(c.CmdDebut.actif, arriere, "\"<<\"");
    attendu(c.CmdPrecedent.actif, arriere, "\"<\"");
    attendu(c.CmdSuivant.actif, avant, "\">\"");
    attendu(c.CmdFin.actif, avant, "\">>\"");
    attendu(c.TxtSuivant.visible, avant, "the next-move box");
    if (!avant || !compteurs_sains) return;

    const Emplacement& suivant = p.com().liste_coups[p.num_coup];
    const std::string texte
        = std::to_string(p.num_coup) + ". " + (suivant.est_passe() ? "--" : suivant.texte());
    if (c.TxtSuivant.texte != texte)
        r.push_back("the next-move box reads \"" + c.TxtSuivant.texte + "\" instead of \"" + texte
                    + "\"");
}

// One line per black slot before the current point, the last one selected.
void verifie_liste_coups(const Plateau& p, Rapport& r)
{
    const Liste& liste = p.controles.LstCoup;
    const int lignes = std::max(p.num_coup, int16_t {1}) / 2;
    if (liste.nombre() != lignes)
        r.push_back("the move list has " + std::to_string(liste.nombre()) + " lines at num_coup "
                    + std::to_string(p.num_coup) + " instead of " + std::to_string(lignes));
    if (liste.selection != liste.nombre() - 1)
        r.push_back("the move list selects line " + std::to_string(liste.selection)
                    + " instead of its last");
}

// At most one automatic box, and the user is held to the library exactly while one is ticked.
void verifie_auto(const Plateau& p, Rapport& r)
{
    const ControlesPlateau& c = p.controles;
    const std::pair<const CaseACocher*, const char*> cases[]
        = {{&c.chk_voir_coup, "\"Coups\""},
           {&c.ChkVoirOuverture, "\"Coups d'ouv.\""},
           {&c.ChkNoirAuto, "\"Noir auto\""},
           {&c.ChkBlancAuto, "\"Blanc auto\""}};
    for (const auto& [cas, nom] : cases)
        if (cas->valeur() != 0 && cas->valeur() != 1)
            r.push_back(std::string(nom) + " holds " + std::to_string(cas->valeur()));
    if (c.ChkNoirAuto.cochee() && c.ChkBlancAuto.cochee())
        r.push_back("both \"Noir auto\" and \"Blanc auto\" are ticked");
    const bool une = c.ChkNoirAuto.cochee() || c.ChkBlancAuto.cochee();
    if (p.CoupJoueurBiblio && !une)
        r.push_back("the user is held to the library with no automatic box ticked");
    if (!p.CoupJoueurBiblio && une)
        r.push_back("an automatic box is ticked but the user is not held to the library");

    // A drill on the board leaves no automatic player; without one, both boxes take clicks.
    const bool entrainement = p.entraineur() != nullptr;
    if (entrainement && une) r.push_back("an automatic box is ticked during a drill");
    for (const auto& [cas, nom] : {cases[2], cases[3]})
        if (cas->actif == entrainement)
            r.push_back(
                std::string(nom)
                + (entrainement ? " is enabled during a drill" : " is disabled with no drill"));
}

// The drill marks legal moves of the side to move, each once.
void verifie_marques(const Plateau& p, Rapport& r)
{
    if (!p.entraineur()) return;
    std::array<bool, 64> vues {};
    for (const int i : p.entraineur()->marques()) {
        if (i < 0 || i > 63) {
            r.push_back("the drill marks tile " + std::to_string(i));
            continue;
        }
        const Case c = case_de(i);
        if (!test_coup_possible(p.tab(), p.joueur(), c.ligne, c.colonne))
            r.push_back("the drill marks " + notation(c) + ", which is not a legal move");
        if (std::exchange(vues[static_cast<std::size_t>(i)], true))
            r.push_back("the drill marks " + notation(c) + " twice");
    }
}

void verifie_etat(const Plateau& p, Rapport& r)
{
    if (p.rotation < 0 || p.rotation > 3) r.push_back("rotation = " + std::to_string(p.rotation));
    if (p.sym_positive != 0 && p.sym_positive != 1)
        r.push_back("sym_positive = " + std::to_string(p.sym_positive));
    if (p.sym_negative != 0 && p.sym_negative != 1)
        r.push_back("sym_negative = " + std::to_string(p.sym_negative));
    if (p.joueur() != noir && p.joueur() != blanc)
        r.push_back("the side to move is " + nom_couleur(p.joueur()));
    else if (p.controles.quijoue != p.joueur())
        r.push_back("the side-to-move picture is " + std::to_string(p.controles.quijoue) + " while "
                    + nom_couleur(p.joueur()) + " is to move");
    if (p.occupe()) r.push_back("a placing animation is still under way");
}

// The keyboard's cursor stands on a tile; a square name being typed is one column letter.
void verifie_curseur(const Plateau& p, Rapport& r)
{
    const CurseurPlateau& c = p.controles.curseur;
    if (c.index < 0 || c.index > 63)
        r.push_back("the cursor is on tile " + std::to_string(c.index));
    if (!c.saisie.empty() && (c.saisie.size() > 1 || c.saisie[0] < 'a' || c.saisie[0] > 'h'))
        r.push_back("the square being typed is \"" + c.saisie + "\"");
}

// Entries "F5 : name", at most thirty.
void verifie_suites(const Plateau& p, Rapport& r)
{
    const Liste& suites = p.controles.LstSuite;
    if (suites.nombre() > 30)
        r.push_back("the continuation list has " + std::to_string(suites.nombre()) + " entries");
    for (const Liste::Entree& e : suites.entrees) {
        Case c;
        if (!lit_case(std::string_view(e.texte).substr(0, 2), c)
            || !std::string_view(e.texte).substr(2).starts_with(separateur_suite))
            r.push_back("the continuation entry \"" + e.texte + "\" does not begin with a square");
    }
}

// The refresh sequence of the live board: discs, then the legal-move marks when "Coups" is
// ticked, then the library marks when "Coups d'ouv." is ticked.
void verifie_tuiles(const Plateau& p, Rapport& r)
{
    const ControlesPlateau& c = p.controles;
    std::array<int8_t, 64> attendu {};
    for (int16_t l = 1; l <= 8; ++l) {
        for (int16_t col = 1; col <= 8; ++col) {
            int8_t& image = attendu[index_de({l, col})];
            image = p.tab()[l][col];
            if (c.chk_voir_coup.cochee() && test_coup_possible(p.tab(), p.joueur(), l, col))
                image = image_coup_possible;
        }
    }
    const auto marque = static_cast<int8_t>(p.joueur() + 4 + 2 * c.chk_voir_coup.valeur());
    if (c.ChkVoirOuverture.cochee() && !p.suites_cachees()) {
        for (const Liste::Entree& e : c.LstSuite.entrees)
            if (Case s; lit_case(std::string_view(e.texte).substr(0, 2), s))
                attendu[index_de(s)] = marque;
    }
    if (p.entraineur())
        for (const int i : p.entraineur()->marques())
            if (i >= 0 && i < 64) attendu[static_cast<std::size_t>(i)] = marque;
    int differences = 0;
    std::string premiere;
    for (int i = 0; i < 64; ++i) {
        if (c.plateau[i] == attendu[i]) continue;
        if (differences++ == 0)
            premiere = notation(case_de(i)) + " shows picture " + std::to_string(c.plateau[i])
                + ", the live position gives " + std::to_string(attendu[i]);
    }
    if (differences > 0)
        r.push_back(std::to_string(differences)
                    + " tiles differ from the live position: " + premiere);
}

} // namespace

std::vector<std::string> invariants_rompus(const Plateau& p, Vue vue)
{
    Rapport r;
    const bool grille_saine = verifie_grille(p.tab(), r);
    verifie_etat(p, r);
    verifie_curseur(p, r);
    verifie_comptes(p, r);
    const bool compteurs_sains = verifie_compteurs(p, r);
    if (compteurs_sains) verifie_rejeu(p, grille_saine, r);
    verifie_navigation(p, compteurs_sains, r);
    verifie_liste_coups(p, r);
    verifie_auto(p, r);
    verifie_suites(p, r);
    const bool joueur_sain = p.joueur() == noir || p.joueur() == blanc;
    if (grille_saine && joueur_sain) verifie_marques(p, r);
    if (vue == Vue::jeu && grille_saine && joueur_sain) verifie_tuiles(p, r);
    return r;
}

} // namespace tavik
