#pragma once

#include "engine/grille.h"

namespace tavik {

// The capture rule of Othello on any grid with a border ring. Squares passed in lie on the
// board (rows and columns 1 to 8); colours are 2 or 3.

// The usual start: white on D4 and E5, black on E4 and D5, black to move.
Grille position_initiale();

// Whether playing (ligne, colonne) captures in the direction (dirlg, dircol): the neighbour
// holds the other side and the run of its discs is closed by a disc of `couleur`.
bool test_dir(const Grille& jeu, int16_t couleur, int16_t ligne, int16_t colonne, int16_t dirlg,
              int16_t dircol);

// Whether `couleur` may play the square: it is empty and captures in some direction.
bool test_coup_possible(const Grille& jeu, int16_t couleur, int16_t ligne, int16_t colonne);

// Turns every disc that the move captures. The played square itself is left alone: callers
// put the disc there themselves.
void coup_joue(Grille& jeu, int16_t ajouer, int16_t lgj, int16_t colj);

// Despite its name: true when `couleur` has at least one legal square, false when it must pass.
bool joueur_passe(const Grille& jeu, int16_t couleur);

// The game is over: neither side has a legal square.
bool partie_finie(const Grille& jeu);

} // namespace tavik
