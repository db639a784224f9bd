#include "harnais.h"

#include "actions_mes_parties.h"
#include "actions_parties.h"
#include "engine/regles.h"
#include "record/transcription.h"
#include "windows/invariants.h"
#include "windows/zoom.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tavik::fuzz {

namespace {

// What a preview must leave alone.
struct Partie
{
    Grille tab;
    int16_t joueur;
    int16_t num_coup;
    int16_t num_rejoue;
    bool held;
    std::string comptes;
    ListeCoups liste;
    friend bool operator==(const Partie&, const Partie&) = default;
};

Partie partie_de(const Plateau& p)
{
    const ControlesPlateau& c = p.controles;
    return {p.tab(),
            p.joueur(),
            p.num_coup,
            p.num_rejoue,
            p.CoupJoueurBiblio,
            c.nb_noir.legende + "-" + c.nb_blanc.legende,
            p.com().liste_coups};
}

void ajoute(std::vector<std::string>& rompus, const std::string& moment,
            const std::vector<std::string>& trouves)
{
    for (const std::string& t : trouves) rompus.push_back(moment + ": " + t);
}

bool est_resultat(const std::string& message)
{
    return message.starts_with("Égalité, ") || message.starts_with("Le joueur noir a gagné, ")
        || message.starts_with("Le joueur blanc a gagné, ");
}

} // namespace

Harnais::Harnais(std::string octets_biblio, Source& hasard)
    : octets_(std::move(octets_biblio))
    , hasard_(hasard)
    , services_(fabrique_services())
    , com_ {.liste_coups = {}, .biblio = {.lignes = {}, .index = {}}, .nb_biblio = 0}
    , plateau_(com_, services_)
    , ouverture_(plateau_, services_)
    , base_(base_d_essai())
    , mes_parties_(plateau_, services_)
{
    plateau_.Form_Load();
    ouverture_.Form_Load();
    mes_parties_.base_chargee(&base_);
    ajoute(au_chargement_, "after the start", invariants_rompus(plateau_));
    verifie_messages(au_chargement_);
}

