#include "windows/games/mes_parties.h"

#include "database/sortie_biblio.h"
#include "engine/regles.h"
#include "library/cle_ligne.h"
#include "library/ligne_coups.h"
#include "library/noms.h"
#include "library/symetries.h"
#include "record/utf8.h"
#include "windows/lignes_de_mes_parties.h"

#include <algorithm>
#include <set>

namespace tavik {

namespace {

constexpr int index_f5 = 37;

// The symmetry that keeps the start position and turns the game's first move onto F5: games
// are written from F5. The identity for a game that opens elsewhere or not at all.
int vers_f5(const PartieBase& partie)
{
    if (partie.nb_coups == 0) return 0;
    for (int s = 0; s < nb_symetries; ++s)
        if (image_index(s, partie.coups[0]) == index_f5 && invariante(position_initiale(), s))
            return s;
    return 0;
}

std::string ecrite(int symetrie, int index)
{
    return notation(case_de(image_index(symetrie, index)));
}

std::string sans_point_final(std::string texte)
{
    if (!texte.empty() && texte.back() == '.') texte.pop_back();
    return texte;
}

} // namespace

MesParties::MesParties(Plateau& plateau, Services services)
    : plateau_(plateau)
    , services_(std::move(services))
    , abonnement_(plateau_.abonne_lecture_biblio([this] { relit_biblio(); }))
{
    TxtJoueur.actif = false;
    relit_biblio();
}

MesParties::~MesParties()
{
    plateau_.desabonne_lecture_biblio(abonnement_);
}

void MesParties::relit_biblio()
{
    const FonCom& com = plateau_.com();
    positions_ = PositionsBiblio();
    positions_.construit(com.biblio, com.nb_biblio);
    remplit_parties();
}

void MesParties::base_chargee(const Base* base)
{
    base_ = base;
    remplit_sources();
    remplit_parties();
}

// The text files of the base, then the tournament players; the source chosen stays chosen
// while it is there.
void MesParties::remplit_sources()
{
    const int avant = LstSource.selection >= 0 && LstSource.selection < LstSource.nombre()
        ? LstSource.entrees[static_cast<std::size_t>(LstSource.selection)].donnee
        : -2;
    LstSource.vide();
    if (base_) {
        std::vector<bool> wthor;
        for (std::size_t f = 0; f < base_->fichiers.size(); ++f) {
            wthor.push_back(fichier_wthor(base_->fichiers[f]));
            if (!wthor.back())
                LstSource.ajoute(visible(base_->fichiers[f].filename().string()),
                                 static_cast<int>(f));
        }
        const bool tournois
            = std::any_of(base_->parties.begin(), base_->parties.end(), [&](const PartieBase& p) {
                  return p.fichier < wthor.size() && wthor[p.fichier];
              });
        if (tournois) LstSource.ajoute("Un joueur des tournois", -1);
    }
    for (int i = 0; i < LstSource.nombre(); ++i)
        if (LstSource.entrees[static_cast<std::size_t>(i)].donnee == avant) LstSource.selection = i;
    if (LstSource.selection < 0 && LstSource.nombre() > 0) LstSource.selection = 0;
    TxtJoueur.actif = LstSource.selection >= 0
        && LstSource.entrees[static_cast<std::size_t>(LstSource.selection)].donnee == -1;
}

void MesParties::LstSource_Click()
{
    if (LstSource.selection < -1 || LstSource.selection >= LstSource.nombre())
        LstSource.selection = -1;
    TxtJoueur.actif = LstSource.selection >= 0
        && LstSource.entrees[static_cast<std::size_t>(LstSource.selection)].donnee == -1;
    remplit_parties();
}

void MesParties::TxtJoueur_Change()
{
    remplit_parties();
}

std::vector<int> MesParties::parties_de_la_source() const
{
    std::vector<int> parties;
    if (!base_ || LstSource.selection < 0 || LstSource.selection >= LstSource.nombre())
        return parties;
    const int fichier = LstSource.entrees[static_cast<std::size_t>(LstSource.selection)].donnee;
    const int nb = static_cast<int>(base_->parties.size());
    if (fichier >= 0) {
        for (int p = 0; p < nb; ++p)
            if (base_->parties[static_cast<std::size_t>(p)].fichier == fichier)
                parties.push_back(p);
        return parties;
    }
    const std::string filtre = forme_de_recherche(TxtJoueur.texte);
    if (filtre.find_first_not_of(' ') == std::string::npos) return parties;
    std::vector<bool> joueur(base_->joueurs.size());
    for (std::size_t j = 0; j < joueur.size(); ++j)
        joueur[j] = forme_de_recherche(base_->joueurs[j]).find(filtre) != std::string::npos;
    const auto est = [&](int32_t numero) {
        return numero >= 0 && static_cast<std::size_t>(numero) < joueur.size()
            && joueur[static_cast<std::size_t>(numero)];
    };
    for (int p = 0; p < nb; ++p) {
        const PartieBase& partie = base_->parties[static_cast<std::size_t>(p)];
        if (est(partie.noir) || est(partie.blanc)) parties.push_back(p);
    }
    return parties;
}

void MesParties::remplit_parties()
{
    LstParties.clear();
    selection = -1;
    const std::vector<int> parties = parties_de_la_source();
    const std::size_t montrees = std::min(parties.size(), static_cast<std::size_t>(parties_max));
    for (std::size_t k = 0; k < montrees; ++k) LstParties.push_back(decrit(parties[k]));
    etat_actions();

    const bool par_joueur = LstSource.selection >= 0 && LstSource.selection < LstSource.nombre()
        && LstSource.entrees[static_cast<std::size_t>(LstSource.selection)].donnee == -1;
    if (!base_)
        LblBilan.legende = "Aucune partie n'est chargée\u00a0: ajoutez à la base un fichier de vos "
                           "parties (une partie par ligne) ou des fichiers WTHOR.";
    else if (LstSource.nombre() == 0)
        LblBilan.legende = "La base n'a aucune partie à vous.";
    else if (par_joueur && parties.empty() && TxtJoueur.texte.empty())
        LblBilan.legende = "Tapez une partie du nom du joueur.";
    else if (parties.empty())
        LblBilan.legende = "Aucune partie.";
    else if (montrees < parties.size())
        LblBilan.legende = "Les " + std::to_string(montrees) + " premières des "
            + std::to_string(parties.size()) + " parties.";
    else
        LblBilan.legende
            = std::to_string(parties.size()) + (parties.size() > 1 ? " parties." : " partie.");
}

MesParties::PartieListee MesParties::decrit(int numero) const
{
    const PartieBase& partie = base_->parties[static_cast<std::size_t>(numero)];
    const Biblio& biblio = plateau_.com().biblio;
    const SortieBiblio s = sortie_biblio(partie, positions_);
    const int sym = vers_f5(partie);
    PartieListee l;
    l.partie = numero;

    if (partie.fichier < base_->fichiers.size() && fichier_wthor(base_->fichiers[partie.fichier])) {
        l.partie_texte = (partie.annee > 0 ? std::to_string(partie.annee) + ", " : std::string())
            + visible(base_->joueur(partie.noir)) + " – " + visible(base_->joueur(partie.blanc));
    } else {
        // Its line in the file, which the player can find there even when lines before it
        // were refused or left blank.
        l.partie_texte = "Ligne " + std::to_string(partie.rang) + ", "
            + std::to_string(partie.nb_coups) + " coups";
    }
    if (partie.score_noir >= 0)
        l.partie_texte += ", " + std::to_string(partie.score_noir) + "-"
            + std::to_string(64 - partie.score_noir);

    l.ligne
        = s.ligne >= 0 ? visible(biblio.lignes[static_cast<std::size_t>(s.ligne)][col_nom]) : "—";
    if (s.coup_sorti < 0) {
        l.sortie = "jamais sortie";
    } else {
        PositionJeu avant;
        for (int k = 0; k < s.coups_suivis; ++k)
            avant.joue(partie.coups[static_cast<std::size_t>(k)]);
        l.sortie = "coup " + std::to_string(s.coups_suivis + 1) + "\u00a0: "
            + ecrite(sym, s.coup_sorti) + (avant.trait_effectif() ? " (blanc)" : " (noir)");
    }
    for (const PositionsBiblio::CoupBiblio& c : s.attendus) {
        const LigneBiblio& rangee = biblio.lignes[static_cast<std::size_t>(c.ligne)];
        if (!l.bibliotheque.empty()) l.bibliotheque += ", ";
        l.bibliotheque += ecrite(sym, c.index) + " " + visible(rangee[col_nom]);
        const std::string bilan = sans_point_final(visible(rangee[col_bilan]));
        if (!bilan.empty()) l.bibliotheque += " (" + bilan + ")";
    }
    if (l.bibliotheque.empty()) l.bibliotheque = "—";

    if (s.ligne >= 0 && s.coups_suivis > 0) {
        std::vector<Case> coups
            = cases_de_ligne(biblio.lignes[static_cast<std::size_t>(s.ligne)][col_coups]);
        if (coups.size() >= static_cast<std::size_t>(s.coups_suivis)) {
            coups.resize(static_cast<std::size_t>(s.coups_suivis));
            l.debut = std::move(coups);
        }
    }
    return l;
}

void MesParties::LstParties_DblClick()
{
    if (!base_ || selection < 0 || selection >= static_cast<int>(LstParties.size())) return;
    if (plateau_.occupe()) return;
    const auto partie
        = static_cast<std::size_t>(LstParties[static_cast<std::size_t>(selection)].partie);
    if (partie >= base_->parties.size()) return;
    // The board finds the passes that the game leaves out.
    plateau_.charge_transcription(texte_partie(base_->parties[partie]));
}

void MesParties::actualise()
{
    const bool seance = plateau_.entraineur() != nullptr;
    std::string reglage = reglage_de_mes_parties(services_);
    if (seance == seance_ && reglage == reglage_lu_) return;
    if (reglage != reglage_lu_) LblMessage.legende.clear(); // it spoke of places since changed
    etat_actions(std::move(reglage));
}

bool MesParties::retenue(const PartieListee& partie) const
{
    return !partie.debut.empty()
        && std::find(cles_retenues_.begin(), cles_retenues_.end(), cle_de_debut(partie.debut))
        != cles_retenues_.end();
}

// The places kept are read again; the actions are offered outside a session, the addition when
// a listed game left the library after its first move, the removal when such a place is kept.
void MesParties::etat_actions()
{
    etat_actions(reglage_de_mes_parties(services_));
}

void MesParties::etat_actions(std::string reglage)
{
    seance_ = plateau_.entraineur() != nullptr;
    reglage_lu_ = std::move(reglage);
    cles_retenues_ = cles_du_reglage(reglage_lu_);
    CmdAjouter.actif = !seance_
        && std::any_of(LstParties.begin(), LstParties.end(),
                       [](const PartieListee& p) { return !p.debut.empty(); });
    CmdRetirer.actif = !seance_
        && std::any_of(LstParties.begin(), LstParties.end(),
                       [this](const PartieListee& p) { return retenue(p); });
}

void MesParties::CmdAjouter_Click()
{
    actualise();
    if (!CmdAjouter.actif) return;
    std::vector<std::vector<Case>> debuts;
    std::set<std::string> places;
    for (const PartieListee& p : LstParties) {
        if (p.debut.empty()) continue;
        debuts.push_back(p.debut);
        places.insert(cle_de_ligne(forme_commune(p.debut)));
    }
    const int nouvelles = ajoute_debuts_de_mes_parties(services_, debuts);
    const std::size_t n = places.size();
    LblMessage.legende = std::to_string(n)
        + (n > 1 ? " positions où vos parties quittent la bibliothèque sont retenues"
                 : " position où vos parties quittent la bibliothèque est retenue")
        + " pour l'entraînement (" + std::to_string(nouvelles)
        + (nouvelles > 1 ? " nouvelles" : " nouvelle")
        + ")\u00a0: choisissez «\u00a0Lignes de mes parties\u00a0» dans la fenêtre d'entraînement.";
    etat_actions();
}

void MesParties::CmdRetirer_Click()
{
    actualise();
    if (!CmdRetirer.actif) return;
    std::vector<std::vector<Case>> debuts;
    for (const PartieListee& p : LstParties)
        if (!p.debut.empty()) debuts.push_back(p.debut);
    const int n = retire_debuts_de_mes_parties(services_, debuts);
    LblMessage.legende = std::to_string(n)
        + (n > 1 ? " positions où vos parties quittent la bibliothèque ne sont plus retenues"
                 : " position où vos parties quittent la bibliothèque n'est plus retenue")
        + " pour l'entraînement\u00a0; votre progression sur "
        + (n > 1 ? "leurs lignes" : "ses lignes") + " est gardée.";
    etat_actions();
}

} // namespace tavik
