#include "library/texte.h"

#include "library/utf8.h"

#include <cstdio>

namespace tavik {

namespace {

bool invisible(char32_t u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0xA0) || (u >= 0x2000 && u <= 0x200F)
        || (u >= 0x2028 && u <= 0x202F) || u == 0x2060 || u == 0xFEFF;
}

std::string code(const char* format, unsigned valeur)
{
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, format, valeur);
    return tampon;
}

constexpr char majuscule(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string majuscules(std::string_view s)
{
    std::string resultat(s);
    for (char& c : resultat) c = majuscule(c);
    return resultat;
}

bool commence_en_majuscules(std::string_view s, std::string_view modele)
{
    if (s.size() < modele.size()) return false;
    for (std::size_t i = 0; i < modele.size(); ++i)
        if (majuscule(s[i]) != modele[i]) return false;
    return true;
}

bool egal_en_majuscules(std::string_view s, std::string_view modele)
{
    return s.size() == modele.size() && commence_en_majuscules(s, modele);
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

std::string_view sans_blancs_finaux(std::string_view s)
{
    const std::size_t fin = s.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string_view {} : s.substr(0, fin + 1);
}

} // namespace tavik
