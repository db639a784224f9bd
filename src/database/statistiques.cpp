#include "database/statistiques.h"

#include "library/symetries.h"

#include <algorithm>

namespace tavik {

namespace {

Reduction reduction_de(const Disques& disques, bool blanc_au_trait)
{
    return reduit(disques, PositionJeu {disques, blanc_au_trait}.trait_effectif());
}

} // namespace

void Resultats::compte(Issue issue)
{
    ++parties;
    switch (issue) {
    case Issue::noir: ++noir; break;
    case Issue::nul: ++nuls; break;
    case Issue::blanc: ++blanc; break;
    case Issue::inconnue: ++inconnues; break;
    }
}

double Resultats::pour_cent(Issue issue) const
{
    const int connues = parties - inconnues;
    if (connues == 0) return 0;
    const int n = issue == Issue::noir ? noir : issue == Issue::nul ? nuls : issue == Issue::blanc ? blanc : 0;
    return 100.0 * n / connues;
}

double Resultats::score(bool pour_blanc) const
{
    return pour_cent(pour_blanc ? Issue::blanc : Issue::noir) + pour_cent(Issue::nul) / 2;
}

Statistiques statistiques(const IndexPositions& index, const Disques& disques, bool blanc_au_trait)
{
    Statistiques s;
    const Reduction r = reduction_de(disques, blanc_au_trait);
    s.blanc_au_trait = (r.cle.occupes_et_trait & bit_de(27)) != 0;
    // The entries of a position are sorted by next move: one run per move.
    for (const IndexPositions::Entree& e : index.entrees(r.empreinte())) {
        s.bilan.compte(e.issue());
        if (e.suivant() == 64) continue;
        const int sur_plateau = r.depuis_reduite(e.suivant());
        if (s.suivants.empty() || s.suivants.back().index != sur_plateau)
            s.suivants.push_back({sur_plateau, {}});
        s.suivants.back().bilan.compte(e.issue());
    }
    std::stable_sort(s.suivants.begin(), s.suivants.end(), [](const CoupPlaye& a, const CoupPlaye& b) {
        return a.bilan.parties != b.bilan.parties ? a.bilan.parties > b.bilan.parties : a.index < b.index;
    });
    return s;
}

std::vector<uint32_t> parties_passant(const IndexPositions& index, const Disques& disques,
                                      bool blanc_au_trait, std::size_t nb_max)
{
    std::vector<uint32_t> parties;
    for (const IndexPositions::Entree& e : index.entrees(reduction_de(disques, blanc_au_trait).empreinte()))
        parties.push_back(e.partie());
    std::sort(parties.begin(), parties.end());
    if (parties.size() > nb_max) parties.resize(nb_max);
    return parties;
}

} // namespace tavik
