#pragma once

#include "actions.h"

#include <string>

namespace tavik::fuzz {

// A key on the board that `param` chooses: an arrow, Space or Enter, or a character typed,
// mostly the next character of a legal square's name so that typed games go on.
Action action_clavier(int param, const Plateau& p);

void applique_clavier(const Action& a, Plateau& p);

std::string decrit_clavier(const Action& a);

} // namespace tavik::fuzz
