#include "training/items.h"

#include "library/cle_ligne.h"
#include "library/codes.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace tavik {

bool evaluation_defavorable(const std::string& bilan, int16_t couleur)
{
    static const TableCommentaires table = table_commentaires();
    // A clear advantage to the opponent, or a big disadvantage to the colour; the slight
    // advantages ("+=") are playable and stay in their place.
    const auto codes
        = couleur == noir ? std::array {"b+", "b++", "n--"} : std::array {"n+", "n++", "b--"};
    return std::any_of(codes.begin(), codes.end(), [&](const char* code) {
        return bilan == code || bilan == conv_abrev(table, code);
    });
}

ItemsCouleur items_de(const Repertoire& rep, int16_t couleur)
{
    // The rows by their common form, for the names and evaluations on the items' way.
    std::map<std::string, std::vector<int>> rangees;
    for (int r = 0; r < static_cast<int>(rep.rangees.size()); ++r)
        rangees[cle_de_ligne(rep.rangees[r].forme)].push_back(r);

    ItemsCouleur resultat;
    resultat.de_ligne.assign(rep.lignes.size(), -1);
    std::map<std::string, int> par_cle;
    for (int l = 0; l < static_cast<int>(rep.lignes.size()); ++l) {
        const std::vector<Case>& coups = rep.lignes[l].coups;
        // Black plays moves 1, 3, 5...; white 2, 4, 6...: the longest beginning that ends on one.
        std::size_t n = coups.size();
        if (n > 0 && (n % 2 == 1) != (couleur == noir)) --n;
        // Black's first move is never wrong (the four are one): a line where black has no
        // other move teaches black nothing.
        if (n == 0 || (couleur == noir && n == 1)) continue;
        const std::vector<Case> debut(coups.begin(), coups.begin() + static_cast<long>(n));
        std::string cle = cle_de_ligne(debut);
        const auto [it, nouveau] = par_cle.emplace(cle, static_cast<int>(resultat.items.size()));
        if (nouveau) {
            ItemRepertoire item {std::move(cle), debut, {}, rep.nom(l), false};
            for (std::size_t k = 1; k <= n; ++k) {
                const auto trouvees = rangees.find(cle_de_ligne(std::span(debut).first(k)));
                if (trouvees == rangees.end()) continue;
                for (const int r : trouvees->second)
                    item.defavorable
                        = item.defavorable || evaluation_defavorable(rep.rangees[r].bilan, couleur);
                if (k == n) item.nom = rep.rangees[trouvees->second.front()].nom;
            }
            resultat.items.push_back(std::move(item));
        }
        resultat.items[it->second].lignes.push_back(l);
        resultat.de_ligne[l] = it->second;
    }
    return resultat;
}

namespace {

// The items in the order given, each preceded by the items that it goes on from and that have
// not come yet, the shorter first: a position more played than its parent (reached by other
// moves too) still comes after it.
std::vector<int> parents_d_abord(const ItemsCouleur& items, const std::vector<int>& tries)
{
    std::map<std::string, int> par_cle;
    for (int i = 0; i < static_cast<int>(items.items.size()); ++i)
        par_cle.emplace(items.items[static_cast<std::size_t>(i)].cle, i);
    std::vector<bool> place(items.items.size());
    std::vector<int> ordonnes;
    const auto pose = [&](int i) {
        if (place[static_cast<std::size_t>(i)]) return;
        place[static_cast<std::size_t>(i)] = true;
        ordonnes.push_back(i);
    };
    for (const int i : tries) {
        const std::vector<Case>& coups = items.items[static_cast<std::size_t>(i)].coups;
        for (std::size_t k = 1; k < coups.size(); ++k)
            if (const auto p = par_cle.find(cle_de_ligne(std::span(coups).first(k)));
                p != par_cle.end())
                pose(p->second);
        pose(i);
    }
    return ordonnes;
}

} // namespace

std::vector<int> items_des_lignes(const ItemsCouleur& items, std::span<const int> lignes)
{
    std::vector<int> resultat;
    std::vector<bool> vu(items.items.size());
    for (const int l : lignes) {
        const int i = items.de_ligne[static_cast<std::size_t>(l)];
        if (i >= 0 && !vu[static_cast<std::size_t>(i)]) {
            vu[static_cast<std::size_t>(i)] = true;
            resultat.push_back(i);
        }
    }
    return resultat;
}

std::vector<int> ordre_des_nouveaux(const ItemsCouleur& items, bool defavorables_a_la_fin,
                                    std::span<const int> parties)
{
    const auto jouees = [&](int i) {
        return static_cast<std::size_t>(i) < parties.size() ? parties[static_cast<std::size_t>(i)]
                                                            : 0;
    };
    const auto rang = [&](int i) {
        const ItemRepertoire& item = items.items[static_cast<std::size_t>(i)];
        // An item's beginnings are shorter, and a row bad on them is on its own way too: the
        // order keeps an item after those it goes on from, unless games rank it higher.
        return std::tuple(defavorables_a_la_fin && item.defavorable, -jouees(i),
                          item.coups.size(), i);
    };
    std::vector<int> tries(items.items.size());
    std::iota(tries.begin(), tries.end(), 0);
    std::sort(tries.begin(), tries.end(), [&](int a, int b) { return rang(a) < rang(b); });
    const std::vector<int> ordonnes = parties.empty() ? tries : parents_d_abord(items, tries);
    std::vector<int> ordre(items.items.size());
    for (int k = 0; k < static_cast<int>(ordonnes.size()); ++k)
        ordre[static_cast<std::size_t>(ordonnes[static_cast<std::size_t>(k)])] = k;
    return ordre;
}

} // namespace tavik
