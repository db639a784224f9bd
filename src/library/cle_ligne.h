#pragma once

#include "engine/grille.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// A library line as the lookup of the main window sees it. The lookup compares the upper-case
// move text of a line with the key of the game on the board: its moves in the library's
// orientation (black's first move on C4), the two moves of each pair glued, one space between
// pairs, no blank at either end ("C4E3 F6E6 F5").

// The squares of a move text that `defaut_de_ligne` accepts, spaces left out.
std::vector<Case> cases_de_ligne(std::string_view coups);

// The moves written as a key: "C4E3 F6E6 F5".
std::string cle_de_ligne(std::span<const Case> coups);

// Why no game can ever have a move text as its key, or nothing when the game of its moves has
// it: a first move other than C4, or blanks where the key has none or lacks one. Letter case
// does not matter. `coups` is a text that `defaut_de_ligne` accepts, with at least one move.
std::optional<std::string> raison_inatteignable(std::string_view coups);

} // namespace tavik
