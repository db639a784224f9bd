#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavik {

// The bytes of a library file turned into UTF-8 text, whatever editor wrote them.
struct TexteDecode
{
    std::string texte;
    std::string codage; // "UTF-8", "Windows-1252", "UTF-16 LE" or "UTF-16 BE"
    std::optional<std::string> refus; // why the bytes are no text that can be read, in French
};

// A UTF-8 byte-order mark is dropped. UTF-16 with its mark (FF FE little end first, FE FF
// big end first) is decoded; an unpaired surrogate or a lone last byte becomes U+FFFD, which
// shows where the file is damaged. Otherwise valid UTF-8 is kept as it is, and anything else
// is read as Windows-1252, the code page of French library files. Text that holds a NUL is
// refused (UTF-16 without its mark, or no text at all), and so is a file with no text.
TexteDecode decode_texte(std::string_view octets);

// Windows-1252 bytes as UTF-8, whatever they hold: the names of the tournament game files.
std::string depuis_cp1252(std::string_view octets);

} // namespace tavik
