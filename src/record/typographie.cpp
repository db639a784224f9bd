#include "record/typographie.h"

#include <cctype>

namespace tavik {

namespace {

constexpr std::string_view ouvrant = "«";
constexpr std::string_view fermant = "»";

// Whether the text at `i` is a sign that takes a non-breaking space before it.
bool signe_apres_espace(std::string_view texte, std::size_t i)
{
    if (i >= texte.size()) return false;
    if (std::string_view(":;!?").find(texte[i]) != std::string_view::npos) return true;
    // "%" and a letter or a digit are a placeholder of a format ("%1"), not a percent.
    if (texte[i] == '%')
        return i + 1 == texte.size() || !std::isalnum(static_cast<unsigned char>(texte[i + 1]));
    return texte.substr(i).starts_with(fermant);
}

} // namespace

std::string typographie_francaise(std::string_view texte)
{
    std::string resultat;
    resultat.reserve(texte.size() + 8);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const bool apres_ouvrant = resultat.ends_with(ouvrant);
        if (texte[i] == ' ' && (apres_ouvrant || signe_apres_espace(texte, i + 1)))
            resultat += espace_insecable;
        else
            resultat += texte[i];
    }
    return resultat;
}

std::string guillemets(std::string_view texte)
{
    return "«\u00a0" + std::string(texte) + "\u00a0»";
}

} // namespace tavik
