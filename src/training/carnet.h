#pragma once

#include "training/moment.h"
#include "training/retention.h"
#include "training/sm2.h"
#include "training/sqlite.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavik {

// The learner's progress, kept in one SQLite file: a row per line and colour ever trained
// (keyed by the line's common form, so that a line keeps its history when the library
// renames it, and lines that leave the library are kept), a row per finished exercise, and
// the settings. Each exercise is written in one transaction, so a program killed at any moment
// loses at most the exercise in progress, and two copies of the program training at once both
// build on the line's last stored state. A commit is an append to the write-ahead log beside
// the file (replayed when the file is next opened); the log is copied into the file itself at
// the end of a session and after an import, so that a copy of the file alone is a backup.

// One finished exercise.
struct Revue
{
    std::int64_t instant = 0; // seconds since the epoch, UTC
    Jour jour = 0; // the learner's local day
    int coups = 0; // the learner's moves
    int trouves = 0; // found at the first try
    int erreurs = 0; // wrong moves tried
    int qualite = 0; // the SM-2 grade given
};

// The exercises and wrong moves of one day.
struct JourActivite
{
    Jour jour = 0;
    int revues = 0;
    int erreurs = 0;
    friend bool operator==(const JourActivite&, const JourActivite&) = default;
};

// How one finished exercise changes a line: its new state from the stored one (none for a line
// never trained).
using MiseAJour = std::function<EtatLigne(const std::optional<EtatLigne>& avant)>;

// What an import added to the notebook.
struct BilanImport
{
    int exercices = 0;
    int lignes = 0;
};

class Carnet
{
public:
    // Opens the file, creating it and its folder when needed. A file that cannot be used (not
    // a database, damaged, written by a newer version) is renamed aside, never deleted, and a
    // fresh one is started; `avertissement()` then tells the learner in French. Another
    // program's database is never written to nor moved; a file busy for too long is never set
    // aside: the progress is then kept in memory for this run, as when no file can be used at
    // all, and the warning says so. A file or folder that may not be written is read only: the
    // progress shows, and the warning says that new results cannot be saved. `maintenant`
    // (seconds since the epoch) dates the name set aside.
    static Carnet ouvre(const std::filesystem::path& chemin, std::int64_t maintenant);
    // A notebook in memory only, for tests and simulations.
    static Carnet en_memoire();

    const std::string& avertissement() const { return avertissement_; }
    // The file written to; empty when the progress stays in memory.
    const std::filesystem::path& chemin() const { return chemin_; }
    // The file may only be read: the progress shows, nothing new is saved.
    bool lecture_seule() const { return lecture_seule_; }

    // Every line ever trained for the colour, by key.
    std::map<std::string, EtatLigne> etats(int16_t couleur) const;
    // Writes one finished exercise: reads the line's stored state, applies `mise_a_jour` to it
    // and writes the result with the exercise, all in one write transaction, so that another
    // copy of the program writing the same line meanwhile is built upon, never overwritten.
    // Returns the state written; on failure nothing is written and `raison` says why, in French.
    std::optional<EtatLigne> enregistre(int16_t couleur, const std::string& cle,
                                        const MiseAJour& mise_a_jour, const Revue& revue,
                                        std::string& raison);
    // Every finished exercise of the colour, by line then in the order they were made.
    std::vector<RevuePassee> historique(int16_t couleur) const;
    // The days from `premier` to `dernier` on which exercises of the colour were finished.
    std::vector<JourActivite> activite(int16_t couleur, Jour premier, Jour dernier) const;

    // New lines introduced per day (a setting, 10 unless changed).
    int nouvelles_par_jour() const { return nouvelles_par_jour_; }
    bool fixe_nouvelles_par_jour(int nombre, std::string& raison);

    // Writes a copy of the whole progress, consistent even while another copy of the program
    // writes, to `vers`, replacing the file there only once the copy is complete.
    bool exporte(const std::filesystem::path& vers, std::string& raison) const;
    // Adds to the notebook, in one transaction, the exercises of an exported file (or of a copy
    // of a notebook) that it does not have yet: an exercise is known by an identity that its
    // copies keep, so importing twice counts nothing twice. A line new to the notebook comes
    // with its state; a line trained on both sides adds up its counts and keeps the schedule of
    // its latest review. A file that is not a notebook, or is damaged, is refused and nothing
    // changes; `raison` says why, in French.
    std::optional<BilanImport> importe(const std::filesystem::path& depuis, std::string& raison);

    // Copies the log's pages into the main file, so that the file alone holds every exercise
    // written so far. Not done at each exercise (it costs more than the exercise's write): the
    // window calls it when a session ends. A copy of the program reading meanwhile is not
    // waited for; what it holds back is copied at the next call, or when the last copy closes
    // the file.
    void verse_le_journal() const;

private:
    Carnet(sqlite::Connexion db, std::filesystem::path chemin, std::string avertissement,
           bool lecture_seule);
    void prepare();
    int ecrit(int16_t couleur, const std::string& cle, const EtatLigne& etat, const Revue& revue);

    sqlite::Connexion db_;
    std::filesystem::path chemin_;
    std::string avertissement_;
    bool lecture_seule_ = false;
    int nouvelles_par_jour_ = 0;
    sqlite::Requete lit_ligne_;
    sqlite::Requete ecrit_ligne_;
    sqlite::Requete ecrit_revue_;
};

} // namespace tavik
