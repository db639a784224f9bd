#pragma once

#include "library/fichier.h"
#include "training/moment.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tavik {

// What a file dialog asks for.
struct DemandeFichier
{
    std::string titre; // the dialog's caption
    std::filesystem::path propose; // the file name offered to begin with
    bool pour_ecrire = false; // a file to write: the dialog asks before replacing one
};

// What the core needs from its host, as small callbacks that tests replace.
struct Services
{
    // A modal message box: the text, an OK button, the caption "Tavik". Returns once closed.
    std::function<void(const std::string& texte)> message;
    // Seconds from a monotonic clock.
    std::function<double()> horloge;
    // Handles the pending events of the windows (repaints) while an animation waits.
    std::function<void()> traite_evenements;
    // A uniform value in [0, 1). Never seeded from the clock: two runs given the same clicks
    // draw the same values.
    std::function<float()> hasard;
    // Reads a whole file's bytes into `contenu`; on failure returns false with the reason in
    // French. Tests and fuzzers hand the library's bytes over without a disk.
    std::function<bool(const std::filesystem::path& chemin, std::string& contenu,
                       std::string& raison)>
        lit_fichier;
    // Whether anything is at `chemin`: a file found there is read, and any fault of it is
    // reported, rather than passed over for another place.
    std::function<bool(const std::filesystem::path& chemin)> existe = &tavik::existe;
    // The time of day and the learner's local day, for the drill's schedule.
    std::function<Moment()> maintenant = [] { return moment_local(std::time(nullptr)); };
    // A modal file dialog: the file chosen, or nothing when the user cancels. Without a host,
    // nothing is ever chosen.
    std::function<std::optional<std::filesystem::path>(const DemandeFichier& demande)>
        choisit_fichier = [](const DemandeFichier&) { return std::nullopt; };
    // A modal question with two buttons: `action` (what the question asks to do, "Vider") and
    // "Annuler". True when the user chose the action; without a host, nothing is confirmed.
    std::function<bool(const std::string& question, const std::string& action)> confirme
        = [](const std::string&, const std::string&) { return false; };
    // What the program remembers from one run to the next, by key: the text last written
    // there, or empty text. The default keeps it in memory, shared by the copies of the
    // services, as the settings file is shared by the windows.
    std::function<std::string(const std::string& cle)> lit_reglage {};
    std::function<void(const std::string& cle, const std::string& valeur)> ecrit_reglage {};

    // Steady clock, an unseeded Mersenne twister, no messages, no events, the disk, settings
    // in memory.
    static Services par_defaut();
};

} // namespace tavik
