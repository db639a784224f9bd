#include "library/texte.h"

namespace tavik {

namespace {

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

std::string_view sans_blancs_finaux(std::string_view s)
{
    const std::size_t fin = s.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string_view {} : s.substr(0, fin + 1);
}

} // namespace tavik
