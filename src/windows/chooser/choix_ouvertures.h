#pragma once

#include "library/biblio.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// What the chooser lists and shows of each line.

// The rows 0 to nb - 1 that `filtre` finds, in file order: those whose name holds it (without
// case or accents), and, when it is a game from the usual start ("f5d6", "1. C4 c3"), the lines
// that begin with that game in any of its four orientations. An empty filter finds every row.
std::vector<int> lignes_filtrees(const Biblio& biblio, int nb, std::string_view filtre);

// A library move text as the chooser loads it, in lower case without spaces: from C4 as the
// library writes it ("c4e3f6e6f5"), or turned to start from F5 ("f5d6c3d3c4"). A text that
// is not whole squares is shown as it is.
std::string coups_montres(std::string_view coups, bool depuis_f5);

} // namespace tavik
