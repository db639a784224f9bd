#include "library/source_biblio.h"

#include "windows/main_window/plateau.h"

namespace tavik {

// "Jouer" re-reads the file that the first successful search chose, even when a file has
// since appeared at a place searched earlier; a search that found nothing is run again. The
// load says what was searched when nothing is found.
const std::optional<std::filesystem::path>& Plateau::trouve_biblio()
{
    if (fichier_biblio_) return fichier_biblio_;
    for (Candidat& c : candidats_)
        if (c.endroit != Endroit::nomme) c.present = services_.existe(c.chemin);
    fichier_biblio_ = choisit_biblio(candidats_);
    return fichier_biblio_;
}

} // namespace tavik
