// The progress page's commands on the notebook itself: exporting the progress to a file of the
// learner's choice, and merging one into the notebook.

#include "record/typographie.h"
#include "windows/drill/entrainement.h"

namespace tavik {

namespace {

std::string nombre(int n, const char* un, const char* plusieurs)
{
    return std::to_string(n) + " " + (n > 1 ? plusieurs : un);
}

} // namespace

// The copy is whole even while another copy of the program trains; a file chosen that exists
// is replaced only once the copy is complete.
void Entrainement::CmdExporter_Click()
{
    if (!carnet_ || !CmdExporter.actif) return;
    const std::string jour = horodatage_local(services_.maintenant().secondes).substr(0, 8);
    const std::optional<std::filesystem::path> vers = services_.choisit_fichier(
        {"Exporter la progression", "progression-tavik-" + jour + ".sqlite", true});
    if (!vers) return;
    std::string raison;
    if (carnet_->exporte(*vers, raison))
        services_.message("La progression a été exportée dans " + guillemets(vers->string()) + ".");
    else
        services_.message("La progression n'a pas pu être exportée dans "
                          + guillemets(vers->string()) + " (" + raison + ").");
}

// The exercises that the notebook lacks are added; a file refused changes nothing. Not during
// a session, which builds on the states it read.
void Entrainement::CmdImporter_Click()
{
    if (!carnet_ || !CmdImporter.actif) return;
    if (carnet_->lecture_seule()) {
        services_.message(
            "Le fichier d'entraînement ne peut être que lu\u00a0: aucune progression ne "
            "peut y être importée.");
        return;
    }
    const std::optional<std::filesystem::path> depuis
        = services_.choisit_fichier({"Importer une progression", {}, false});
    if (!depuis) return;
    std::string raison;
    const std::optional<BilanImport> bilan = carnet_->importe(*depuis, raison);
    if (!bilan) {
        services_.message("La progression de " + guillemets(depuis->string())
                          + " n'a pas pu être importée (" + raison
                          + ")\u00a0: rien n'a été changé.");
        return;
    }
    actualise_progres();
    if (bilan->exercices == 0)
        services_.message("Rien de nouveau dans " + guillemets(depuis->string())
                          + "\u00a0: chacun de ses exercices est déjà dans la progression.");
    else
        services_.message(nombre(bilan->exercices, "exercice", "exercices") + ", sur "
                          + nombre(bilan->lignes, "ligne", "lignes")
                          + (bilan->exercices > 1 ? ", ajoutés" : ", ajouté")
                          + " à la progression depuis " + guillemets(depuis->string()) + ".");
}

} // namespace tavik
