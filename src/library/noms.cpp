#include "library/noms.h"

#include <array>

namespace tavik {

namespace {

// U+00C0 to U+00FF without their accents; '*' keeps the character as it is.
constexpr std::string_view latin1_sans_accents
    = "aaaaaa*ceeeeiiiidnooooo*ouuuuy**aaaaaa*ceeeeiiiidnooooo*ouuuuy*y";

// The plain spelling of the two-byte UTF-8 character (c1, c2), or nothing to keep it.
std::string_view sans_accent(unsigned char c1, unsigned char c2)
{
    if (c1 == 0xC3 && c2 >= 0x80 && c2 <= 0xBF) {
        const std::size_t i = c2 - 0x80;
        if (i == 0x06 || i == 0x26) return "ae";
        if (i == 0x1F) return "ss";
        if (latin1_sans_accents[i] != '*') return latin1_sans_accents.substr(i, 1);
    }
    if (c1 == 0xC5 && (c2 == 0x92 || c2 == 0x93)) return "oe";
    return {};
}

} // namespace

std::string forme_de_recherche(std::string_view texte)
{
    std::string resultat;
    resultat.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if (i + 1 < texte.size()) {
            const std::string_view simple
                = sans_accent(c, static_cast<unsigned char>(texte[i + 1]));
            if (!simple.empty()) {
                resultat += simple;
                ++i;
                continue;
            }
        }
        resultat += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return resultat;
}

bool nom_contient(std::string_view nom, std::string_view filtre)
{
    return forme_de_recherche(nom).find(forme_de_recherche(filtre)) != std::string::npos;
}

std::vector<int> lignes_par_nom(const Biblio& biblio, int nb, std::string_view filtre)
{
    const std::string cherche = forme_de_recherche(filtre);
    std::vector<int> lignes;
    for (int r = 0; r < nb; ++r)
        if (forme_de_recherche(biblio.lignes[r][col_nom]).find(cherche) != std::string::npos)
            lignes.push_back(r);
    return lignes;
}

} // namespace tavik
