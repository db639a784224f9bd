#include "actions.h"

#include "actions_clavier.h"
#include "actions_entrainement.h"
#include "actions_mes_parties.h"
#include "actions_parties.h"
#include "engine/regles.h"

#include <array>
#include <vector>

namespace tavik::fuzz {

int entree_de(int v, const Liste& liste)
{
    const int n = liste.nombre();
    return v % 16 == 0 || n == 0 ? -1 : (v / 16) % n;
}

namespace {

// How the first byte of an action chooses it: each kind takes a share of the 256 values.
enum class Tirage {
    clic_quelconque,
    clic_jouable,
    clic_suite,
    appui,
    precedent,
    suivant,
    fin,
    rotation,
    sym_positive,
    sym_negative,
    coups,
    coups_ouverture,
    noir_auto,
    blanc_auto,
    copie,
    colle,
    rare, // a second byte chooses among the actions that replace the game
    clic_attendu, // during an exercise, a move of the lines trained
    entrainement, // a second byte chooses among the training window's actions
    clavier, // a second byte chooses a key on the board
    parties, // a second byte chooses among the games window's actions
    mes_parties, // a second byte chooses among the "Mes parties" page's actions
};

// Mostly presses, and among them mostly presses that play; what replaces the game ("<<",
// "Charger", "Jouer") comes about once in a hundred actions, so that most games reach their
// end first. The training window's commands come about once in thirty actions, so that
// sessions run for a few exercises.
//
// The seeds fuzz/corpus/actions/seance_*.bin are read through this table: after changing it,
// write them again with `build/tests/fuzz/tavik_graines fuzz/corpus/actions`, which keeps runs
// that reach the drill. The hasard_*.bin seeds are plain random bytes.
constexpr std::array<std::pair<Tirage, int>, 22> parts = {{
    {Tirage::clic_quelconque, 18},
    {Tirage::clic_jouable, 66},
    {Tirage::clavier, 12},
    {Tirage::clic_suite, 30},
    {Tirage::clic_attendu, 24},
    {Tirage::entrainement, 8},
    {Tirage::appui, 16},
    {Tirage::precedent, 6},
    {Tirage::suivant, 8},
    {Tirage::fin, 5},
    {Tirage::rotation, 7},
    {Tirage::sym_positive, 5},
    {Tirage::sym_negative, 5},
    {Tirage::coups, 7},
    {Tirage::coups_ouverture, 7},
    {Tirage::noir_auto, 8},
    {Tirage::blanc_auto, 8},
    {Tirage::copie, 3},
    {Tirage::colle, 3},
    {Tirage::rare, 3},
    {Tirage::parties, 6},
    {Tirage::mes_parties, 1},
}};

constexpr int total_des_parts()
{
    int total = 0;
    for (const auto& part : parts) total += part.second;
    return total;
}
static_assert(total_des_parts() == 256, "the shares of the action kinds cover the 256 byte values");

Tirage tirage_de(std::uint8_t octet)
{
    int reste = octet;
    for (const auto& [tirage, part] : parts) {
        if (reste < part) return tirage;
        reste -= part;
    }
    return Tirage::clic_quelconque;
}

// The k-th legal square of the side to move, modulo their number; any tile when none.
int case_jouable(const Plateau& p, int k)
{
    std::vector<int> cases;
    for (int index = 0; index < 64; ++index) {
        const Case c = case_de(index);
        if (test_coup_possible(p.tab(), p.joueur(), c.ligne, c.colonne)) cases.push_back(index);
    }
    return cases.empty() ? k % 64 : cases[static_cast<std::size_t>(k) % cases.size()];
}

// The square of the k-th listed continuation, modulo their number; a legal square when none.
int case_suite(const Plateau& p, int k)
{
    const Liste& suites = p.controles.LstSuite;
    if (suites.nombre() == 0) return case_jouable(p, k);
    Case c;
    const std::string& entree = suites.texte(k % suites.nombre());
    return lit_case(std::string_view(entree).substr(0, 2), c) ? index_de(c) : k % 64;
}

Action simple(Genre genre)
{
    return {.genre = genre};
}

// "Charger" nearly half the time, the chooser's filter and box and the zoom, then "<<",
// "Jouer" and the chooser reopened.
Action action_rare(Source& source, int param, const Ouverture& o)
{
    if (param < 96)
        return {.genre = Genre::charger,
                .entree = entree_de(param << 8 | source.octet(), o.LstOuverture)};
    if (param < 110)
        return {.genre = Genre::filtre_choix,
                .valeur = source.octet() % static_cast<int>(std::size(filtres_choix))};
    if (param < 118) return simple(Genre::depuis_f5);
    if (param < 128) return {.genre = Genre::zoom, .valeur = source.octet() << 8 | source.octet()};
    if (param < 192) return simple(Genre::debut);
    if (param < 224) return simple(Genre::jouer);
    return simple(Genre::rouvre_choix);
}

} // namespace

Action tire_action(Source& source, const Plateau& p, const Ouverture& o, const Entrainement* e,
                   const Parties* g)
{
    const Tirage tirage = tirage_de(source.octet());
    const int param = source.octet();
    switch (tirage) {
    case Tirage::clic_quelconque:
        return {.genre = Genre::clic, .index = param % 64};
    case Tirage::clic_jouable:
        return {.genre = Genre::clic, .index = case_jouable(p, param)};
    case Tirage::clic_suite:
        return {.genre = Genre::clic, .index = case_suite(p, param)};
    case Tirage::appui: {
        // Bit 0: the middle button rather than the right one; bit 1: any tile rather than a
        // legal square.
        const int index = param & 2 ? (param >> 2) % 64 : case_jouable(p, param >> 2);
        const std::int16_t bouton = param & 1 ? bouton_milieu : bouton_droit;
        return {.genre = Genre::appui, .index = index, .bouton = bouton};
    }
    case Tirage::clic_attendu:
        return {.genre = Genre::clic,
                .index = case_attendue(p, e, param).value_or(case_suite(p, param))};
    case Tirage::rare:
        return action_rare(source, param, o);
    case Tirage::entrainement:
        return action_entrainement(source, param, e);
    case Tirage::clavier:
        return action_clavier(param, p);
    case Tirage::parties:
        return action_parties(source, param, g);
    case Tirage::mes_parties:
        return action_mes_parties(source, param);
    case Tirage::precedent:
        return simple(Genre::precedent);
    case Tirage::suivant:
        return simple(Genre::suivant);
    case Tirage::fin:
        return simple(Genre::fin);
    case Tirage::rotation:
        return simple(Genre::rotation);
    case Tirage::sym_positive:
        return simple(Genre::sym_positive);
    case Tirage::sym_negative:
        return simple(Genre::sym_negative);
    case Tirage::coups:
        return simple(Genre::coups);
    case Tirage::coups_ouverture:
        return simple(Genre::coups_ouverture);
    case Tirage::noir_auto:
        return simple(Genre::noir_auto);
    case Tirage::blanc_auto:
        return simple(Genre::blanc_auto);
    case Tirage::copie:
        return simple(Genre::copie);
    case Tirage::colle:
        return simple(Genre::colle);
    }
    return simple(Genre::clic);
}

namespace {

void bascule(CaseACocher& cas)
{
    if (cas.actif) cas.fixe(cas.cochee() ? 0 : 1);
}

void si_actif(const Bouton& bouton, Plateau& p, void (Plateau::*gestionnaire)())
{
    if (bouton.actif) (p.*gestionnaire)();
}

} // namespace

void applique(const Action& a, Plateau& p, Ouverture& o, Entrainement* e,
              std::string& presse_papiers)
{
    ControlesPlateau& c = p.controles;
    switch (a.genre) {
    case Genre::clic:
    case Genre::appui:
        p.plateau_MouseDown(a.index, a.bouton);
        p.plateau_MouseUp(a.index, a.bouton);
        return;
    case Genre::debut:
        return si_actif(c.CmdDebut, p, &Plateau::CmdDebut_Click);
    case Genre::precedent:
        return si_actif(c.CmdPrecedent, p, &Plateau::CmdPrecedent_Click);
    case Genre::suivant:
        return si_actif(c.CmdSuivant, p, &Plateau::CmdSuivant_Click);
    case Genre::fin:
        return si_actif(c.CmdFin, p, &Plateau::CmdFin_Click);
    case Genre::rotation:
        return p.CmdRotation_Click();
    case Genre::sym_positive:
        return p.CmdSymPositive_Click();
    case Genre::sym_negative:
        return p.CmdSymNegative_Click();
    case Genre::coups:
        return bascule(c.chk_voir_coup);
    case Genre::coups_ouverture:
        return bascule(c.ChkVoirOuverture);
    case Genre::noir_auto:
        return bascule(c.ChkNoirAuto);
    case Genre::blanc_auto:
        return bascule(c.ChkBlancAuto);
    case Genre::jouer:
        return p.cmd_jouer_Click();
    case Genre::charger:
        o.LstOuverture.selection = a.entree;
        return o.Cmdcharger_Click();
    case Genre::rouvre_choix:
        return o.Form_Load();
    case Genre::copie:
        if (std::string texte = p.transcription(); !texte.empty())
            presse_papiers = std::move(texte);
        return;
    case Genre::colle:
        return p.charge_transcription(presse_papiers);
    case Genre::filtre_choix:
        o.TxtFiltre.texte = filtres_choix[a.valeur];
        return o.TxtFiltre_Change();
    case Genre::depuis_f5:
        return bascule(o.ChkDepuisF5);
    case Genre::ouvre_entrainement:
    case Genre::ferme_entrainement:
    case Genre::zoom:
    case Genre::parties:
    case Genre::source_mes_parties:
    case Genre::joueur_mes_parties:
    case Genre::charge_mes_parties:
    case Genre::ajoute_mes_parties:
    case Genre::retire_mes_parties:
    case Genre::base_mes_parties:
        return; // the owner's business
    case Genre::couleur:
    case Genre::portee:
    case Genre::filtre:
    case Genre::commencer:
    case Genre::arreter:
    case Genre::exercice_suivant:
    case Genre::rythme:
    case Genre::exporte_progres:
    case Genre::importe_progres:
    case Genre::depuis_f5_entrainement:
    case Genre::vide_mes_parties:
        if (e) applique_entrainement(a, *e);
        return;
    case Genre::fleche:
    case Genre::touche_jouer:
    case Genre::frappe:
        return applique_clavier(a, p);
    }
}

std::string decrit(const Action& a)
{
    switch (a.genre) {
    case Genre::clic:
        return "left press on " + notation(case_de(a.index));
    case Genre::appui:
        return (a.bouton == bouton_milieu ? "middle" : "right") + std::string(" press on ")
            + notation(case_de(a.index));
    case Genre::debut:
        return "\"<<\"";
    case Genre::precedent:
        return "\"<\"";
    case Genre::suivant:
        return "\">\"";
    case Genre::fin:
        return "\">>\"";
    case Genre::rotation:
        return "\"Rot\"";
    case Genre::sym_positive:
        return "\"Sym /\"";
    case Genre::sym_negative:
        return "\"Sym \\\"";
    case Genre::coups:
        return "\"Coups\" box";
    case Genre::coups_ouverture:
        return "\"Coups d'ouv.\" box";
    case Genre::noir_auto:
        return "\"Noir auto\" box";
    case Genre::blanc_auto:
        return "\"Blanc auto\" box";
    case Genre::jouer:
        return "\"Jouer\"";
    case Genre::charger:
        return a.entree < 0 ? "\"Charger\" with no entry selected"
                            : "\"Charger\" on entry " + std::to_string(a.entree);
    case Genre::rouvre_choix:
        return "chooser closed and opened again";
    case Genre::copie:
        return "Ctrl+C";
    case Genre::colle:
        return "Ctrl+V";
    case Genre::filtre_choix:
        return "chooser's filter \"" + std::string(filtres_choix[a.valeur]) + "\"";
    case Genre::depuis_f5:
        return "\"À partir de F5\" box";
    case Genre::zoom: {
        const char* touches[] = {"Ctrl++", "Ctrl+-", "Ctrl+0"};
        return zoom_de(a) == Zoom::taille ? "window resized to " + std::to_string(largeur_donnee(a))
                + " x " + std::to_string(hauteur_donnee(a))
                                          : touches[a.valeur & 3];
    }
    case Genre::ouvre_entrainement:
    case Genre::ferme_entrainement:
    case Genre::couleur:
    case Genre::portee:
    case Genre::filtre:
    case Genre::commencer:
    case Genre::arreter:
    case Genre::exercice_suivant:
    case Genre::rythme:
    case Genre::exporte_progres:
    case Genre::importe_progres:
    case Genre::depuis_f5_entrainement:
    case Genre::vide_mes_parties:
        return decrit_entrainement(a);
    case Genre::fleche:
    case Genre::touche_jouer:
    case Genre::frappe:
        return decrit_clavier(a);
    case Genre::parties:
        return decrit_parties(a);
    case Genre::source_mes_parties:
    case Genre::joueur_mes_parties:
    case Genre::charge_mes_parties:
    case Genre::ajoute_mes_parties:
    case Genre::retire_mes_parties:
    case Genre::base_mes_parties:
        return decrit_mes_parties(a);
    }
    return "?";
}

} // namespace tavik::fuzz
