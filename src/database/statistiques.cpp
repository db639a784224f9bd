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

void Resultats::compte(Issue issue, int nombre)
{
    parties += nombre;
    switch (issue) {
    case Issue::noir: noir += nombre; break;
    case Issue::nul: nuls += nombre; break;
    case Issue::blanc: blanc += nombre; break;
    case Issue::inconnue: inconnues += nombre; break;
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
    // The entries of a position are sorted by next move, then result: each run is counted
    // from its ends, found by halving, so that the start's hundred thousand games cost a few
    // hundred steps.
    const std::span<const IndexPositions::Entree> plage = index.entrees(r.empreinte());
    for (auto debut = plage.begin(); debut != plage.end();) {
        const uint32_t groupe = debut->donnees >> 23;
        const auto fin = std::upper_bound(debut, plage.end(), groupe,
                                          [](uint32_t g, const IndexPositions::Entree& e) {
                                              return g < e.donnees >> 23;
                                          });
        const int nombre = static_cast<int>(fin - debut);
        s.bilan.compte(debut->issue(), nombre);
        if (debut->suivant() != 64) {
            const int sur_plateau = r.depuis_reduite(debut->suivant());
            if (s.suivants.empty() || s.suivants.back().index != sur_plateau)
                s.suivants.push_back({sur_plateau, {}});
            s.suivants.back().bilan.compte(debut->issue(), nombre);
        }
        debut = fin;
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
