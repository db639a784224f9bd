#include "echange_progres.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace tavik::fuzz {

namespace fs = std::filesystem;

namespace {

// Every exercise in the notebook, of both colours.
int exercices_du_carnet(const Entrainement* e)
{
    if (!e || !e->carnet()) return 0;
    int n = 0;
    for (const int16_t couleur : {noir, blanc})
        for (const JourActivite& j : e->carnet()->activite(couleur, 0, 10'000'000)) n += j.revues;
    return n;
}

bool commence_par(const std::vector<std::string>& messages, std::string_view debut)
{
    return messages.size() == 1 && messages[0].starts_with(debut);
}

} // namespace

EchangeProgres::EchangeProgres()
{
    static std::atomic<int> numero = 0;
    const fs::path dossier
        = fs::temp_directory_path() / ("tavik-harnais-" + std::to_string(getpid()));
    const std::string n = std::to_string(numero++);
    export_ = dossier / ("progression-" + n + ".sqlite");
    illisible_ = dossier / ("notes-" + n + ".txt");
}

EchangeProgres::~EchangeProgres()
{
    if (!prets_) return;
    std::error_code ec;
    fs::remove(export_, ec);
    fs::remove(illisible_, ec);
    fs::remove(export_.parent_path(), ec); // once the last run of the process has gone
}

// The files are made when a dialog first answers with one: most runs never export or import.
// An earlier process of the same number may have left an export behind.
void EchangeProgres::prepare()
{
    if (prets_) return;
    prets_ = true;
    std::error_code ec;
    fs::create_directories(export_.parent_path(), ec);
    fs::remove(export_, ec);
    std::ofstream(illisible_, std::ios::binary) << std::string(1500, 'x');
}

std::optional<fs::path> EchangeProgres::choisit(const DemandeFichier&)
{
    ++dialogues_;
    if (reponse_ != 0) prepare();
    if (reponse_ == 1) return export_;
    if (reponse_ == 2) return illisible_;
    return std::nullopt;
}

void EchangeProgres::avant(const Action& action, const Entrainement* e)
{
    // An export replaces the file chosen: it never writes over the file that is no progress.
    reponse_ = action.genre == Genre::exporte_progres ? action.valeur % 2 : action.valeur;
    dialogues_ = 0;
    revues_avant_ = exercices_du_carnet(e);
    actif_avant_ = e
        && (action.genre == Genre::importe_progres ? e->CmdImporter.actif : e->CmdExporter.actif);
}

void EchangeProgres::apres(const Action& action, const Entrainement* e,
                           const std::vector<std::string>& messages,
                           std::vector<std::string>& rompus)
{
    const bool importe = action.genre == Genre::importe_progres;
    if (!importe && action.genre != Genre::exporte_progres) return;
    const int revues = exercices_du_carnet(e);
    const auto exige = [&rompus](bool condition, const std::string& quoi) {
        if (!condition) rompus.push_back(quoi);
    };
    if (!actif_avant_ || reponse_ == 0) {
        exige(dialogues_ == (actif_avant_ ? 1 : 0), "a disabled command showed a dialog");
        exige(messages.empty(), "a cancelled dialog or a disabled command said something");
        exige(revues == revues_avant_, "the notebook changed with nothing imported");
        return;
    }
    if (!importe) {
        if (reponse_ == 1 && commence_par(messages, "La progression a été exportée dans ")) {
            export_complet_ = true;
            exercices_exportes_ = revues;
        }
        exige(reponse_ != 1 || export_complet_, "the export failed");
        exige(revues == revues_avant_, "an export changed the notebook");
        return;
    }
    exige(revues >= revues_avant_,
          "an import lowered the exercises of the notebook from " + std::to_string(revues_avant_)
              + " to " + std::to_string(revues));
    if (reponse_ == 2) {
        exige(commence_par(messages, "La progression de ") && revues == revues_avant_,
              "a file that is no progress was not refused, or changed the progress");
    } else if (export_complet_ && revues_avant_ == exercices_exportes_) {
        exige(commence_par(messages, "Rien de nouveau dans ") && revues == revues_avant_,
              "importing the notebook's own export added exercises");
    }
}

} // namespace tavik::fuzz
