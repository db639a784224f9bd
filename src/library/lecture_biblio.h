#pragma once

#include "library/biblio.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// Reading the library file's text. One line is one record; a comma is an ordinary character,
// and so is a double quote.

// The longest record kept, in bytes; a longer one is cut at a character boundary.
inline constexpr std::size_t longueur_max_enregistrement = 32767;

struct DefautLigne
{
    int ligne; // line number in the file, from 1
    std::string raison;
    friend bool operator==(const DefautLigne&, const DefautLigne&) = default;
};

struct LectureBiblio
{
    std::vector<std::string> enregistrements; // after the header, at most the table's rows
    int ignores = 0; // records that did not fit in the table
    std::vector<DefautLigne> defauts; // what was changed while reading
};

// The file's bytes as UTF-8 text: a byte-order mark is dropped; valid UTF-8 is kept as it is,
// anything else is read as Windows-1252, the code page of French library files.
std::string decode_texte(std::string_view octets);

// Splits the text into lines (CR LF, LF or CR), drops the header line and leading blanks, and
// keeps at most `max` records. A final line break does not start a record.
LectureBiblio lit_enregistrements(std::string_view texte, std::size_t max = nb_lignes_biblio);

// A record split on ';' into the columns 0 to 5; fields beyond the sixth are ignored.
LigneBiblio decoupe(std::string_view enregistrement);

} // namespace tavik
