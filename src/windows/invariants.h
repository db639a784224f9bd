#pragma once

#include "windows/chooser/ouverture.h"
#include "windows/drill/entrainement.h"
#include "windows/games/parties.h"
#include "windows/games/mes_parties.h"
#include "windows/main_window/plateau.h"

#include <string>
#include <vector>

namespace tavik {

// What the tiles are meant to show when the consistency of the main window is checked.
enum class Vue {
    // The live position with its marks: no mouse button other than the left one is held on a
    // tile. A left press plays, follows the record or does nothing, and its release redraws
    // what is already shown, so after any complete action the window is in this state.
    jeu,
    // Between the press of another button on a tile and its release: when the square is a
    // legal move, the tiles show the position after it, built in `tab_copie`, and the live
    // board `tab` only stays behind them. Everything but the tiles is checked as in `jeu`.
    apercu,
};

// The consistency of the main window between two user actions: the grid and its ring, the
// counts shown, the record and its two counters, the replay of the record against the live
// board, the side to move, the navigation buttons and next-move box, the move list, the
// automatic-play boxes and their flag (unticked and disabled exactly while a drill runs), the
// continuation list, the drill's marks, the keyboard's cursor and, outside a preview, the
// tiles. Returns one readable
// line per broken invariant; empty when all hold.
//
// A replay starts from the start position of the current `rotation` and plays slots 1 to
// `num_rejoue` - 1: every move must be legal for the side whose slot it is and every pass
// must be forced. The board after slots 1 to `num_coup` - 1 must be `tab`.
std::vector<std::string> invariants_rompus(const Plateau& p, Vue vue = Vue::jeu);

// The training window against the board: its commands follow the session, the board's drill is
// this window exactly while a session runs, and an exercise under way is the game recorded on
// the board, with the learner to move once the board is at its end and marks only among the
// moves of the lines chosen.
std::vector<std::string> invariants_rompus(const Entrainement& e, const Plateau& p);

// The chooser against the library: its entries are rows of the library, in file order, each
// with its name, every row when there is no filter; its selection is an entry or none; the
// moves it shows begin where a load begins, C4 or F5.
std::vector<std::string> invariants_rompus(const Ouverture& o, const Plateau& p);

// The games window against the board: its files listed in order, "Retirer" and "Annuler" enabled
// as they may act, and, with a base shown, next moves that are legal on the board, most played
// first, counted within the games through the position, and listed games that reach the
// board's position when replayed.
std::vector<std::string> invariants_rompus(const Parties& g, const Plateau& p);
// The "Mes parties" view against its base (see invariants_mes_parties.cpp).
std::vector<std::string> invariants_rompus(const MesParties& m);

} // namespace tavik
