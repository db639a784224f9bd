#pragma once

#include "database/partie_base.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// A text file of the player's own games: one game per line, written in any form that a paste
// on the board accepts ("f5 d6 c3", "1. F5 D6 2. C3", passes as "--"...). Blank lines are
// skipped. A game played to the end gets its result from its last position.
struct LectureTexte
{
    std::vector<PartieBase> parties;
    std::vector<std::string> refus; // a French message per line refused, naming file and line
    bool refuse = false; // no text at all (a binary file)
};

LectureTexte lit_parties_texte(std::string_view octets, const std::string& nom);

// The games one per line, as `texte_partie` writes them: the file that the reader reads back.
std::string ecrit_parties_texte(std::span<const PartieBase> parties);

} // namespace tavik
