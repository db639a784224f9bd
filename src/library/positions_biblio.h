#pragma once

#include "engine/disques.h"
#include "library/biblio.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavik {

// The library looked up by position rather than by move text: every position that a line goes
// through, reduced over the eight symmetries (`reduit`), so that a position reached by other
// moves, or in another orientation, finds the lines that reach it.
class PositionsBiblio
{
public:
    // Indexes rows 0 to nb - 1; rows whose move text cannot be played are left out.
    void construit(const Biblio& biblio, int nb);

    // The row that names the position: the first row (in file order) whose line ends there,
    // else the first whose line goes through it; nothing when no line reaches it.
    std::optional<int> ligne_nommant(const Disques& disques, bool blanc_au_trait) const;

    // A move of the library from the position, on the board as it stands, and the row that
    // names the position after it.
    struct CoupBiblio
    {
        int index;
        int ligne;
        friend bool operator==(const CoupBiblio&, const CoupBiblio&) = default;
    };
    std::vector<CoupBiblio> suivants(const Disques& disques, bool blanc_au_trait) const;

    bool vide() const { return passages_.empty(); }

private:
    struct Passage
    {
        uint64_t empreinte;
        int ligne;
        int8_t suivant; // the next move in the reduced position; 64 where the line ends
    };
    std::vector<Passage> passages_; // sorted by digest, then row
};

} // namespace tavik
