#include "library/recherche.h"

#include "engine/grille.h"
#include "library/texte.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace tavik {

void Biblio::indexe(int nb)
{
    index.cles.resize(static_cast<std::size_t>(nb));
    for (int r = 0; r < nb; ++r) index.cles[r] = majuscules(lignes[r][col_coups]);
    index.ordre.resize(static_cast<std::size_t>(nb));
    std::iota(index.ordre.begin(), index.ordre.end(), 0);
    std::stable_sort(index.ordre.begin(), index.ordre.end(),
                     [this](int a, int b) { return index.cles[a] < index.cles[b]; });
}

std::vector<int> lignes_commencant_par(const Biblio& biblio, int nb, std::string_view debut)
{
    const IndexCoups& index = biblio.index;
    assert(static_cast<int>(index.cles.size()) == nb);
    (void)nb;
    // Every key that begins with `debut` sorts after `debut` and before any key that differs
    // from it within its length.
    const auto cle = [&](int r) { return std::string_view(index.cles[r]); };
    const auto premier = std::lower_bound(index.ordre.begin(), index.ordre.end(), debut,
                                          [&](int r, std::string_view d) { return cle(r) < d; });
    const auto dernier
        = std::upper_bound(premier, index.ordre.end(), debut, [&](std::string_view d, int r) {
              return d < cle(r).substr(0, d.size());
          });
    std::vector<int> lignes(premier, dernier);
    std::sort(lignes.begin(), lignes.end());
    return lignes;
}

namespace {

// The move that follows the game in a library line: the text after the game's own length,
// leading blanks skipped, first two characters, letter case as written.
std::string prochain_coup(std::string_view coups, std::size_t longueur_jeu)
{
    if (longueur_jeu >= coups.size()) return {};
    std::string_view reste = coups.substr(longueur_jeu);
    reste.remove_prefix(std::min(reste.find_first_not_of(' '), reste.size()));
    return std::string(reste.substr(0, 2));
}

} // namespace

Correspondances cherche_dans(const Biblio& biblio, int nb, std::string_view jeu)
{
    Correspondances resultat;
    const std::string_view cle = sans_blancs_finaux(jeu);
    for (const int r : lignes_commencant_par(biblio, nb, cle)) {
        const std::string& m = biblio.index.cles[r];
        if (m.size() == cle.size()) {
            resultat.exactes.push_back(r);
            continue;
        }
        std::string coup = prochain_coup(biblio.lignes[r][col_coups], jeu.size());
        Case c;
        if (!lit_case(coup, c)) continue;
        // The line ends with this move when nothing but the move follows the game.
        const bool finit_ici = m.size() == jeu.size() + 2 && m.starts_with(jeu)
            && std::string_view(m).substr(jeu.size()) == majuscules(coup);
        resultat.suivantes.push_back({r, std::move(coup), finit_ici});
    }
    return resultat;
}

} // namespace tavik
