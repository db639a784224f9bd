#include "library/texte.h"

namespace tavik {

std::string majuscules(std::string_view s)
{
    std::string resultat(s);
    for (char& c : resultat)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return resultat;
}

std::string_view sans_blancs_finaux(std::string_view s)
{
    const std::size_t fin = s.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string_view {} : s.substr(0, fin + 1);
}

} // namespace tavik
