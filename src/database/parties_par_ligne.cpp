#include "database/parties_par_ligne.h"

#include "library/symetries.h"

namespace tavik {

std::vector<int> parties_au_bout(const IndexPositions& index,
                                 std::span<const std::vector<Case>> lignes)
{
    std::vector<int> parties;
    parties.reserve(lignes.size());
    for (const std::vector<Case>& ligne : lignes) {
        PositionJeu position;
        bool jouable = true;
        for (const Case c : ligne) jouable = jouable && position.joue(index_de(c));
        const uint64_t empreinte
            = reduit(position.disques, position.trait_effectif()).empreinte();
        parties.push_back(jouable ? static_cast<int>(index.entrees(empreinte).size()) : 0);
    }
    return parties;
}

} // namespace tavik
