#pragma once

#include <array>
#include <string>
#include <vector>

namespace tavik {

// The opening library: 1001 rows of 6 text columns, filled from "biblio.csv".
// Column 0 the opening name, 1 stored only, 2 the moves (pairs such as "C4E3 F6E6 F5", in the
// orientation where black's first move is C4), 3 the evaluation (its French text once loaded),
// 4 the comment, 5 stored only. A cell that no record reached reads as empty text.
inline constexpr int nb_lignes_biblio = 1001;
inline constexpr int nb_colonnes_biblio = 6;
using LigneBiblio = std::array<std::string, nb_colonnes_biblio>;

enum ColonneBiblio {
    col_nom = 0,
    col_nom_anglais = 1,
    col_coups = 2,
    col_bilan = 3,
    col_commentaire = 4,
    col_sources = 5
};

// The rows sorted by the upper-case form of their move text, so that the lines that begin
// with a game form one range found by binary search. Built once the rows are read.
struct IndexCoups
{
    std::vector<std::string> cles; // the upper-case move text of each row, by row
    std::vector<int> ordre; // the rows, sorted by key (ties in row order)
    std::vector<int> rang; // the place of each row in `ordre`
};

struct Biblio
{
    std::vector<LigneBiblio> lignes = std::vector<LigneBiblio>(nb_lignes_biblio);
    IndexCoups index;

    // Builds the index over rows 0 to nb - 1; run whenever their move texts change.
    void indexe(int nb);
};

} // namespace tavik
