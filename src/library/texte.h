#pragma once

#include <string>
#include <string_view>

namespace tavik {

// ASCII upper case; other bytes (accented letters in UTF-8 included) are kept as they are.
std::string majuscules(std::string_view s);

// Whether the upper-case form of `s` equals, or begins with, `modele` (itself upper case),
// without building that form.
bool egal_en_majuscules(std::string_view s, std::string_view modele);
bool commence_en_majuscules(std::string_view s, std::string_view modele);

// `s` without the blanks that end it.
std::string_view sans_blancs_finaux(std::string_view s);

} // namespace tavik
