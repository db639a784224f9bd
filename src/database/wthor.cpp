#include "database/wthor.h"

#include "engine/disques.h"
#include "engine/grille.h"
#include "library/decodage.h"
#include "record/typographie.h"

namespace tavik {

namespace {

uint32_t octet(std::string_view o, std::size_t i)
{
    return static_cast<unsigned char>(o[i]);
}
uint16_t mot16(std::string_view o, std::size_t i)
{
    return static_cast<uint16_t>(octet(o, i) | octet(o, i + 1) << 8);
}
uint32_t mot32(std::string_view o, std::size_t i)
{
    return mot16(o, i) | static_cast<uint32_t>(mot16(o, i + 2)) << 16;
}

// Why the whole file cannot be read as 8 x 8 games, or nothing.
std::optional<std::string> refus_du_fichier(const EnTeteWthor& e, const std::string& nom)
{
    if (e.taille_plateau == 10)
        return guillemets(nom) + "\u00a0: parties sur 10 × 10, que Tavik ne lit pas.";
    if (e.taille_plateau != 0 && e.taille_plateau != 8)
        return guillemets(nom) + "\u00a0: taille de plateau inconnue ("
            + std::to_string(e.taille_plateau) + ").";
    if (e.probleme == 1) return guillemets(nom) + "\u00a0: fichier de problèmes, pas de parties.";
    return std::nullopt;
}

// Reads one record; the reason when it is refused.
std::optional<std::string> lit_partie(std::string_view r, PartieBase& p)
{
    p.tournoi = mot16(r, 0);
    p.noir = mot16(r, 2);
    p.blanc = mot16(r, 4);
    const uint32_t score = octet(r, 6);
    if (score > 64) return "score de noir impossible (" + std::to_string(score) + ")";
    p.score_noir = static_cast<int8_t>(score);
    PositionJeu position;
    for (int i = 0; i < 60; ++i) {
        const uint32_t code = octet(r, 8 + static_cast<std::size_t>(i));
        auto numero = [i] { return "le coup " + std::to_string(i + 1); };
        if (code == 0) {
            for (int j = i + 1; j < 60; ++j)
                if (octet(r, 8 + static_cast<std::size_t>(j)) != 0)
                    return "coup " + std::to_string(j + 1) + " après la fin de la partie";
            break;
        }
        const Case c {static_cast<int16_t>(code / 10), static_cast<int16_t>(code % 10)};
        if (!sur_plateau(c))
            return numero() + " vaut " + std::to_string(code) + ", qui n'est pas une case";
        if (!position.joue(index_de(c)))
            return numero() + " (" + notation(c) + ") n'est pas jouable";
        p.coups[static_cast<std::size_t>(i)] = static_cast<uint8_t>(index_de(c));
        p.nb_coups = static_cast<uint8_t>(i + 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<EnTeteWthor> lit_entete_wthor(std::string_view o)
{
    if (o.size() < taille_entete_wthor) return std::nullopt;
    EnTeteWthor e;
    e.siecle = static_cast<int>(octet(o, 0));
    e.annee_creation = static_cast<int>(octet(o, 1));
    e.mois = static_cast<int>(octet(o, 2));
    e.jour = static_cast<int>(octet(o, 3));
    e.nb_parties = mot32(o, 4);
    e.nb_noms = mot16(o, 8);
    e.annee = mot16(o, 10);
    e.taille_plateau = static_cast<uint8_t>(octet(o, 12));
    e.probleme = static_cast<uint8_t>(octet(o, 13));
    e.profondeur = static_cast<uint8_t>(octet(o, 14));
    return e;
}

LectureWthor lit_parties_wthor(std::string_view octets, const std::string& nom)
{
    LectureWthor lu;
    const std::optional<EnTeteWthor> entete = lit_entete_wthor(octets);
    if (!entete) {
        lu.refuse = true;
        lu.refus.push_back(guillemets(nom) + "\u00a0: trop court pour un fichier WTHOR ("
                           + std::to_string(octets.size()) + " octets).");
        return lu;
    }
    lu.entete = *entete;
    if (std::optional<std::string> r = refus_du_fichier(lu.entete, nom)) {
        lu.refuse = true;
        lu.refus.push_back(*r);
        return lu;
    }
    const std::size_t corps = octets.size() - taille_entete_wthor;
    const std::size_t entieres = corps / taille_partie_wthor;
    if (entieres != lu.entete.nb_parties || corps % taille_partie_wthor != 0) {
        std::string m = guillemets(nom) + "\u00a0: l'en-tête annonce "
            + std::to_string(lu.entete.nb_parties) + " parties, le fichier en contient "
            + std::to_string(entieres) + " entières";
        if (corps % taille_partie_wthor != 0)
            m += "\u00a0; la partie " + std::to_string(entieres + 1) + " est tronquée ("
                + std::to_string(corps % taille_partie_wthor) + " octets sur 68)";
        lu.refus.push_back(m + ".");
    }
    lu.parties.reserve(entieres);
    for (std::size_t i = 0; i < entieres; ++i) {
        PartieBase p;
        p.annee = static_cast<int16_t>(lu.entete.annee);
        const std::string_view r
            = octets.substr(taille_entete_wthor + i * taille_partie_wthor, taille_partie_wthor);
        if (std::optional<std::string> raison = lit_partie(r, p))
            lu.refus.push_back(guillemets(nom) + ", partie " + std::to_string(i + 1)
                               + "\u00a0: " + *raison + ".");
        else {
            p.rang = static_cast<uint32_t>(i + 1);
            lu.parties.push_back(p);
        }
    }
    return lu;
}

std::vector<std::string> lit_noms_wthor(std::string_view octets, std::size_t taille)
{
    std::vector<std::string> noms;
    if (octets.size() < taille_entete_wthor) return noms;
    const std::size_t nb = (octets.size() - taille_entete_wthor) / taille;
    noms.reserve(nb);
    for (std::size_t i = 0; i < nb; ++i) {
        std::string_view n = octets.substr(taille_entete_wthor + i * taille, taille);
        n = n.substr(0, n.find('\0'));
        noms.push_back(depuis_cp1252(n));
    }
    return noms;
}

} // namespace tavik
