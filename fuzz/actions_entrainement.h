#pragma once

#include "actions.h"

#include <optional>
#include <string>

namespace tavik::fuzz {

// The list entry that a draw `v` selects: one draw in sixteen selects nothing; otherwise 4096
// values spread over the list.
int entree_de(int v, const Liste& liste);

// During an exercise, the square of the k-th move of the lines trained; nothing otherwise.
std::optional<int> case_attendue(const Plateau& p, const Entrainement* e, int k);

// The training window's action that `param` (and maybe one more byte) chooses: mostly
// "Commencer" and "Suivant", so that sessions go from exercise to exercise; the window, which
// builds its lines when it opens, opens about once in a thousand actions.
Action action_entrainement(Source& source, int param, const Entrainement* e);

// The training window's controls, as its Qt window hands them over; disabled ones do nothing.
void applique_entrainement(const Action& a, Entrainement& e);

std::string decrit_entrainement(const Action& a);

} // namespace tavik::fuzz
