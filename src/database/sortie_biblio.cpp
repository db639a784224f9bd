#include "database/sortie_biblio.h"

namespace tavik {

SortieBiblio sortie_biblio(const PartieBase& partie, const PositionsBiblio& biblio)
{
    SortieBiblio s;
    PositionJeu position, derniere;
    for (int k = 0; k < partie.nb_coups; ++k) {
        position.joue(partie.coups[static_cast<std::size_t>(k)]);
        if (const std::optional<int> ligne = biblio.ligne_nommant(position.disques, position.blanc_au_trait)) {
            s.coups_suivis = k + 1;
            s.ligne = *ligne;
            derniere = position;
        }
    }
    if (s.coups_suivis < partie.nb_coups) {
        s.coup_sorti = partie.coups[static_cast<std::size_t>(s.coups_suivis)];
        s.attendus = biblio.suivants(derniere.disques, derniere.blanc_au_trait);
    }
    return s;
}

} // namespace tavik
