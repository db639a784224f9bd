#include "library/source_biblio.h"
#include "library/verification.h"
#include "windows/main_window/plateau.h"

namespace tavik {

// A "biblio.csv" of another program in the working folder is passed over for the next place.
// "Jouer" re-reads the file that the first successful search chose, even when a file has
// since appeared at a place searched earlier; a search that found nothing is run again. The
// load says what was searched when nothing is found.
const std::optional<std::filesystem::path>& Plateau::trouve_biblio()
{
    if (fichier_biblio_) return fichier_biblio_;
    for (Candidat& c : candidats_) {
        if (c.endroit == Endroit::nomme) continue;
        c.present = services_.existe(c.chemin);
        if (c.present && c.endroit == Endroit::dossier_de_travail) {
            std::string octets, raison;
            c.present = services_.lit_fichier(c.chemin, octets, raison) && est_une_biblio(octets);
        }
    }
    fichier_biblio_ = choisit_biblio(candidats_);
    return fichier_biblio_;
}

} // namespace tavik
