#pragma once

#include "actions.h"
#include "database/chargement_base.h"
#include "windows/games/parties.h"

#include <string>

namespace tavik::fuzz {

// What an action of the games window does, in its `valeur`.
enum class ActionParties { ouvre, ferme, annule, ajoute, retire, coup, partie };

// The games window's action that `param` (and maybe one more byte) chooses: mostly a next move
// or a game of its lists, so that its clicks and loads go on; the window opens about once in
// forty of its actions, and a file added or removed starts a load that the host answers at the
// next action.
Action action_parties(Source& source, int param, const Parties* g);

// The games window's controls, as its Qt window hands them over; disabled ones do nothing.
// Opening and closing it are the owner's business.
void applique_parties(const Action& a, Parties& g);

std::string decrit_parties(const Action& a);

// The games that the harness hands to every load of the games window: random games played to
// their end from a fixed seed, indexed to the end.
const Base& base_de_test();

} // namespace tavik::fuzz
