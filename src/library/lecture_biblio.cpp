#include "library/lecture_biblio.h"

#include <array>
#include <cstdint>

namespace tavik {

namespace {

bool est_suite(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at `i`, or 0 when it is not one (overlong forms,
// surrogates and values beyond U+10FFFF included).
std::size_t sequence_utf8(std::string_view s, std::size_t i)
{
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = octet(i);
    if (c < 0x80) return 1;
    std::size_t n;
    std::uint32_t minimum;
    std::uint32_t valeur;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        minimum = 0x80;
        valeur = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        minimum = 0x800;
        valeur = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        minimum = 0x10000;
        valeur = c & 0x07;
    } else
        return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (!est_suite(octet(i + k))) return 0;
        valeur = (valeur << 6) | (octet(i + k) & 0x3F);
    }
    if (valeur < minimum || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur <= 0xDFFF)) return 0;
    return n;
}

bool utf8_valide(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequence_utf8(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void ajoute_utf8(std::string& s, std::uint32_t u)
{
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Windows-1252 bytes 0x80 to 0x9F; the five bytes that the code page leaves undefined keep
// their C1 code points.
constexpr std::array<std::uint16_t, 32> cp1252_80_9f
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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

// The longest prefix of at most `max` bytes that does not split a UTF-8 character.
std::string_view coupe_utf8(std::string_view s, std::size_t max)
{
    if (s.size() <= max) return s;
    std::size_t n = max;
    while (n > 0 && est_suite(static_cast<unsigned char>(s[n]))) --n;
    return s.substr(0, n);
}

} // namespace

std::string decode_texte(std::string_view octets)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (octets.starts_with(bom)) octets.remove_prefix(bom.size());
    return utf8_valide(octets) ? std::string(octets) : depuis_cp1252(octets);
}

LectureBiblio lit_enregistrements(std::string_view texte, std::size_t max)
{
    LectureBiblio lecture;
    int numero = 0;
    while (!texte.empty()) {
        const std::size_t fin = texte.find_first_of("\r\n");
        std::string_view ligne = texte.substr(0, fin);
        if (fin == std::string_view::npos) {
            texte = {};
        } else {
            const bool crlf
                = texte[fin] == '\r' && fin + 1 < texte.size() && texte[fin + 1] == '\n';
            texte.remove_prefix(fin + (crlf ? 2 : 1));
        }
        if (++numero == 1) continue; // the header
        if (lecture.enregistrements.size() == max) {
            ++lecture.ignores;
            continue;
        }
        ligne.remove_prefix(std::min(ligne.find_first_not_of(" \t"), ligne.size()));
        const std::string_view gardee = coupe_utf8(ligne, longueur_max_enregistrement);
        if (gardee.size() < ligne.size())
            lecture.defauts.push_back({numero, "enregistrement trop long, coupé"});
        lecture.enregistrements.emplace_back(gardee);
    }
    return lecture;
}

LigneBiblio decoupe(std::string_view enregistrement)
{
    LigneBiblio ligne;
    std::size_t colonne = 0;
    for (;;) {
        const std::size_t separateur = enregistrement.find(';');
        ligne[colonne] = enregistrement.substr(0, separateur);
        if (separateur == std::string_view::npos || ++colonne == ligne.size()) break;
        enregistrement.remove_prefix(separateur + 1);
    }
    return ligne;
}

} // namespace tavik
