#include "record/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace tavik {

namespace {

bool est_suite(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

bool invisible(char32_t u)
{
    return (u != U' ' && blanc_unicode(u)) || u < 0x20 || (u >= 0x7F && u <= 0xA0)
        || (u >= 0x200B && u <= 0x200F) || (u >= 0x202A && u <= 0x202E) || u == 0x2060
        || u == 0xFEFF;
}

std::string code(const char* format, unsigned valeur)
{
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, format, valeur);
    return tampon;
}

} // namespace

bool blanc_unicode(char32_t u)
{
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x85 || u == 0xA0 || u == 0x1680
        || (u >= 0x2000 && u <= 0x200A) || u == 0x2028 || u == 0x2029 || u == 0x202F || u == 0x205F
        || u == 0x3000;
}

std::string visible(std::string_view s)
{
    std::string resultat;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequence_utf8(s, i);
        if (n == 0) {
            resultat += code("[0x%02X]", static_cast<unsigned char>(s[i++]));
            continue;
        }
        const char32_t u = code_utf8(s, i, n);
        if (invisible(u))
            resultat += code("[U+%04X]", static_cast<unsigned>(u));
        else
            resultat += s.substr(i, n);
        i += n;
    }
    return resultat;
}

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

char32_t code_utf8(std::string_view s, std::size_t i, std::size_t n)
{
    constexpr unsigned char masques[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t valeur = static_cast<unsigned char>(s[i]) & masques[n];
    for (std::size_t k = 1; k < n; ++k)
        valeur = (valeur << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return valeur;
}

std::vector<std::string_view> caracteres(std::string_view s)
{
    std::vector<std::string_view> resultat;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = std::max<std::size_t>(sequence_utf8(s, i), 1);
        resultat.push_back(s.substr(i, n));
        i += n;
    }
    return resultat;
}

void ajoute_utf8(std::string& s, char32_t u)
{
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (u >> 18));
        s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

std::size_t nb_caracteres(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s) n += !est_suite(static_cast<unsigned char>(c));
    return n;
}

std::string_view premiers_caracteres(std::string_view s, std::size_t n)
{
    if (s.size() <= n) return s; // never more characters than bytes
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        if (est_suite(static_cast<unsigned char>(s[i]))) continue;
        if (n == 0) break;
        --n;
    }
    return s.substr(0, i);
}

} // namespace tavik
