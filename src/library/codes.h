#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavik {

// The short evaluation codes of the library and their sentences. n stands for black (noir),
// b for white (blanc).
struct CodeCommentaire
{
    std::string code;
    std::string francais;
    std::string anglais; // kept beside the French text, shown nowhere
};
using TableCommentaires = std::array<CodeCommentaire, 14>;

// The 14 codes, rows 0 to 13.
TableCommentaires table_commentaires();

// The French text of an evaluation code, or empty text when the code is not one of the 14
// (the comparison is exact and case-sensitive).
std::string conv_abrev(const TableCommentaires& table, std::string_view abrev);

// The short form of an evaluation that conv_abrev made, for a list that has no room for the
// sentence: the code with its colour letter in capitals ("N+=", "B++"), "=" for equality;
// empty text for an empty or unknown evaluation.
std::string code_court(const TableCommentaires& table, std::string_view bilan);

// Every code in `s` replaced by its French text, wherever it stands, longer codes before the
// shorter codes that they contain ("n++" and "n+=" before "n+").
std::string remplace_codes(const TableCommentaires& table, std::string s);

// Every occurrence of `motif` replaced, left to right; the inserted text is not scanned again.
std::string remplace_tout(std::string_view s, std::string_view motif, std::string_view par);

} // namespace tavik