// A clock that jumps a second at each reading, so that every wait of the placing animation
// ends at its first look; the library file is the bytes given.
Services Harnais::fabrique_services()
{
    return {
        .message = [this](const std::string& texte) { messages_.push_back(texte); },
        .horloge = [this] { return temps_ += 1.0; },
        .traite_evenements = [] {},
        .hasard = [this] { return static_cast<float>(hasard_.octet()) / 256.0f; },
        .lit_fichier =
            [this](const std::filesystem::path&, std::string& contenu, std::string&) {
                contenu = octets_;
                return true;
            },
        .maintenant =
            [this] {
                return Moment {1'700'000'000 + stats_.actions * 20,
                               static_cast<Jour>(19'675 + stats_.actions / 500)};
            },
        .choisit_fichier = [this](const DemandeFichier& d) { return echange_.choisit(d); },
        .confirme = [this](const std::string&, const std::string&) { return confirme_; },
        .lit_reglage = [this](const std::string& cle) { return reglages_[cle]; },
        .ecrit_reglage
        = [this](const std::string& cle, const std::string& valeur) { reglages_[cle] = valeur; },
    };
}

std::vector<std::string> Harnais::joue(const Action& action)
{
    messages_.clear();
    std::vector<std::string> rompus;
    const int16_t avant_coup = plateau_.num_coup;
    const double avant_temps = temps_;
    const bool avant_seance = entrainement_ && entrainement_->en_seance();
    const bool avant_exercice = entrainement_ && entrainement_->exercice_en_cours();
    const int avant_erreurs = avant_exercice ? entrainement_->session()->exercice().erreurs() : 0;

    sert_les_parties();
    echange_.avant(action, entrainement());
    confirme_ = action.genre == Genre::vide_mes_parties && action.valeur != 0;
    if (action.genre == Genre::appui)
        appuie(action, rompus);
    else if (action.genre == Genre::parties)
        agit_parties(action);
    else if (action.genre == Genre::ouvre_entrainement || action.genre == Genre::ferme_entrainement)
        ouvre_ou_ferme(action);
    else if (action.genre == Genre::zoom)
        zoome(action, rompus);
    else if (de_mes_parties(action.genre))
        agit_sur_mes_parties(action);
    else
        applique(action, plateau_, ouverture_, entrainement(), presse_papiers_);
    if (parties_) {
        // As the Qt window does after every action on the board.
        parties_->actualise();
        if (!demande_) demande_ = parties_->prend_demande();
    }
    // As the Qt windows do whenever they show the core's state: a session begun or ended, or the
    // places of the learner's games changed in one window, shows in the other.
    mes_parties_.actualise();
    if (entrainement_) entrainement_->actualise_mes_parties();
    if (apres_gestionnaires) apres_gestionnaires(*this);

    ajoute(rompus, "after the action", invariants_rompus(plateau_));
    ajoute(rompus, "in the chooser", invariants_rompus(ouverture_, plateau_));
    verifie_chargement_f5(action, rompus);
    if (entrainement_)
        ajoute(rompus, "in the training window", invariants_rompus(*entrainement_, plateau_));
    if (parties_) ajoute(rompus, "in the games window", invariants_rompus(*parties_, plateau_));
    ajoute(rompus, "in Mes parties", invariants_rompus(mes_parties_));
    compte_entrainement(avant_seance, avant_exercice, avant_erreurs);
    echange_.apres(action, entrainement(), messages_, rompus);
    verifie_messages(rompus);
    if (action.genre == Genre::copie) verifie_copie(rompus);
    // Only the placing animation reads the clock: it moved on when a disc was placed.
    const bool a_pose = temps_ != avant_temps;
    if (rompus.empty()) verifie_joueur_auto(action, a_pose, rompus);

    compte(action, action.genre == Genre::jouer ? 1 : avant_coup, a_pose);
    stats_.coups_parties += action.genre == Genre::parties && a_pose
        && static_cast<ActionParties>(action.valeur) == ActionParties::coup;
    return rompus;
}

// The zoom as the main window takes it: a step, 100 %, or the size given by the user; then the
// board at that zoom, each tile touching the next, inside the window, which fits the size given.
void Harnais::zoome(const Action& action, std::vector<std::string>& rompus)
{
    const int largeur = 481, hauteur = 539;
    switch (zoom_de(action)) {
    case Zoom::plus:
        zoom_ = zoom_plus(zoom_);
        break;
    case Zoom::moins:
        zoom_ = zoom_moins(zoom_);
        break;
    case Zoom::cent:
        zoom_ = 1.0;
        break;
    case Zoom::taille:
        zoom_ = zoom_pour(largeur, hauteur, largeur_donnee(action), hauteur_donnee(action));
        break;
    }
    const Rectangle fenetre = a_l_echelle({0, 0, largeur, hauteur}, zoom_);
    if (zoom_de(action) == Zoom::taille && zoom_ > zoom_min
        && (fenetre.largeur > largeur_donnee(action) || fenetre.hauteur > hauteur_donnee(action)))
        rompus.push_back("the window at " + std::to_string(zoom_) + " does not fit the size given");
    if (zoom_ < zoom_min || zoom_ > zoom_max)
        rompus.push_back("zoom " + std::to_string(zoom_) + " out of bounds");
    for (int i = 0; i < 64; ++i) {
        const Rectangle t = a_l_echelle({32 + 32 * (i % 8), 64 + 32 * (i / 8), 32, 32}, zoom_);
        const Rectangle voisine
            = a_l_echelle({64 + 32 * (i % 8), 64 + 32 * (i / 8), 32, 32}, zoom_);
        if (!fenetre.contient(t) || (i % 8 < 7 && t.droite() != voisine.x)) {
            rompus.push_back("at zoom " + std::to_string(zoom_) + " tile " + std::to_string(i)
                             + " is apart from the board or outside the window");
            break;
        }
    }
}

// A line that the chooser loads from F5 begins with F5 when copied.
void Harnais::verifie_chargement_f5(const Action& action, std::vector<std::string>& rompus) const
{
    if (action.genre != Genre::charger || !ouverture_.ChkDepuisF5.cochee() || !messages_.empty()
        || action.entree < 0 || plateau_.num_rejoue < 2)
        return;
    if (const std::string copie = plateau_.transcription(); !copie.starts_with("f5"))
        rompus.push_back("a line loaded from F5 reads " + copie);
}

// The training window, opened as its Qt window is (its load), or closed (its unload).
void Harnais::ouvre_ou_ferme(const Action& action)
{
    if (action.genre == Genre::ouvre_entrainement && !entrainement_) {
        entrainement_.emplace(plateau_, services_, std::nullopt);
        entrainement_->Form_Load();
        echange_.carnet_neuf();
        entrainement_->base_chargee(mes_parties_.base() ? &base_.index : nullptr);
    } else if (action.genre == Genre::ferme_entrainement && entrainement_) {
        entrainement_->Form_Unload();
        entrainement_.reset();
    }
}

// The games window opened as its Qt window is, with a file remembered, or closed; its other
// controls as the Qt window hands them over.
void Harnais::agit_parties(const Action& action)
{
    const auto sorte = static_cast<ActionParties>(action.valeur);
    if (sorte == ActionParties::ouvre && !parties_) {
        parties_.emplace(plateau_, std::vector<std::filesystem::path> {"WTH_2000.wtb"});
        parties_->Form_Load();
    } else if (sorte == ActionParties::ferme && parties_) {
        parties_->Form_Unload();
        parties_.reset();
        demande_.reset();
    } else if (parties_) {
        applique_parties(action, *parties_);
    }
}

// The load asked for at the last action ends now, as a thread's would: stopped if the window
// stopped it, with the test games otherwise.
void Harnais::sert_les_parties()
{
    if (!parties_ || !demande_) return;
    const DemandeChargement d = std::move(*demande_);
    demande_.reset();
    Base base;
    base.annule = d.annule->load();
    parties_->termine(d.numero, base.annule ? std::move(base) : base_de_test());
    stats_.bases += !base.annule && parties_->base_chargee();
}

// The page's action; a base withdrawn or handed over reaches the training window too, as the
// games window hands it to both.
void Harnais::agit_sur_mes_parties(const Action& action)
{
    applique_mes_parties(action, mes_parties_, base_);
    if (entrainement_) entrainement_->base_chargee(mes_parties_.base() ? &base_.index : nullptr);
}

// Sessions started, exercises finished and wrong moves, from the window before and after.
void Harnais::compte_entrainement(bool avant_seance, bool avant_exercice, int avant_erreurs)
{
    if (!entrainement_) return;
    const Entrainement& e = *entrainement_;
    stats_.seances += !avant_seance && e.en_seance();
    stats_.exercices += avant_exercice && e.session() && e.session()->bilan();
    if (avant_exercice && e.session())
        stats_.erreurs += std::max(e.session()->exercice().erreurs() - avant_erreurs, 0);
}

// The press of another button, checked while it is held, then its release.
void Harnais::appuie(const Action& action, std::vector<std::string>& rompus)
{
    const Partie avant = partie_de(plateau_);
    plateau_.plateau_MouseDown(action.index, action.bouton);
    ajoute(rompus, "while the button is held", invariants_rompus(plateau_, Vue::apercu));
    if (partie_de(plateau_) != avant)
        rompus.push_back("while the button is held: the preview changed the game");
    plateau_.plateau_MouseUp(action.index, action.bouton);
}

// The actions that end by giving the automatic player its turn (a press that placed a disc,
// "Jouer", a click on an automatic box): if its colour is then to move, it has played until it
// is not, or said that it has no continuation, unless the game is over.
void Harnais::verifie_joueur_auto(const Action& action, bool a_pose,
                                  std::vector<std::string>& rompus) const
{
    const bool donne_la_main = (action.genre == Genre::clic && a_pose)
        || action.genre == Genre::jouer || action.genre == Genre::noir_auto
        || action.genre == Genre::blanc_auto;
    const ControlesPlateau& c = plateau_.controles;
    const bool auto_a_le_trait = (plateau_.joueur() == noir && c.ChkNoirAuto.cochee())
        || (plateau_.joueur() == blanc && c.ChkBlancAuto.cochee());
    if (donne_la_main && auto_a_le_trait && messages_.empty() && !partie_finie(plateau_.tab()))
        rompus.push_back("after the action: the automatic player has the move but neither "
                         "played nor said why");
}

void Harnais::verifie_messages(std::vector<std::string>& rompus) const
{
    if (messages_.size() <= 1) return;
    std::string liste;
    for (const std::string& m : messages_) liste += (liste.empty() ? "\"" : ", \"") + m + "\"";
    rompus.push_back(std::to_string(messages_.size()) + " messages for one action: " + liste);
}

// The game copied is read back by the paste: every move up to the current point, from the
// usual start whatever the orientation on the board. At the start nothing is copied.
void Harnais::verifie_copie(std::vector<std::string>& rompus) const
{
    const std::string texte = plateau_.transcription();
    if (texte.empty()) return;
    const LectureTranscription lecture = lit_transcription(texte);
    if (lecture.refus) {
        rompus.push_back("the copied game \"" + texte + "\" does not read back: at character "
                         + std::to_string(lecture.refus->position) + ", " + lecture.refus->raison);
        return;
    }
    const auto coups = [](auto debut, auto fin) {
        return std::count_if(debut, fin,
                             [](const Emplacement& e) { return e.case_jouee().has_value(); });
    };
    const ListeCoups& liste = com_.liste_coups;
    const int point = std::clamp<int>(plateau_.num_coup, 1, nb_emplacements);
    if (coups(lecture.partie.begin(), lecture.partie.end())
        != coups(liste.begin() + 1, liste.begin() + point))
        rompus.push_back("the copied game \"" + texte
                         + "\" does not hold the moves before the current point");
}

// The slots from `debut_nouveau` on were written by the action when a disc was placed.
void Harnais::compte(const Action& action, int debut_nouveau, bool a_pose)
{
    ++stats_.actions;
    for (const std::string& m : messages_) {
        ++stats_.messages[m];
        stats_.fins_de_partie += est_resultat(m);
    }
    const int fin = std::clamp<int>(plateau_.num_rejoue, 0, nb_emplacements);
    stats_.plus_long = std::max(stats_.plus_long, fin - 1);
    if (a_pose) {
        for (int k = std::max(debut_nouveau, 1); k < fin; ++k) {
            const bool passe = com_.liste_coups[k].est_passe();
            stats_.passes += passe;
            stats_.coups_joues += !passe;
        }
    }
    if (action.genre == Genre::charger && action.entree >= 0 && messages_.empty())
        ++stats_.chargements;
}

std::string texte_partie(const Plateau& p)
{
    std::string s;
    const int fin = std::clamp<int>(p.num_rejoue, 1, nb_emplacements);
    for (int k = 1; k < fin; ++k) {
        if (k == p.num_coup) s += "| ";
        const Emplacement& e = p.com().liste_coups[k];
        s += (e.est_passe() ? "--" : e.texte()) + " ";
    }
    if (p.num_coup >= fin) s += "|";
    if (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string rapport(const std::vector<std::string>& rompus, const std::string& action,
                    const Plateau& p)
{
    std::string s = "broken by " + action + ":\n";
    for (const std::string& r : rompus) s += "  " + r + "\n";
    s += "  game: " + texte_partie(p) + "\n";
    return s;
}

void joue_sans_faute(Harnais& harnais, const Action& action)
{
    const std::vector<std::string> rompus = harnais.joue(action);
    if (!rompus.empty()) echoue(rapport(rompus, decrit(action), harnais.plateau()));
}

void echoue(const std::string& rapport)
{
    std::fputs(rapport.c_str(), stderr);
    std::fflush(stderr);
    std::abort();
}

void exige(bool condition, const char* raison)
{
    if (!condition) echoue(std::string("property broken: ") + raison + "\n");
}

} // namespace tavik::fuzz
