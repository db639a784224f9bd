#pragma once

#include "engine/grille.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace tavik {

// A cell of the record holds nothing, an integer or a text. The integer -1 marks a pass or
// a slot never played; a move's letter is a one-character text; its row is a number when the
// move was played on the board and a one-digit text when a library line was loaded.
using Cellule = std::variant<std::monostate, int16_t, std::string>;

// One half-move of the game: the letter cell and the row cell.
struct Emplacement
{
    Cellule lettre;
    Cellule ligne;

    static Emplacement coup(Case c); // as played on the board: the row as a number
    static Emplacement coup_charge(char lettre, char chiffre); // as loaded: both as texts
    static Emplacement passe(); // -1 in both cells, also the mark of an unplayed slot

    bool tient_coup() const { return std::holds_alternative<std::string>(lettre); }
    bool est_passe() const;

    int16_t colonne_lue() const; // character code of the letter minus 64
    int16_t ligne_lue() const; // the row cell as a number, whichever form it has
    // The square of a move when it lies on the board; nothing for a pass, an unplayed slot or
    // a malformed entry.
    std::optional<Case> case_jouee() const;
    // The letter then the row, as the lookup and the move list write them ("F5"); a pass
    // gives its two markers as text ("-1-1").
    std::string texte() const;

    friend bool operator==(const Emplacement&, const Emplacement&) = default;
};

// Slots 0 to 120; slot 0 is never used. A game has at most 60 moves and every pass is
// followed by a move, so at most 119 half-moves: every game that the rules allow fits.
inline constexpr int nb_emplacements = 121;
using ListeCoups = std::array<Emplacement, nb_emplacements>;

} // namespace tavik
