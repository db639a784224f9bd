#include "training/sm2.h"

#include <algorithm>
#include <cmath>

namespace tavik {

int qualite_selon(int erreurs, const ParametresSm2& p)
{
    const int dernier = static_cast<int>(p.qualite_selon_erreurs.size()) - 1;
    return p.qualite_selon_erreurs[static_cast<std::size_t>(std::clamp(erreurs, 0, dernier))];
}

namespace {

// SM-2's step for a recalled line: the next interval, then the easiness from the grade.
void retenue(EtatLigne& e, int qualite, const ParametresSm2& p)
{
    const int ecart = 5 - qualite;
    e.facilite = std::max(p.facilite_minimale, e.facilite + 0.1 - ecart * (0.08 + ecart * 0.02));
    if (e.repetitions == 0)
        e.intervalle = p.premier_intervalle;
    else if (e.repetitions == 1)
        e.intervalle = p.deuxieme_intervalle;
    else
        // Rounded up, but 10 x 1.3 is 13 days, not the 14 that the binary 1.3 would give.
        e.intervalle = static_cast<int>(std::ceil(e.intervalle * e.facilite - 1e-9));
    ++e.repetitions;
}

} // namespace

EtatLigne apres_revue(const EtatLigne* avant, int erreurs, Jour jour, const ParametresSm2& p)
{
    const int qualite = qualite_selon(erreurs, p);
    EtatLigne e;
    if (avant) {
        e = *avant;
    } else {
        e.facilite = p.facilite_initiale;
        e.premiere_revue = jour;
    }
    const bool reussie = qualite >= p.qualite_retenue;
    const bool en_avance = avant && jour < avant->echeance;
    if (!reussie) {
        e.repetitions = 0;
        e.intervalle = p.premier_intervalle;
    } else if (!en_avance) {
        retenue(e, qualite, p);
    }
    if (!reussie || !en_avance) e.echeance = jour + e.intervalle;
    e.derniere_revue = jour;
    e.derniere_qualite = qualite;
    ++e.revues;
    if (erreurs > 0) ++e.echecs;
    return e;
}

} // namespace tavik
