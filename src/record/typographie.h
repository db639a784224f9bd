#pragma once

#include <string>
#include <string_view>

namespace tavik {

// French punctuation: the space before ":", ";", "!", "?", "%" and "»", and the space after
// "«", is a non-breaking one (U+00A0), so that a line never begins with the sign. The texts
// are written with plain spaces; this puts the non-breaking ones in. A non-breaking space
// already there is kept, and so is every other character.
std::string typographie_francaise(std::string_view texte);

inline constexpr const char* espace_insecable = "\u00a0";

// `texte` between French quotation marks, inside non-breaking spaces: "« Tigre »".
std::string guillemets(std::string_view texte);

} // namespace tavik
