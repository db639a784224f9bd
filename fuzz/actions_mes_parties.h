#pragma once

#include "actions.h"
#include "database/chargement_base.h"
#include "windows/games/mes_parties.h"

#include <string>

namespace tavik::fuzz {

// The "Mes parties" page's action that `param` (and maybe two more bytes) chooses: mostly the
// source, a name typed, a game loaded, the addition for the drill and its removal; now and then the
// base withdrawn or handed over again, as a load of the games window does.
Action action_mes_parties(Source& source, int param);

// Whether the action is one of the page's.
bool de_mes_parties(Genre genre);

// The page's controls as its Qt page hands them over; `base` is the one handed back after a
// withdrawal.
void applique_mes_parties(const Action& a, MesParties& m, const Base& base);

std::string decrit_mes_parties(const Action& a);

// A small base held in memory: a text file of one's own games (the tiger left at several
// moves, written from F5 or C4 and by another order, and games that leave at once) and a
// tournament file whose players are named.
Base base_d_essai();

} // namespace tavik::fuzz
