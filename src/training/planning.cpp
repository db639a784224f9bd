#include "training/planning.h"

#include <algorithm>
#include <tuple>

namespace tavik {

Categorie categorie(const std::optional<EtatLigne>& etat, Jour jour, const ParametresSm2& p)
{
    if (!etat) return Categorie::nouvelle;
    if (etat->echeance <= jour) return Categorie::due;
    if (etat->derniere_qualite < p.qualite_sure) return Categorie::en_apprentissage;
    return Categorie::connue;
}

int nouvelles_du_jour(const Etats& etats, Jour jour)
{
    return static_cast<int>(std::count_if(etats.begin(), etats.end(), [jour](const auto& e) {
        return e && e->premiere_revue == jour;
    }));
}

namespace {

// Lines sorted by urgency: lower is sooner. `rang` orders the categories, the rest breaks ties.
struct Urgence
{
    int rang;
    Jour echeance;
    double facilite;
    int ligne;
    auto operator<=>(const Urgence&) const = default;
};

template <typename Rang>
int la_plus_urgente(std::span<const int> lignes, const Etats& etats, Rang rang)
{
    std::optional<Urgence> meilleure;
    for (const int l : lignes) {
        const std::optional<EtatLigne>& e = etats[static_cast<std::size_t>(l)];
        const int r = rang(l, e);
        if (r < 0) continue;
        const Urgence u {r, e ? e->echeance : 0, e ? e->facilite : 0.0, l};
        if (!meilleure || u < *meilleure) meilleure = u;
    }
    return meilleure ? meilleure->ligne : -1;
}

} // namespace

Choix choisit_ligne(std::span<const int> lignes, const Etats& etats, Jour jour,
                    int nouvelles_par_jour, int precedente, const ParametresSm2& p)
{
    const bool place_pour_nouvelles = nouvelles_du_jour(etats, jour) < nouvelles_par_jour;
    // 0 due, 1 new, 2 failed today, 3 the one just failed; -1 left out.
    const auto rang = [&](int l, const std::optional<EtatLigne>& e) {
        switch (categorie(e, jour, p)) {
        case Categorie::due:
            return 0;
        case Categorie::nouvelle:
            return place_pour_nouvelles ? 1 : -1;
        case Categorie::en_apprentissage:
            return l == precedente ? 3 : 2;
        case Categorie::connue:
            return -1;
        }
        return -1;
    };
    const int l = la_plus_urgente(lignes, etats, rang);
    if (l < 0) return {};
    switch (categorie(etats[static_cast<std::size_t>(l)], jour, p)) {
    case Categorie::due:
        return {l, Motif::revision};
    case Categorie::nouvelle:
        return {l, Motif::nouvelle};
    default:
        return {l, Motif::reprise};
    }
}

int plus_pressante(std::span<const int> lignes, const Etats& etats, Jour jour,
                   const ParametresSm2& p)
{
    return la_plus_urgente(lignes, etats, [&](int, const std::optional<EtatLigne>& e) {
        switch (categorie(e, jour, p)) {
        case Categorie::due:
            return 0;
        case Categorie::en_apprentissage:
            return 1;
        case Categorie::nouvelle:
            return 2;
        case Categorie::connue:
            return 3;
        }
        return 3;
    });
}

} // namespace tavik
