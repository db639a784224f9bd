#include "windows/chooser/choix_ouvertures.h"

#include "library/ligne_coups.h"
#include "library/noms.h"
#include "orientation/transformations.h"
#include "record/transcription.h"

#include <algorithm>
#include <cctype>

namespace tavik {

namespace {

// The game that the filter writes, turned to the library's orientation, in the library's
// upper case ("C4E3"); empty when the filter is not a game.
std::string debut_cherche(std::string_view filtre)
{
    if (filtre.find_first_not_of(" \t") == std::string_view::npos) return {};
    const LectureTranscription lecture = lit_transcription(filtre);
    if (lecture.refus) return {};
    std::string premier, cle;
    for (const Emplacement& e : lecture.partie) {
        const std::optional<Case> c = e.case_jouee();
        if (!c) continue; // a pass leaves no mark in the library's move texts
        if (premier.empty()) premier = e.texte();
        const Case b = vers_biblio(premier, *c);
        cle += static_cast<char>('A' + b.colonne - 1);
        cle += static_cast<char>('0' + b.ligne);
    }
    return cle;
}

} // namespace

std::vector<int> lignes_filtrees(const Biblio& biblio, int nb, std::string_view filtre)
{
    std::vector<int> lignes = lignes_par_nom(biblio, nb, filtre);
    const std::string debut = debut_cherche(filtre);
    if (debut.empty()) return lignes;
    for (int r = 0; r < nb; ++r)
        if (coups_sans_espaces(biblio.lignes[r][col_coups]).starts_with(debut)) lignes.push_back(r);
    std::sort(lignes.begin(), lignes.end());
    lignes.erase(std::unique(lignes.begin(), lignes.end()), lignes.end());
    return lignes;
}

std::string coups_montres(std::string_view coups, bool depuis_f5)
{
    const std::string s = coups_sans_espaces(coups);
    std::string montres;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        std::string coup = s.substr(i, 2);
        if (depuis_f5) coup = vers_jeu("F5", coup);
        for (char& c : coup) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        montres += coup;
    }
    if (s.size() % 2) montres += s.back();
    return montres;
}

} // namespace tavik
