#include "library/positions_biblio.h"

#include "library/cle_ligne.h"
#include "library/ligne_coups.h"
#include "library/symetries.h"

#include <algorithm>

namespace tavik {

namespace {

Reduction reduction_de(const PositionJeu& p)
{
    return reduit(p.disques, p.trait_effectif());
}

} // namespace

void PositionsBiblio::construit(const Biblio& biblio, int nb)
{
    passages_.clear();
    for (int ligne = 0; ligne < nb; ++ligne) {
        const std::string& coups = biblio.lignes[static_cast<std::size_t>(ligne)][col_coups];
        if (coups_sans_espaces(coups).empty() || defaut_de_ligne(coups)) continue;
        PositionJeu position;
        for (const Case c : cases_de_ligne(coups)) {
            const Reduction r = reduction_de(position);
            passages_.push_back({r.empreinte(), ligne, static_cast<int8_t>(r.vers_reduite(index_de(c)))});
            position.joue(index_de(c));
        }
        passages_.push_back({reduction_de(position).empreinte(), ligne, 64});
    }
    std::sort(passages_.begin(), passages_.end(), [](const Passage& a, const Passage& b) {
        return a.empreinte != b.empreinte ? a.empreinte < b.empreinte : a.ligne < b.ligne;
    });
}

std::optional<int> PositionsBiblio::ligne_nommant(const Disques& disques, bool blanc_au_trait) const
{
    const uint64_t e = reduction_de(PositionJeu {disques, blanc_au_trait}).empreinte();
    const auto debut = std::lower_bound(passages_.begin(), passages_.end(), e,
                                        [](const Passage& p, uint64_t v) { return p.empreinte < v; });
    std::optional<int> premiere;
    for (auto i = debut; i != passages_.end() && i->empreinte == e; ++i) {
        if (i->suivant == 64) return i->ligne;
        if (!premiere) premiere = i->ligne;
    }
    return premiere;
}

std::vector<PositionsBiblio::CoupBiblio> PositionsBiblio::suivants(const Disques& disques,
                                                                   bool blanc_au_trait) const
{
    const PositionJeu position {disques, blanc_au_trait};
    const Reduction r = reduction_de(position);
    const uint64_t e = r.empreinte();
    std::vector<CoupBiblio> coups;
    auto i = std::lower_bound(passages_.begin(), passages_.end(), e,
                              [](const Passage& p, uint64_t v) { return p.empreinte < v; });
    for (; i != passages_.end() && i->empreinte == e; ++i) {
        if (i->suivant == 64) continue;
        const int index = r.depuis_reduite(i->suivant);
        if (std::any_of(coups.begin(), coups.end(), [&](const CoupBiblio& c) { return c.index == index; }))
            continue;
        PositionJeu apres = position;
        apres.joue(index);
        coups.push_back({index, ligne_nommant(apres.disques, apres.blanc_au_trait).value_or(i->ligne)});
    }
    return coups;
}

} // namespace tavik
