#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavik {

// A library move text in upper case with every space removed: "c4e3  f6e6" gives "C4E3F6E6".
std::string coups_sans_espaces(std::string_view coups);

// Why a library move text cannot be loaded onto the board, or nothing when it can: its
// moves, spaces removed, must be whole squares that are legal one after the other from the
// start, black first, and fit in the record.
std::optional<std::string> defaut_de_ligne(std::string_view coups);

} // namespace tavik
