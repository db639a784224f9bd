#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// Characters of UTF-8 text.

// Length of the well-formed UTF-8 sequence at `i`, or 0 when it is not one (overlong forms,
// surrogates and values beyond U+10FFFF included).
std::size_t sequence_utf8(std::string_view s, std::size_t i);

bool utf8_valide(std::string_view s);

// The code point of the well-formed sequence of `n` bytes at `i`.
char32_t code_utf8(std::string_view s, std::size_t i, std::size_t n);

// The characters of `s` one by one; a byte that begins no well-formed sequence stands alone.
std::vector<std::string_view> caracteres(std::string_view s);

// Whether `u` is a blank of Unicode (its White_Space property): tab and line breaks, spaces
// of every width, the non-breaking ones and the ideographic space.
bool blanc_unicode(char32_t u);

// `s` with every character that shows as nothing or as a plain blank written as its code,
// "[U+0009]" for a tab: control characters, every Unicode blank but the plain space,
// zero-width characters, byte-order marks. A byte that is no UTF-8 is written "[0xE9]".
// Everything else is kept.
std::string visible(std::string_view s);

// Appends code point `u` (at most U+10FFFF) in UTF-8.
void ajoute_utf8(std::string& s, char32_t u);

// The number of characters of valid UTF-8 text.
std::size_t nb_caracteres(std::string_view s);

// The first `n` characters of valid UTF-8 text (all of it when it has fewer).
std::string_view premiers_caracteres(std::string_view s, std::size_t n);

} // namespace tavik
