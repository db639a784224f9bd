#include "library/cle_ligne.h"

#include "library/ligne_coups.h"
#include "library/texte.h"
#include "record/typographie.h"

#include <cassert>

namespace tavik {

std::vector<Case> cases_de_ligne(std::string_view coups)
{
    const std::string s = coups_sans_espaces(coups);
    std::vector<Case> cases(s.size() / 2);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        [[maybe_unused]] const bool lue = lit_case(std::string_view(s).substr(2 * i, 2), cases[i]);
        assert(lue);
    }
    return cases;
}

std::string cle_de_ligne(std::span<const Case> coups)
{
    std::string cle;
    for (std::size_t i = 0; i < coups.size(); ++i) {
        if (i > 0 && i % 2 == 0) cle += ' ';
        cle += notation(coups[i]);
    }
    return cle;
}

namespace {

// "coup 2 « E3 »"
std::string coup_numero(std::span<const Case> coups, std::size_t numero)
{
    return "coup " + std::to_string(numero) + " " + guillemets(notation(coups[numero - 1]));
}

// Why the text differs from the key at `i`, where the key has `j` characters of which `n` are
// squares' letters and digits. The two hold the same letters and digits in the same order, so
// they part over a space.
std::string ecart(std::string_view texte, std::size_t i, std::string_view cle, std::size_t j,
                  std::size_t n, std::span<const Case> coups)
{
    const std::size_t k = n / 2; // whole moves before the gap
    if (i == 0) return "un blanc au début";
    if (j == cle.size()) return "un blanc à la fin";
    if (n % 2 != 0) return "un espace au milieu du " + coup_numero(coups, k + 1);
    const std::string entre = "le " + coup_numero(coups, k) + " et le " + coup_numero(coups, k + 1);
    if (texte[i] != ' ') return "il manque l'espace entre " + entre;
    if (texte[i - 1] == ' ') return "plus d'un espace entre " + entre;
    return "un espace entre " + entre + ", qui forment une paire et s'écrivent collés";
}

} // namespace

std::optional<std::string> raison_inatteignable(std::string_view coups)
{
    const std::vector<Case> cases = cases_de_ligne(coups);
    assert(!cases.empty());
    if (notation(cases[0]) != "C4")
        return "elle commence par " + notation(cases[0]) + " et non par C4";

    const std::string texte = majuscules(coups);
    const std::string cle = cle_de_ligne(cases);
    std::size_t i = 0, j = 0, n = 0;
    for (; i < texte.size() && j < cle.size() && texte[i] == cle[j]; ++i, ++j)
        if (cle[j] != ' ') ++n;
    if (i == texte.size() && j == cle.size()) return std::nullopt;
    return ecart(texte, i, cle, j, n, cases);
}

} // namespace tavik
