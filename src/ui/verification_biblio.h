#pragma once

#include <filesystem>

namespace tavik::ui {

// `tavik --verifier FICHIER`: the checker's report of a library file on the standard output,
// with no window and no display. Returns the exit status: 0 when the file has no error
// (warnings apart), 1 when it has some, 2 when it cannot be read (the reason goes to the error
// output).
int verifie_biblio_nommee(const std::filesystem::path& fichier);

} // namespace tavik::ui
