#include "database/index_positions.h"

#include "database/tri_entrees.h"
#include "library/symetries.h"

#include <algorithm>

namespace tavik {

namespace {

IndexPositions::Entree entree(const Reduction& r, int suivant, Issue issue, uint32_t partie)
{
    const uint64_t e = r.empreinte();
    const int s = suivant < 0 ? 64 : r.vers_reduite(suivant);
    return {static_cast<uint32_t>(e >> 32), static_cast<uint32_t>(e),
            static_cast<uint32_t>(s) << 25 | static_cast<uint32_t>(issue) << 23 | partie};
}

} // namespace

bool IndexPositions::construit(std::span<const PartieBase> parties, int profondeur,
                               const Suivi& suivi)
{
    entrees_.clear();
    profondeur_ = std::clamp(profondeur, 0, 60);
    const std::size_t nb = std::min<std::size_t>(parties.size(), parties_max);
    std::size_t total = 0;
    for (std::size_t i = 0; i < nb; ++i)
        total += std::min<std::size_t>(parties[i].nb_coups, profondeur_) + 1;
    entrees_.reserve(total);
    for (std::size_t i = 0; i < nb; ++i) {
        if (i % 1024 == 0) {
            if (suivi.arrete()) return (entrees_ = {}, false);
            suivi.signale(0.8 * static_cast<double>(i) / static_cast<double>(nb));
        }
        const PartieBase& p = parties[i];
        const Issue issue = p.issue();
        const auto numero = static_cast<uint32_t>(i);
        PositionJeu position;
        const int fin = std::min<int>(p.nb_coups, profondeur_);
        for (int k = 0; k <= fin; ++k) {
            if (k == p.nb_coups) {
                entrees_.push_back(
                    entree(reduit(position.disques, position.trait_effectif()), -1, issue, numero));
                break;
            }
            // The side that plays the move is the side to move of the position before it.
            const Disques avant_coup = position.disques;
            const int coup = p.coups[static_cast<std::size_t>(k)];
            position.joue(coup);
            entrees_.push_back(
                entree(reduit(avant_coup, !position.blanc_au_trait), coup, issue, numero));
        }
    }
    if (suivi.arrete()) return (entrees_ = {}, false);
    suivi.signale(0.8);
    trie_entrees(entrees_);
    suivi.signale(1.0);
    return true;
}

std::span<const IndexPositions::Entree> IndexPositions::entrees(uint64_t empreinte) const
{
    const Entree cle {static_cast<uint32_t>(empreinte >> 32), static_cast<uint32_t>(empreinte), 0};
    const auto [debut, fin] = std::equal_range(
        entrees_.begin(), entrees_.end(), cle, [](const Entree& a, const Entree& b) {
            return a.haut != b.haut ? a.haut < b.haut : a.bas < b.bas;
        });
    return {debut, fin};
}

} // namespace tavik
