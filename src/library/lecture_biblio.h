#pragma once

#include "library/biblio.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// Reading a library file from its bytes, with a report of everything that the reading cut,
// dropped or refused. One line is one record; a comma is an ordinary character, and so is a
// double quote.

// The longest record kept, in characters.
inline constexpr std::size_t longueur_max_enregistrement = 32767;

enum class GenreDefaut {
    trop_long, // the record is cut after its first 32767 characters
    trop_de_champs, // text beyond the sixth field is dropped
    hors_table, // records beyond the table's rows are ignored
};

// One finding: `nombre` consecutive lines from `ligne` (line numbers of the file, from 1).
struct DefautLigne
{
    std::size_t ligne = 0;
    std::size_t nombre = 1;
    GenreDefaut genre = GenreDefaut::trop_long;
    std::string raison; // what happened to these lines, in French
    friend bool operator==(const DefautLigne&, const DefautLigne&) = default;
};

struct RapportLecture
{
    std::string codage; // the text encoding found, as decode_texte names it
    std::optional<std::string> refus; // the file cannot be used at all: why, in French
    std::vector<DefautLigne> defauts; // in line order
};

struct LectureBiblio
{
    std::vector<LigneBiblio> lignes; // in file order, at most the table's rows; none if refused
    RapportLecture rapport;
};

// The bytes decoded (decode_texte), split into lines (CR LF, LF or CR), the header line
// dropped, each record without its leading blanks, cut to its first 32767 characters and
// split on ';' into the six columns. A final line break does not start a record; a blank line
// is an empty record. At most `max` records are kept.
LectureBiblio lit_biblio(std::string_view octets, std::size_t max = nb_lignes_biblio);

// A record split on ';' into the columns 0 to 5; the text of any further field is left out.
LigneBiblio decoupe(std::string_view enregistrement);

} // namespace tavik
