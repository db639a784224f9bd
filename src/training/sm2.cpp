#include "training/sm2.h"

#include <algorithm>
#include <cmath>

namespace tavik {

int qualite_selon(int erreurs, const ParametresSm2& p, int hesitations)
{
    const int dernier = static_cast<int>(p.qualite_selon_erreurs.size()) - 1;
    const int qualite
        = p.qualite_selon_erreurs[static_cast<std::size_t>(std::clamp(erreurs, 0, dernier))];
    if (erreurs > 0) return qualite;
    return std::max(p.qualite_retenue, qualite - std::max(hesitations, 0));
}

namespace {

// SM-2's easiness after a review graded `qualite`.
double facilite_apres(double facilite, int qualite, const ParametresSm2& p)
{
    const int ecart = 5 - qualite;
    return std::max(p.facilite_minimale, facilite + 0.1 - ecart * (0.08 + ecart * 0.02));
}

// SM-2's step for a recalled line: the next interval from the new easiness, shortened to the
// one that the learner's retention at the line's next step gives.
void retenue(EtatLigne& e, const ParametresSm2& p, const Retention* retention)
{
    int sm2 = p.premier_intervalle;
    if (e.repetitions == 1)
        sm2 = p.deuxieme_intervalle;
    else if (e.repetitions > 1)
        // Rounded up, but 10 x 1.3 is 13 days, not the 14 that the binary 1.3 would give.
        sm2 = static_cast<int>(std::ceil(e.intervalle * e.facilite - 1e-9));
    const std::optional<int> observe
        = retention ? retention->intervalle(e.repetitions + 1) : std::nullopt;
    e.intervalle = observe ? std::min(*observe, sm2) : sm2;
    ++e.repetitions;
}

} // namespace

EtatLigne apres_revue(const EtatLigne* avant, int erreurs, Jour jour, const ParametresSm2& p,
                      const Retention* retention)
{
    return apres_revue_notee(avant, qualite_selon(erreurs, p), jour, p, retention);
}

EtatLigne apres_revue_notee(const EtatLigne* avant, int qualite, Jour jour, const ParametresSm2& p,
                            const Retention* retention)
{
    EtatLigne e;
    if (avant) {
        e = *avant;
    } else {
        e.facilite = p.facilite_initiale;
        e.premiere_revue = jour;
    }
    const bool reussie = qualite >= p.qualite_retenue;
    const bool en_avance = avant && jour < avant->echeance;
    // A review on or after its day moves the easiness, and so does a lapse of a line recalled
    // at its last review; a new line missed at first sight and the same-day repetitions of a
    // line not yet found again change nothing in the easiness, nor, when they succeed, in the
    // schedule.
    const bool oubli = !reussie && avant && avant->derniere_qualite >= p.qualite_retenue;
    if (avant ? !en_avance || oubli : reussie) e.facilite = facilite_apres(e.facilite, qualite, p);
    if (!reussie) {
        e.repetitions = 0;
        e.intervalle = p.premier_intervalle;
    } else if (!en_avance) {
        retenue(e, p, retention);
    }
    if (!reussie || !en_avance) e.echeance = jour + e.intervalle;
    e.derniere_revue = jour;
    e.derniere_qualite = qualite;
    ++e.revues;
    if (!reussie) ++e.echecs;
    return e;
}

} // namespace tavik
