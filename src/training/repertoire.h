#pragma once

#include "engine/grille.h"
#include "library/biblio.h"
#include "record/liste_coups.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// The library as the drill sees it, built once the library is read and kept apart from it, so
// that a session does not depend on the table afterwards.

// A library row that can be played: its moves are squares, legal one after the other from the
// usual start, and begin with C4, the library's orientation.
struct RangeeRepertoire
{
    int rangee; // the row in the library table
    std::vector<Case> coups; // as written, in the library's orientation
    std::vector<Case> forme; // their common form (`forme_commune`)
    int ligne; // the line that this row is a form of, or -1 when longer lines go through it
    std::string nom; // columns 0, 3 and 4 as the table holds them
    std::string bilan;
    std::string commentaire;
};

// A line that the learner trains: a library line that no other line goes on from. The rows that
// write it in another form (see `forme_commune`) or repeat it are the same line.
struct LigneRepertoire
{
    std::string cle; // its common form as a key ("C4E3 F6E6 F5"): the key of its progress
    std::vector<Case> coups; // its common form
    std::vector<int> formes; // its rows, indexes in `rangees`, in file order
};

struct Repertoire
{
    std::vector<RangeeRepertoire> rangees; // in file order
    std::vector<LigneRepertoire> lignes; // in the order of their first row

    // The name of a line: that of its first row.
    const std::string& nom(int ligne) const { return rangees[lignes[ligne].formes[0]].nom; }
};

// Rows 0 to nb - 1 of the table. Rows that cannot be played are left out.
Repertoire construit_repertoire(const Biblio& biblio, int nb);

// How many moves `couleur` plays in a line of `longueur` moves, black first.
int coups_de_couleur(int longueur, int16_t couleur);

// The lines trained for one colour: those where that colour has a move to find.

// Every line.
std::vector<int> portee_complete(const Repertoire& rep, int16_t couleur);
// The lines that go through the position of a game, in whatever orientation it is played;
// the game is the record's slots 1 to num_coup - 1. A game with a pass goes nowhere.
std::vector<int> portee_position(const Repertoire& rep, int16_t couleur, const ListeCoups& liste,
                                 int num_coup);
// The lines that go through one opening of the library, given by its row in the table: the
// line itself when nothing goes on from it.
std::vector<int> portee_ouverture(const Repertoire& rep, int16_t couleur, int rangee);
// The lines that go through one of the positions `debuts`, each given by moves legal from the
// usual start in any orientation (the places where the learner's own games left the library);
// in the order of the repertoire, each once.
std::vector<int> portee_debuts(const Repertoire& rep, int16_t couleur,
                               std::span<const std::vector<Case>> debuts);
// The lines among `lignes` whose common form begins with `debut`.
std::vector<int> lignes_par(const Repertoire& rep, std::span<const Case> debut,
                            const std::vector<int>& lignes);

// The rows that can be played whose name holds the filter (case and accents ignored), in file
// order, as indexes in `rangees`: the list to pick one opening from.
std::vector<int> ouvertures_par_nom(const Repertoire& rep, std::string_view filtre);

} // namespace tavik
