#include "library/recherche.h"

#include "engine/grille.h"
#include "library/texte.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace tavik {

void Biblio::indexe(int nb)
{
    const auto n = static_cast<std::size_t>(nb);
    index.cles.resize(n);
    for (int r = 0; r < nb; ++r) index.cles[r] = majuscules(lignes[r][col_coups]);
    index.ordre.resize(n);
    std::iota(index.ordre.begin(), index.ordre.end(), 0);
    std::stable_sort(index.ordre.begin(), index.ordre.end(),
                     [this](int a, int b) { return index.cles[a] < index.cles[b]; });
    index.rang.resize(n);
    for (int i = 0; i < nb; ++i) index.rang[index.ordre[i]] = i;
}

namespace {

// A range of `ordre` given back in row order. A short range is sorted; a long one is read off
// the rows' places, one pass over the library without comparisons that branch.
std::vector<int> en_ordre_du_fichier(const IndexCoups& index, int debut, int fin)
{
    const int n = fin - debut;
    std::vector<int> lignes;
    lignes.reserve(static_cast<std::size_t>(n));
    if (n * 16 < static_cast<int>(index.rang.size())) {
        lignes.assign(index.ordre.begin() + debut, index.ordre.begin() + fin);
        std::sort(lignes.begin(), lignes.end());
        return lignes;
    }
    const auto premier = static_cast<unsigned>(debut);
    const auto nombre = static_cast<unsigned>(n);
    for (int r = 0; r < static_cast<int>(index.rang.size()); ++r)
        if (static_cast<unsigned>(index.rang[r]) - premier < nombre) lignes.push_back(r);
    return lignes;
}

} // namespace

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
    return en_ordre_du_fichier(index, static_cast<int>(premier - index.ordre.begin()),
                               static_cast<int>(dernier - index.ordre.begin()));
}

namespace {

// The move that follows the game in a library line: the text after the game's own length,
// leading blanks skipped, first two characters, letter case as written.
std::string_view prochain_coup(std::string_view coups, std::size_t longueur_jeu)
{
    if (longueur_jeu >= coups.size()) return {};
    std::string_view reste = coups.substr(longueur_jeu);
    reste.remove_prefix(std::min(reste.find_first_not_of(' '), reste.size()));
    return reste.substr(0, 2);
}

} // namespace

Correspondances cherche_dans(const Biblio& biblio, int nb, std::string_view jeu)
{
    Correspondances resultat;
    const std::string_view cle = sans_blancs_finaux(jeu);
    const std::vector<int> lignes = lignes_commencant_par(biblio, nb, cle);
    resultat.suivantes.reserve(lignes.size());
    for (const int r : lignes) {
        const std::string& m = biblio.index.cles[r];
        if (m.size() == cle.size()) {
            resultat.exactes.push_back(r);
            continue;
        }
        const std::string_view coup = prochain_coup(biblio.lignes[r][col_coups], jeu.size());
        Case c;
        if (!lit_case(coup, c)) continue;
        // The line ends with this move when nothing but the move follows the game.
        const bool finit_ici = m.size() == jeu.size() + 2 && m.starts_with(jeu)
            && egal_en_majuscules(coup, std::string_view(m).substr(jeu.size()));
        resultat.suivantes.push_back({r, std::string(coup), finit_ici});
    }
    return resultat;
}

std::string texte_de_jeu(std::span<const Emplacement> coups)
{
    std::string jeu;
    jeu.reserve(3 * coups.size());
    for (std::size_t k = 0; k < coups.size(); ++k) {
        jeu += coups[k].texte();
        if (k % 2 == 1) jeu += ' ';
    }
    return jeu;
}

std::optional<int> ligne_suivie(const Biblio& biblio, int nb, std::span<const Emplacement> coups)
{
    const IndexCoups& index = biblio.index;
    assert(static_cast<int>(index.cles.size()) == nb);
    (void)nb;
    const auto avant = [&](int r, std::string_view cle) { return index.cles[r] < cle; };
    const auto apres = [&](std::string_view cle, int r) { return cle < index.cles[r]; };
    // The longest beginning first; equal keys sort in row order, so the last of a range is the
    // last row in file order.
    for (std::size_t n = coups.size(); n > 0; --n) {
        const std::string cle(sans_blancs_finaux(majuscules(texte_de_jeu(coups.first(n)))));
        const auto premier = std::lower_bound(index.ordre.begin(), index.ordre.end(), cle, avant);
        const auto dernier = std::upper_bound(premier, index.ordre.end(), cle, apres);
        if (premier != dernier) return *(dernier - 1);
    }
    return std::nullopt;
}

} // namespace tavik
