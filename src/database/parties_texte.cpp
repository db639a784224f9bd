#include "database/parties_texte.h"

#include "engine/disques.h"
#include "library/decodage.h"
#include "record/transcription.h"
#include "record/typographie.h"

#include <bit>

namespace tavik {

namespace {

// Black's discs at the end, empty squares counted for the winner, or -1 when the game is not
// over.
int8_t score_final(const PositionJeu& fin)
{
    const Disques& d = fin.disques;
    if (coups_possibles(d.noirs, d.blancs) || coups_possibles(d.blancs, d.noirs)) return -1;
    const int noirs = std::popcount(d.noirs), blancs = std::popcount(d.blancs);
    const int vides = 64 - noirs - blancs;
    return static_cast<int8_t>(noirs > blancs ? noirs + vides : noirs < blancs ? noirs : 32);
}

bool que_des_blancs(std::string_view ligne)
{
    return ligne.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

PartieBase partie_de(const std::vector<Emplacement>& emplacements)
{
    PartieBase p;
    PositionJeu position;
    for (const Emplacement& e : emplacements) {
        const std::optional<Case> c = e.case_jouee();
        if (!c || p.nb_coups == 60) continue;
        position.joue(index_de(*c));
        p.coups[p.nb_coups++] = static_cast<uint8_t>(index_de(*c));
    }
    p.score_noir = score_final(position);
    return p;
}

} // namespace

LectureTexte lit_parties_texte(std::string_view octets, const std::string& nom)
{
    LectureTexte lu;
    const TexteDecode decode = decode_texte(octets);
    if (decode.refus) {
        lu.refuse = true;
        lu.refus.push_back(guillemets(nom) + "\u00a0: " + *decode.refus + ".");
        return lu;
    }
    std::string_view reste = decode.texte;
    for (int numero = 1; !reste.empty(); ++numero) {
        const std::size_t fin = reste.find('\n');
        const std::string_view ligne = reste.substr(0, fin);
        reste = fin == std::string_view::npos ? std::string_view {} : reste.substr(fin + 1);
        if (que_des_blancs(ligne)) continue;
        const LectureTranscription t = lit_transcription(ligne);
        if (t.refus)
            lu.refus.push_back(guillemets(nom) + ", ligne " + std::to_string(numero)
                               + "\u00a0: " + t.refus->raison + ".");
        else {
            lu.parties.push_back(partie_de(t.partie));
            lu.parties.back().rang = static_cast<uint32_t>(numero);
        }
    }
    return lu;
}

std::string ecrit_parties_texte(std::span<const PartieBase> parties)
{
    std::string texte;
    for (const PartieBase& p : parties) texte += texte_partie(p) + "\n";
    return texte;
}

} // namespace tavik
