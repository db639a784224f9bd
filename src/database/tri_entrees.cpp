#include "database/tri_entrees.h"

#include <algorithm>
#include <array>

namespace tavik {

namespace {

using Entree = IndexPositions::Entree;

// Runs this short are sorted by insertion.
constexpr std::ptrdiff_t court = 32;
constexpr int nb_octets = 12;

constexpr auto avant = [](const Entree& a, const Entree& b) {
    if (a.haut != b.haut) return a.haut < b.haut;
    if (a.bas != b.bas) return a.bas < b.bas;
    return a.donnees < b.donnees;
};

// A byte of the key: the word that holds it and its shift.
struct Octet
{
    uint32_t Entree::*mot;
    int decalage;

    explicit Octet(int rang) // 0: the most significant byte of `haut`
        : mot(rang < 4       ? &Entree::haut
                  : rang < 8 ? &Entree::bas
                             : &Entree::donnees)
        , decalage(24 - 8 * (rang % 4))
    {
    }
    std::size_t operator()(const Entree& e) const { return e.*mot >> decalage & 0xFF; }
};

void par_insertion(Entree* debut, Entree* fin)
{
    for (Entree* i = debut + 1; i < fin; ++i) {
        const Entree e = *i;
        Entree* j = i;
        for (; j != debut && avant(e, j[-1]); --j) *j = j[-1];
        *j = e;
    }
}

void trie(Entree* debut, Entree* fin, int rang)
{
    for (; rang < nb_octets; ++rang) {
        if (fin - debut <= court) {
            par_insertion(debut, fin);
            return;
        }
        const Octet octet(rang);
        std::array<std::ptrdiff_t, 256> nombres {};
        for (const Entree* e = debut; e != fin; ++e) ++nombres[octet(*e)];
        // A byte that every entry shares orders nothing: go on to the next one. The positions
        // that every game goes through fill runs of this kind.
        if (nombres[octet(*debut)] == fin - debut) continue;
        // Each entry is carried to the part of its byte, cycle by cycle (in-place distribution).
        // The next entries of each part are fetched ahead: the parts of a large run are far
        // apart in memory.
        std::array<Entree*, 256> libres {}, bouts {};
        Entree* p = debut;
        for (std::size_t b = 0; b < 256; ++b) {
            libres[b] = p;
            p += nombres[b];
            bouts[b] = p;
        }
        for (std::size_t b = 0; b < 256; ++b) {
            while (libres[b] != bouts[b]) {
                Entree porte = *libres[b];
                for (std::size_t d = octet(porte); d != b; d = octet(porte)) {
                    __builtin_prefetch(libres[d] + 16);
                    std::swap(porte, *libres[d]++);
                }
                *libres[b]++ = porte;
            }
        }
        Entree* partie = debut;
        for (std::size_t b = 0; b < 256; ++b) {
            if (nombres[b] > 1) trie(partie, partie + nombres[b], rang + 1);
            partie += nombres[b];
        }
        return;
    }
}

} // namespace

void trie_entrees(std::span<Entree> entrees)
{
    trie(entrees.data(), entrees.data() + entrees.size(), 0);
}

} // namespace tavik
