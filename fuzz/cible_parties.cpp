// Fuzz target: the bytes as a tournament game file, a players or tournaments file and a text
// file of one's own games. Every game kept is legal when replayed and fits the record; a game
// file never keeps more games than it holds complete records; a file refused whole keeps none.

#include "harnais.h"
#include "database/parties_texte.h"
#include "database/wthor.h"
#include "engine/disques.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tavik;
using namespace tavik::fuzz;

namespace {

void verifie_parties(const std::vector<PartieBase>& parties)
{
    for (const PartieBase& p : parties) {
        exige(p.nb_coups <= 60, "a game has at most 60 moves");
        exige(p.score_noir >= -1 && p.score_noir <= 64, "black's score is a number of discs");
        PositionJeu position;
        for (int i = 0; i < p.nb_coups; ++i)
            exige(p.coups[static_cast<std::size_t>(i)] < 64 && position.joue(p.coups[static_cast<std::size_t>(i)]),
                  "every move kept is legal");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, std::size_t taille)
{
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);

    const LectureWthor wthor = lit_parties_wthor(octets, "f.wtb");
    verifie_parties(wthor.parties);
    const std::size_t entieres = taille < taille_entete_wthor ? 0 : (taille - taille_entete_wthor) / taille_partie_wthor;
    exige(wthor.parties.size() <= entieres, "no more games than complete records");
    exige(!wthor.refuse || (wthor.parties.empty() && wthor.refus.size() == 1),
          "a file refused whole keeps no game and says why once");
    exige(wthor.parties.size() + wthor.refus.size() >= entieres || wthor.refuse,
          "each record is kept or refused");

    for (const std::size_t t : {taille_joueur_wthor, taille_tournoi_wthor})
        for (const std::string& nom : lit_noms_wthor(octets, t))
            exige(nom.find('\0') == std::string::npos, "a name holds no zero byte");

    const LectureTexte texte = lit_parties_texte(octets, "miennes.txt");
    verifie_parties(texte.parties);
    exige(!texte.refuse || texte.parties.empty(), "a text refused whole keeps no game");
    return 0;
}
