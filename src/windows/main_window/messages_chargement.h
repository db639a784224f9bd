#pragma once

#include "library/lecture_biblio.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavik {

// The French messages of a library load; a load shows one of them at most. `nom` is the
// file's name as the user knows it.

// The file could not be read: `raison` says why.
std::string message_fichier_illisible(std::string_view nom, std::string_view raison);

// What the reading did to the file: why it was refused, or which lines it cut or left out,
// with the numbers of the first few. Nothing for a file read whole.
std::optional<std::string> message_lecture(std::string_view nom, const RapportLecture& rapport);

} // namespace tavik
