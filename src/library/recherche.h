#pragma once

#include "library/biblio.h"
#include "record/liste_coups.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// The lines of the library that a game reaches. The game is given as its text in the
// library's orientation, as the lookup writes it: pairs glued, one space after each white
// move ("C4E3 F6" or "C4E3 "), in upper case.

// A line that goes on after the game: its row, its next move as written in the file (letter
// case kept, always a square) and whether the line ends with that move.
struct Continuation
{
    int ligne;
    std::string coup;
    bool finit_ici;
    friend bool operator==(const Continuation&, const Continuation&) = default;
};

struct Correspondances
{
    std::vector<int> exactes; // rows whose move text is the game exactly, in file order
    std::vector<Continuation> suivantes; // rows that continue it, in file order
};

// Rows 0 to nb - 1 are looked at; their move texts are compared in upper case, the game's
// trailing blank dropped. A line whose next move is not a square (a missing space, a stray
// character) continues nothing.
Correspondances cherche_dans(const Biblio& biblio, int nb, std::string_view jeu);

// The rows whose move text begins with `debut` (upper case, no trailing blank), in file order.
std::vector<int> lignes_commencant_par(const Biblio& biblio, int nb, std::string_view debut);

// The text of a game's moves as the lookup compares it: pairs glued, one space after each white
// move ("C4E3 F6" or "C4E3 "). A pass writes "-1-1", which no line holds.
std::string texte_de_jeu(std::span<const Emplacement> coups);

// The deepest library line that a game follows: of the beginnings of the game that are exactly
// a line, the longest, and of its rows the last in file order, as playing the game move by move
// leaves the library panel. Nothing when no beginning is a line. `coups` are the game's moves in
// the library's orientation, from the first; rows 0 to nb - 1 are looked at.
std::optional<int> ligne_suivie(const Biblio& biblio, int nb, std::span<const Emplacement> coups);

} // namespace tavik
