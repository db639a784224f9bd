#pragma once

#include "library/biblio.h"
#include "library/verification.h"

#include <cstddef>
#include <span>
#include <vector>

namespace tavik {

// The findings of the library's rows as the program holds them: each row alone (moves, name,
// evaluation code, the lookup's reach), then the rows against each other (the same moves, or
// one line in two symmetric forms). Row r is line `premiere_ligne` + r of the file.
std::vector<Constat> verifie_lignes(std::span<const LigneBiblio> lignes,
                                    std::size_t premiere_ligne);

// Whether a text is a legal line of at least one move, as a move text of the library.
bool ressemble_a_des_coups(std::string_view texte);

} // namespace tavik
