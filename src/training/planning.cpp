#include "training/planning.h"

#include <algorithm>
#include <cstdint>
#include <limits>
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

int lignes_en_echec(std::span<const int> lignes, const Etats& etats, Jour jour)
{
    return static_cast<int>(std::count_if(lignes.begin(), lignes.end(), [&](int l) {
        const std::optional<EtatLigne>& e = etats[static_cast<std::size_t>(l)];
        return e && e->premiere_revue < jour && e->repetitions == 0;
    }));
}

namespace {

// Where a line stands for the choice: its rank (lower first; negative, left out) and its order
// within the rank; then the earliest due comes first and, at equal dates, the least easy, or
// the easiest with `faciles_d_abord`.
struct Place
{
    int rang;
    int ordre = 0;
    bool faciles_d_abord = false;
};

// Lines sorted by urgency: lower is sooner.
struct Urgence
{
    int rang;
    int ordre;
    Jour echeance;
    double facilite; // negated when the easiest come first
    int ligne;
    auto operator<=>(const Urgence&) const = default;
};

template <typename Classe>
int la_plus_urgente(std::span<const int> lignes, const Etats& etats, Classe classe)
{
    std::optional<Urgence> meilleure;
    for (const int l : lignes) {
        const std::optional<EtatLigne>& e = etats[static_cast<std::size_t>(l)];
        const Place p = classe(l, e);
        if (p.rang < 0) continue;
        const double facilite = e ? e->facilite : 0.0;
        const Urgence u {p.rang, p.ordre, e ? e->echeance : 0,
                         p.faciles_d_abord ? -facilite : facilite, l};
        if (!meilleure || u < *meilleure) meilleure = u;
    }
    return meilleure ? meilleure->ligne : -1;
}

// How far a due line has gone past its interval, relative to its length, in thousandths: the
// days since its last review over its interval, 1000 on its due day. Under exponential
// forgetting its recall has fallen to the wanted retention raised to that ratio, so the lower
// it is, the likelier the line is still known.
int depassement(const EtatLigne& e, Jour jour)
{
    const std::int64_t ecoules = std::int64_t {jour} - e.derniere_revue;
    return static_cast<int>(std::clamp<std::int64_t>(ecoules * 1000 / std::max(1, e.intervalle), 0,
                                                     std::numeric_limits<int>::max()));
}

// A new line's place among the new ones: its order when one is given, else the file's.
int ordre_de_nouvelle(int l, std::span<const int> ordre_nouvelles)
{
    const auto i = static_cast<std::size_t>(l);
    return i < ordre_nouvelles.size() ? ordre_nouvelles[i] : l;
}

} // namespace

Choix choisit_ligne(std::span<const int> lignes, const Etats& etats, const Contexte& x,
                    const ParametresSm2& p)
{
    const bool place_pour_nouvelles = nouvelles_du_jour(etats, x.jour) < x.nouvelles_par_jour
        && lignes_en_echec(lignes, etats, x.jour) < std::max(1, x.nouvelles_par_jour / 2);
    // How many exercises ago the line was last trained in this session, or -1.
    const auto anciennete = [&](int l) {
        const auto r = std::find(x.recentes.rbegin(), x.recentes.rend(), l);
        return r == x.recentes.rend() ? -1 : static_cast<int>(r - x.recentes.rbegin());
    };
    // 0 relearning due, 1 due, 2 new, 3 relearning too soon; -1 left out.
    const auto classe = [&](int l, const std::optional<EtatLigne>& e) -> Place {
        switch (categorie(e, x.jour, p)) {
        case Categorie::due:
            return {1, depassement(*e, x.jour), true};
        case Categorie::nouvelle:
            return {place_pour_nouvelles ? 2 : -1, ordre_de_nouvelle(l, x.ordre_nouvelles)};
        case Categorie::en_apprentissage: {
            const int a = anciennete(l);
            // Never trained in this session: failed in an earlier one today, its step has come.
            if (a < 0 || a >= ecart_reprise) return {0, -a};
            return {3, -a};
        }
        case Categorie::connue:
            return {-1, 0};
        }
        return {-1, 0};
    };
    const int l = la_plus_urgente(lignes, etats, classe);
    if (l < 0) return {};
    switch (categorie(etats[static_cast<std::size_t>(l)], x.jour, p)) {
    case Categorie::due:
        return {l, Motif::revision};
    case Categorie::nouvelle:
        return {l, Motif::nouvelle};
    default:
        return {l, Motif::reprise};
    }
}

int plus_pressante(std::span<const int> lignes, const Etats& etats, Jour jour,
                   const ParametresSm2& p, std::span<const int> ordre_nouvelles)
{
    return la_plus_urgente(lignes, etats, [&](int l, const std::optional<EtatLigne>& e) {
        switch (categorie(e, jour, p)) {
        case Categorie::due:
            return Place {0};
        case Categorie::en_apprentissage:
            return Place {1};
        case Categorie::nouvelle:
            return Place {2, ordre_de_nouvelle(l, ordre_nouvelles)};
        case Categorie::connue:
            return Place {3};
        }
        return Place {3};
    });
}

} // namespace tavik
