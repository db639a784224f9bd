#include "training/retention.h"

#include <algorithm>
#include <cmath>

namespace tavik {

void Retention::ajoute(int palier, int jours, bool retenue)
{
    if (palier < 0 || palier >= paliers || jours < 1) return;
    Palier& p = paliers_[static_cast<std::size_t>(palier)];
    const double garde = 1.0 - 1.0 / reglages_.fenetre;
    p.revues = p.revues * garde + 1.0;
    p.retenues = p.retenues * garde + (retenue ? 1.0 : 0.0);
    p.jours = p.jours * garde + jours;
}

std::optional<double> Retention::observee(int palier) const
{
    if (palier < 0 || palier >= paliers) return std::nullopt;
    const Palier& p = paliers_[static_cast<std::size_t>(palier)];
    if (p.revues <= 0.0) return std::nullopt;
    return (p.retenues + reglages_.a_priori * reglages_.retention_voulue)
        / (p.revues + reglages_.a_priori);
}

std::optional<int> Retention::intervalle(int palier) const
{
    const std::optional<double> r = observee(palier);
    if (!r) return std::nullopt;
    const Palier& p = paliers_[static_cast<std::size_t>(palier)];
    const double moyen = p.jours / p.revues;
    // Every review recalled (possible only without a prior): as long as allowed.
    const double l = std::log(*r);
    const double modificateur = l >= 0.0
        ? reglages_.modificateur_max
        : std::min(reglages_.modificateur_max, std::log(reglages_.retention_voulue) / l);
    return std::max(1, static_cast<int>(std::lround(moyen * modificateur)));
}

Retention retention_de(std::span<const RevuePassee> historique, int qualite_retenue,
                       Retention::Reglages reglages)
{
    Retention retention(reglages);
    const RevuePassee* precedente = nullptr;
    int palier = 0;
    for (const RevuePassee& r : historique) {
        const bool meme_ligne = precedente && precedente->ligne == r.ligne;
        if (!meme_ligne) palier = 0;
        const bool espacee = meme_ligne && r.jour > precedente->jour;
        const bool retenue = r.qualite >= qualite_retenue;
        if (espacee) retention.ajoute(palier, r.jour - precedente->jour, retenue);
        if (!retenue)
            palier = 0;
        else if (!meme_ligne || espacee)
            ++palier;
        precedente = &r;
    }
    return retention;
}

} // namespace tavik
