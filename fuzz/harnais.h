#pragma once

#include "actions.h"
#include "database/chargement_base.h"
#include "echange_progres.h"
#include "windows/chooser/ouverture.h"
#include "windows/drill/entrainement.h"
#include "windows/foncom.h"
#include "windows/games/mes_parties.h"
#include "windows/main_window/plateau.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tavik::fuzz {

// What a run went through, for the soak's summary.
struct Statistiques
{
    long actions = 0;
    long coups_joues = 0; // moves played or drawn by the automatic player
    long fins_de_partie = 0; // result messages
    long passes = 0; // passes recorded
    long chargements = 0; // lines loaded by "Charger"
    int plus_long = 0; // the longest record, in slots
    long seances = 0; // training sessions started
    long exercices = 0; // exercises finished
    long erreurs = 0; // wrong moves judged in an exercise
    long bases = 0; // loads of the games window that ended with the games
    long coups_parties = 0; // moves played by a click in the games window
    std::map<std::string, long> messages; // every message shown, by text
};

// The windows on a library given as its file's bytes, driven as the user would drive them,
// with a host that never waits and counts messages instead of showing them; the training
// window keeps its notebook in memory and lives on a clock that moves a day every 500 actions.
// After every action it checks the invariants of the main window and of the training window
// when it is open, of the games window when it is open (whose loads it runs itself, each one
// answered at the next action with `base_de_test`), of the "Mes parties" page, and what
// the harness itself sees:
// at most one message per user action, a preview that leaves the game alone, an automatic
// player that, given its turn, plays or says why not, a copied game that reads back, a line
// loaded from F5 that reads f5 first, and a zoom that keeps the board whole inside the window.
class Harnais
{
public:
    // Loads the windows as the program starts: the main window reads the library, then the
    // chooser fills its list. `hasard` gives the automatic player's draws, one byte each.
    Harnais(std::string octets_biblio, Source& hasard);
    Harnais(const Harnais&) = delete;
    Harnais& operator=(const Harnais&) = delete;

    Plateau& plateau() { return plateau_; }
    Ouverture& ouverture() { return ouverture_; }
    // The training window, while it is open.
    Entrainement* entrainement() { return entrainement_ ? &*entrainement_ : nullptr; }
    // The games window, while it is open.
    Parties* parties() { return parties_ ? &*parties_ : nullptr; }
    // The "Mes parties" page of the games window, on a small base of its own.
    MesParties& mes_parties() { return mes_parties_; }
    const Statistiques& statistiques() const { return stats_; }

    // What the start of the program broke.
    const std::vector<std::string>& rompus_au_chargement() const { return au_chargement_; }

    // Applies the action as `applique` does and returns every broken invariant, each line
    // prefixed by the moment it was seen.
    std::vector<std::string> joue(const Action& action);

    // The clipboard of the copy and paste keys.
    std::string& presse_papiers() { return presse_papiers_; }

    // The messages shown by the last action (or by the start), in order.
    const std::vector<std::string>& messages() const { return messages_; }

    // Runs inside every action, after the handlers and before the checks: tests use it to
    // break the window on purpose and see the harness report it.
    std::function<void(Harnais&)> apres_gestionnaires;

    // The message box of the host, for tests that need one shown at a chosen moment.
    const Services& services() const { return services_; }

private:
    Services fabrique_services();
    void compte(const Action& action, int debut_nouveau, bool a_pose);
    void appuie(const Action& action, std::vector<std::string>& rompus);
    void verifie_messages(std::vector<std::string>& rompus) const;
    void verifie_joueur_auto(const Action& action, bool a_pose,
                             std::vector<std::string>& rompus) const;
    void verifie_copie(std::vector<std::string>& rompus) const;
    void ouvre_ou_ferme(const Action& action);
    void agit_sur_mes_parties(const Action& action);
    void zoome(const Action& action, std::vector<std::string>& rompus);
    void verifie_chargement_f5(const Action& action, std::vector<std::string>& rompus) const;
    void compte_entrainement(bool avant_seance, bool avant_exercice, int avant_erreurs);
    void agit_parties(const Action& action);
    void sert_les_parties();

    std::string octets_;
    Source& hasard_;
    double temps_ = 0.0;
    std::vector<std::string> messages_;
    Statistiques stats_;
    std::vector<std::string> au_chargement_;
    std::string presse_papiers_;
    std::map<std::string, std::string> reglages_; // the settings file, in memory
    bool confirme_ = false; // the answer to a question of the action under way

    Services services_;
    FonCom com_; // its library starts empty: the start sequence fills it
    Plateau plateau_;
    Ouverture ouverture_;
    std::optional<Entrainement> entrainement_;
    std::optional<Parties> parties_;
    std::optional<DemandeChargement> demande_; // the games window's load, answered next action
    EchangeProgres echange_; // the files of the progress commands
    Base base_;
    MesParties mes_parties_;
    double zoom_ = 1.0; // the main window's, as its Qt window keeps it
};

// The record as the move list writes it, for the reports: "F5 D6 | -- C3", the current point
// marked with "|".
std::string texte_partie(const Plateau& p);

// What broke, after which action, on which game: the report of a fuzz target or the soak.
std::string rapport(const std::vector<std::string>& rompus, const std::string& action,
                    const Plateau& p);

// Plays the action and aborts with the report if it broke anything.
void joue_sans_faute(Harnais& harnais, const Action& action);

// A property of the code under test: when it fails, the report goes to the error output and
// the process aborts, which the fuzzer records as a crash with the input that caused it.
void exige(bool condition, const char* raison);
[[noreturn]] void echoue(const std::string& rapport);

} // namespace tavik::fuzz
