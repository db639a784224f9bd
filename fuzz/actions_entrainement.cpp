// The training window's actions: drawn, applied as its Qt window applies them, and described.

#include "actions_entrainement.h"

#include <iterator>
#include <optional>

namespace tavik::fuzz {

std::optional<int> case_attendue(const Plateau&, const Entrainement* e, int k)
{
    if (!e || !e->exercice_en_cours() || !e->session()) return std::nullopt;
    const std::vector<Case> coups = e->session()->exercice().coups_de_la_portee();
    if (coups.empty()) return std::nullopt;
    return index_de(coups[static_cast<std::size_t>(k) % coups.size()]);
}

Action action_entrainement(Source& source, int param, const Entrainement* e)
{
    if (param < 80) return Action {.genre = Genre::commencer};
    if (param < 136) return Action {.genre = Genre::exercice_suivant};
    if (param < 144) return Action {.genre = Genre::ouvre_entrainement};
    if (param < 148) return Action {.genre = Genre::ferme_entrainement};
    if (param < 164) return Action {.genre = Genre::arreter};
    if (param < 192) return {.genre = Genre::couleur, .valeur = param & 1};
    if (param < 224) {
        static const Liste aucune;
        const int entree = entree_de(param << 8 | source.octet(), e ? e->LstOuverture : aucune);
        return {.genre = Genre::portee, .entree = entree, .valeur = param % 4};
    }
    if (param < 232)
        return {.genre = Genre::filtre, .valeur = param % static_cast<int>(std::size(filtres))};
    if (param < 240) // the dialog cancelled, the run's export, or a file that is no progress
        return {.genre = param < 236 ? Genre::exporte_progres : Genre::importe_progres,
                .valeur = source.octet() % 3};
    if (param < 244) return {.genre = Genre::depuis_f5_entrainement};
    if (param < 246) return {.genre = Genre::vide_mes_parties, .valeur = param & 1};
    return {.genre = Genre::rythme, .valeur = source.octet() % 12 - 1}; // -1 is out of bounds
}

void applique_entrainement(const Action& a, Entrainement& e)
{
    switch (a.genre) {
    case Genre::couleur:
        if (e.OptCouleur[0].actif) e.OptCouleur_Click(a.valeur);
        return;
    case Genre::portee:
        if (!e.OptPortee[0].actif) return;
        e.OptPortee_Click(a.valeur);
        if (a.valeur == Entrainement::choix_ouverture) {
            e.LstOuverture.selection = a.entree;
            e.LstOuverture_Click();
        }
        return;
    case Genre::filtre:
        if (!e.TxtFiltre.actif) return;
        e.TxtFiltre.texte = filtres[a.valeur];
        return e.TxtFiltre_Change();
    case Genre::commencer:
        if (e.CmdCommencer.actif) e.CmdCommencer_Click();
        return;
    case Genre::arreter:
        if (e.CmdArreter.actif) e.CmdArreter_Click();
        return;
    case Genre::exercice_suivant:
        if (e.CmdSuivant.actif) e.CmdSuivant_Click();
        return;
    case Genre::rythme:
        e.TxtNouvelles.valeur = a.valeur;
        return e.TxtNouvelles_Change();
    case Genre::depuis_f5_entrainement:
        if (e.ChkDepuisF5.actif) e.ChkDepuisF5.fixe(e.ChkDepuisF5.cochee() ? 0 : 1);
        return;
    case Genre::exporte_progres:
        if (e.CmdExporter.actif) e.CmdExporter_Click();
        return;
    case Genre::importe_progres:
        if (e.CmdImporter.actif) e.CmdImporter_Click();
        return;
    case Genre::vide_mes_parties:
        if (e.CmdViderMesParties.actif) e.CmdViderMesParties_Click();
        return;
    default:
        return;
    }
}

std::string decrit_entrainement(const Action& a)
{
    switch (a.genre) {
    case Genre::ouvre_entrainement:
        return "\"Entraîner\"";
    case Genre::ferme_entrainement:
        return "training window closed";
    case Genre::couleur:
        return a.valeur == Entrainement::choix_blanc ? "\"Blanc\"" : "\"Noir\"";
    case Genre::portee:
        return a.valeur == Entrainement::choix_tout    ? "every line"
            : a.valeur == Entrainement::choix_position ? "the lines of the board"
            : a.valeur == Entrainement::choix_mes_parties
            ? "the lines of one's own games"
            : "the opening of entry " + std::to_string(a.entree);
    case Genre::filtre:
        return "filter \"" + std::string(filtres[a.valeur]) + "\"";
    case Genre::commencer:
        return "\"Commencer\"";
    case Genre::arreter:
        return "\"Arrêter\"";
    case Genre::exercice_suivant:
        return "the training window's \"Suivant\"";
    case Genre::rythme:
        return std::to_string(a.valeur) + " new lines a day";
    case Genre::depuis_f5_entrainement:
        return "the training window's \"À partir de F5\"";
    case Genre::vide_mes_parties:
        return std::string("\"Vider…\", the question answered ")
            + (a.valeur ? "\"Vider\"" : "\"Annuler\"");
    case Genre::exporte_progres:
    case Genre::importe_progres: {
        static constexpr const char* reponses[]
            = {"cancelled", "the run's export", "a file that is no progress"};
        return std::string(a.genre == Genre::exporte_progres ? "\"Exporter la progression…\""
                                                             : "\"Importer une progression…\"")
            + ", the dialog answering " + reponses[a.valeur % 3];
    }
    default:
        return "?";
    }
}

} // namespace tavik::fuzz
