#include "library/decodage.h"

#include "record/utf8.h"

#include <array>
#include <cstdint>

namespace tavik {

namespace {

constexpr char32_t remplacement = 0xFFFD;

// Windows-1252 bytes 0x80 to 0x9F; the five bytes that the code page leaves undefined keep
// their C1 code points.
constexpr std::array<std::uint16_t, 32> cp1252_80_9f
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::string depuis_cp1252(std::string_view s)
{
    std::string resultat;
    resultat.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        ajoute_utf8(resultat, c >= 0x80 && c <= 0x9F ? cp1252_80_9f[c - 0x80] : c);
    }
    return resultat;
}

namespace {

// UTF-16 units after the byte-order mark, the big end first or last.
std::string depuis_utf16(std::string_view s, bool gros_boutiste)
{
    const auto unite = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(s[i]);
        const auto b = static_cast<unsigned char>(s[i + 1]);
        return static_cast<char32_t>(gros_boutiste ? (a << 8) | b : (b << 8) | a);
    };
    const auto haute = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto basse = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };

    std::string resultat;
    resultat.reserve(s.size());
    std::size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const char32_t u = unite(i);
        if (haute(u) && i + 3 < s.size() && basse(unite(i + 2))) {
            ajoute_utf8(resultat, 0x10000 + ((u - 0xD800) << 10) + (unite(i + 2) - 0xDC00));
            i += 2;
        } else {
            ajoute_utf8(resultat, haute(u) || basse(u) ? remplacement : u);
        }
    }
    if (i < s.size()) ajoute_utf8(resultat, remplacement);
    return resultat;
}

TexteDecode decode(std::string_view octets)
{
    constexpr std::string_view marque_utf8 = "\xEF\xBB\xBF";
    constexpr std::string_view marque_le = "\xFF\xFE";
    constexpr std::string_view marque_be = "\xFE\xFF";
    if (octets.starts_with(marque_le))
        return {depuis_utf16(octets.substr(2), false), "UTF-16 LE", {}};
    if (octets.starts_with(marque_be))
        return {depuis_utf16(octets.substr(2), true), "UTF-16 BE", {}};
    if (octets.starts_with(marque_utf8)) octets.remove_prefix(marque_utf8.size());
    if (utf8_valide(octets)) return {std::string(octets), "UTF-8", {}};
    return {depuis_cp1252(octets), "Windows-1252", {}};
}

} // namespace

TexteDecode decode_texte(std::string_view octets)
{
    TexteDecode t = decode(octets);
    if (t.texte.empty())
        t.refus = "il est vide";
    else if (t.texte.find('\0') != std::string::npos)
        t.refus
            = "il contient des caractères nuls\u00a0: ce n'est pas un texte que Tavik sait lire "
              "(enregistrez-le en UTF-8)";
    if (t.refus) t.texte.clear();
    return t;
}

} // namespace tavik
