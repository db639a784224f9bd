// The games window's view of the board's position: results, next moves, games through it.
#include "database/statistiques.h"
#include "database/texte_statistiques.h"
#include "library/codes.h"
#include "library/ligne_coups.h"
#include "windows/games/parties.h"

#include <algorithm>
#include <bit>

namespace tavik {

namespace {

std::string score_final(const PartieBase& p)
{
    if (p.score_noir < 0) return "?";
    return std::to_string(p.score_noir) + "-" + std::to_string(64 - p.score_noir);
}

} // namespace

void Parties::relit_biblio()
{
    biblio_.construit(plateau_.com().biblio, plateau_.com().nb_biblio);
    ++version_;
    montre_position();
}

void Parties::actualise()
{
    montre_position();
}

void Parties::montre_position()
{
    const Vue vue {disques_de(plateau_.tab()), plateau_.joueur() == blanc,
                   plateau_.suites_cachees(), version_};
    if (vue == vue_) return;
    vue_ = vue;
    LstSuivants.vide();
    LstParties.vide();
    LblBilan.legende.clear();
    if (!chargee_) return;
    // The moves played here would give a drill's answer away, as the library's would.
    if (vue.cachee) {
        LblBilan.legende = "Statistiques masquées pendant l'exercice.";
        return;
    }
    const Statistiques stats = statistiques(base_.index, vue.disques, vue.blanc_au_trait);
    if (stats.bilan.parties == 0) {
        LblBilan.legende = "Aucune partie ne passe par cette position.";
        return;
    }
    LblBilan.legende = texte_bilan(stats.bilan);
    montre_suivants(stats);
    montre_parties(vue.disques, vue.blanc_au_trait);
}

// Each move as the board shows it, its games, the score of the side that plays it, and, when
// the library has the move, the opening of the position it leads to and its evaluation.
void Parties::montre_suivants(const Statistiques& stats)
{
    const std::vector<PositionsBiblio::CoupBiblio> biblio
        = biblio_.suivants(vue_.disques, stats.blanc_au_trait);
    const FonCom& com = plateau_.com();
    static const TableCommentaires table = table_commentaires();
    for (const CoupPlaye& c : stats.suivants) {
        std::string nom, bilan;
        const auto b = std::find_if(biblio.begin(), biblio.end(),
                                    [&](const auto& cb) { return cb.index == c.index; });
        if (b != biblio.end() && b->ligne >= 0 && b->ligne < com.nb_biblio) {
            // A line that only goes through the position names a later one: the move is a
            // library move without a name of its own, as the main window lists it.
            const LigneBiblio& ligne = com.biblio.lignes[b->ligne];
            const auto coups = static_cast<int>(coups_sans_espaces(ligne[col_coups]).size() / 2);
            const int apres = std::popcount(vue_.disques.noirs | vue_.disques.blancs) - 3;
            nom = coups == apres ? ligne[col_nom] : "...";
            bilan = coups == apres ? code_court(table, ligne[col_bilan]) : "";
        }
        const bool avec_resultat = c.bilan.parties > c.bilan.inconnues;
        LstSuivants.lignes.push_back(
            {notation(case_de(c.index)), std::to_string(c.bilan.parties),
             avec_resultat ? texte_pour_cent(c.bilan.score(stats.blanc_au_trait)) : "",
             std::move(nom), std::move(bilan)});
        LstSuivants.donnees.push_back(c.index);
    }
    score_pour_blanc = stats.blanc_au_trait;
}

// The first games of the base through the position, in the order of the files.
void Parties::montre_parties(const Disques& disques, bool blanc_au_trait)
{
    for (const uint32_t n : parties_passant(base_.index, disques, blanc_au_trait, nb_parties_max)) {
        const PartieBase& p = base_.parties[n];
        std::string tournoi = base_.tournoi(p.tournoi);
        if (tournoi.empty() && p.fichier < base_.fichiers.size())
            tournoi = base_.fichiers[p.fichier].filename().string();
        LstParties.lignes.push_back({base_.joueur(p.noir), base_.joueur(p.blanc),
                                     std::move(tournoi), p.annee ? std::to_string(p.annee) : "",
                                     score_final(p)});
        LstParties.donnees.push_back(static_cast<int>(n));
    }
}

void Parties::LstSuivants_Click(int entree)
{
    montre_position();
    if (entree < 0 || entree >= LstSuivants.nombre() || plateau_.occupe()) return;
    const int index = LstSuivants.donnees[static_cast<std::size_t>(entree)];
    // As a press on the board's square: the board judges it as it judges its own presses.
    plateau_.plateau_MouseDown(index, bouton_gauche);
    plateau_.plateau_MouseUp(index, bouton_gauche);
    montre_position();
}

void Parties::LstParties_DblClick(int entree)
{
    montre_position();
    if (entree < 0 || entree >= LstParties.nombre() || plateau_.occupe()) return;
    const auto n = static_cast<std::size_t>(LstParties.donnees[static_cast<std::size_t>(entree)]);
    if (n >= base_.parties.size()) return;
    plateau_.charge_transcription(texte_partie(base_.parties[n]));
    montre_position();
}

} // namespace tavik
