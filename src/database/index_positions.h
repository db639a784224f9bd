#pragma once

#include "database/grandes_pages.h"
#include "database/partie_base.h"
#include "engine/disques.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tavik {

// How a long task reports how far it has gone and learns that it must stop.
struct Suivi
{
    std::function<void(double fraction)> avance; // from 0 to 1; may be empty
    const std::atomic<bool>* annule = nullptr; // may be null

    bool arrete() const { return annule && annule->load(std::memory_order_relaxed); }
    void signale(double fraction) const
    {
        if (avance) avance(fraction);
    }
};

// Every position that the games of the base go through, reduced over the eight symmetries
// (`reduit`), with the game and the move played from it: one sorted array of 12-byte entries,
// about 90 MB for 130,000 games followed to the end.
class IndexPositions
{
public:
    // Indexes the positions of each game up to move `profondeur` (the start is move 0).
    // Returns false, the index left empty, when the task was cancelled.
    bool construit(std::span<const PartieBase> parties, int profondeur, const Suivi& suivi = {});

    // The entries of a position, by digest; each holds the game, its result and the next move
    // seen in the reduced position.
    struct Entree
    {
        uint32_t haut = 0, bas = 0; // the digest of the reduced position, split for a packed entry
        uint32_t donnees = 0; // next move (7 bits, 64: none) | result (2 bits) | game (23 bits)

        uint64_t empreinte() const { return uint64_t {haut} << 32 | bas; }
        int suivant() const { return static_cast<int>(donnees >> 25); }
        Issue issue() const { return static_cast<Issue>(donnees >> 23 & 3); }
        uint32_t partie() const { return donnees & ((1u << 23) - 1); }
    };
    std::span<const Entree> entrees(uint64_t empreinte) const;

    std::size_t taille() const { return entrees_.size(); }
    int profondeur() const { return profondeur_; }
    static constexpr uint32_t parties_max = 1u << 23;

private:
    std::vector<Entree, AllocateurGrand<Entree>> entrees_;
    int profondeur_ = 0;
};

} // namespace tavik
