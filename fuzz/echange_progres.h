#pragma once

#include "actions.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavik::fuzz {

// The files behind the training window's "Exporter la progression…" and "Importer une
// progression…" in a run: what the file dialog answers (cancelled, the run's export, or a
// file that is no progress), and what an export and an import must keep. An import never
// loses an exercise of the notebook; a file refused, or the run's export while it holds every
// exercise of the notebook, changes nothing; a cancelled dialog says nothing.
class EchangeProgres
{
public:
    EchangeProgres(); // files of its own in a folder of the process, once a dialog needs them
    ~EchangeProgres(); // which it removes
    EchangeProgres(const EchangeProgres&) = delete;
    EchangeProgres& operator=(const EchangeProgres&) = delete;

    // The file dialog's answer, as the last action chose it.
    std::optional<std::filesystem::path> choisit(const DemandeFichier& demande);

    // Around each action, with the training window if it is open.
    void avant(const Action& action, const Entrainement* e);
    void apres(const Action& action, const Entrainement* e,
               const std::vector<std::string>& messages, std::vector<std::string>& rompus);

    // The training window opened afresh: its notebook, in memory, is a new one.
    void carnet_neuf() { export_complet_ = false; }

private:
    void prepare();

    std::filesystem::path export_;
    std::filesystem::path illisible_;
    int reponse_ = 0; // 0 cancelled, 1 the export, 2 the file that is no progress
    int dialogues_ = 0; // dialogs shown during the action
    int revues_avant_ = 0;
    bool actif_avant_ = false;
    bool export_complet_ = false; // the export holds every exercise of the notebook...
    int exercices_exportes_ = 0; // ...while it has this many
    bool prets_ = false; // the folder and the file that is no progress are made
};

} // namespace tavik::fuzz
