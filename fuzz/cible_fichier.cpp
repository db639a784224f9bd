// Fuzz target: the bytes of a library file, read as the program reads "biblio.csv": the
// decoding of the text, the records and their columns through the start sequence of the main
// window on those bytes, the lookup after a few moves in two orientations, the automatic
// player, and the chooser's list and loading. Everything happens in memory.

#include "harnais.h"
#include "library/lecture_biblio.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tavik;
using namespace tavik::fuzz;

namespace {

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing
// beyond U+10FFFF.
bool utf8_bien_forme(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1
            : c >= 0xC2 && c <= 0xDF   ? 2
            : c >= 0xE0 && c <= 0xEF   ? 3
            : c >= 0xF0 && c <= 0xF4   ? 4
                                       : 0;
        if (n == 0 || i + n > s.size()) return false;
        std::uint32_t u = n == 1 ? c : c & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto suite = static_cast<unsigned char>(s[i + k]);
            if ((suite & 0xC0) != 0x80) return false;
            u = u << 6 | (suite & 0x3F);
        }
        const std::uint32_t minimum = n == 3 ? 0x800 : n == 4 ? 0x10000 : 0;
        if (u < minimum || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

// The rows that the main window read: well-formed UTF-8 cells without separators or line
// breaks, records of at most 32767 characters. The evaluation column holds its French text by
// then, which keeps all three.
void verifie_lignes(const FonCom& com)
{
    for (int r = 0; r < com.nb_biblio; ++r) {
        std::size_t caracteres = 0;
        for (const std::string& cellule : com.biblio.lignes[r]) {
            exige(cellule.find(';') == std::string::npos, "a column holds no separator");
            exige(cellule.find_first_of("\r\n") == std::string::npos,
                  "a column holds no line break");
            exige(utf8_bien_forme(cellule), "a column is cut at a character boundary");
            caracteres += static_cast<std::size_t>(std::count_if(
                cellule.begin(), cellule.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        }
        exige(caracteres <= longueur_max_enregistrement, "a record keeps at most 32767 characters");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string octets(reinterpret_cast<const char*>(data), size);

    SourceOctets aucun_tirage({});
    Harnais harnais(octets, aucun_tirage);
    if (!harnais.rompus_au_chargement().empty())
        echoue(rapport(harnais.rompus_au_chargement(), "the start", harnais.plateau()));
    const Plateau& p = harnais.plateau();
    verifie_lignes(p.com());
    exige(harnais.ouverture().LstOuverture.nombre() == p.com().nb_biblio,
          "the chooser lists every row of the library");

    // With the library marks shown, black's first move in the library's orientation (C4) or
    // in another one, then continuations offered by the library as the user follows them.
    joue_sans_faute(harnais, {.genre = Genre::coups_ouverture});
    constexpr std::array premiers = {26, 19, 37, 44}; // C4 D3 F5 E6
    joue_sans_faute(harnais, {.genre = Genre::clic, .index = premiers[size % 4]});
    for (std::size_t k = 0; k < 4 && p.controles.LstSuite.nombre() > 0; ++k) {
        const Liste& suites = p.controles.LstSuite;
        Case c;
        const std::string& entree
            = suites.texte(static_cast<int>((size / 4 + k) % suites.entrees.size()));
        exige(lit_case(std::string_view(entree).substr(0, 2), c), "a continuation is a square");
        joue_sans_faute(harnais, {.genre = Genre::clic, .index = index_de(c)});
    }
    joue_sans_faute(harnais, {.genre = Genre::rotation});
    joue_sans_faute(harnais, {.genre = Genre::precedent});

    // The automatic player for the side to move draws from these continuations, then the user
    // is held to them; "<" lets the user go.
    joue_sans_faute(harnais, {.genre = p.joueur() == noir ? Genre::noir_auto : Genre::blanc_auto});
    if (p.controles.LstSuite.nombre() > 0) {
        Case c;
        if (lit_case(std::string_view(p.controles.LstSuite.texte(0)).substr(0, 2), c))
            joue_sans_faute(harnais, {.genre = Genre::clic, .index = index_de(c)});
    }
    joue_sans_faute(harnais, {.genre = Genre::precedent});

    // The chooser: its first and last entries, then none.
    const int n = harnais.ouverture().LstOuverture.nombre();
    for (const int entree : {n > 0 ? 0 : -1, n - 1, -1})
        joue_sans_faute(harnais, {.genre = Genre::charger, .entree = entree});
    return 0;
}
