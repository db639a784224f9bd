#include "library/lecture_biblio.h"

#include "library/decodage.h"
#include "record/utf8.h"

#include <algorithm>

namespace tavik {

namespace {

// Whether `decoupe` leaves text out: something other than separators after the sixth field.
bool perd_du_texte(std::string_view enregistrement)
{
    std::size_t debut = 0;
    for (int champ = 1; champ <= nb_colonnes_biblio; ++champ) {
        const std::size_t separateur = enregistrement.find(';', debut);
        if (separateur == std::string_view::npos) return false;
        debut = separateur + 1;
    }
    return enregistrement.find_first_not_of(';', debut) != std::string_view::npos;
}

// The next line of `texte`, which loses it and its line break (CR LF, LF or CR).
std::string_view prochaine_ligne(std::string_view& texte)
{
    const std::size_t fin = texte.find_first_of("\r\n");
    const std::string_view ligne = texte.substr(0, fin);
    if (fin == std::string_view::npos) {
        texte = {};
    } else {
        const bool crlf = texte[fin] == '\r' && fin + 1 < texte.size() && texte[fin + 1] == '\n';
        texte.remove_prefix(fin + (crlf ? 2 : 1));
    }
    return ligne;
}

// One record: its leading blanks skipped, cut after its first 32767 characters, split into
// the columns; what it loses is reported.
void ajoute_enregistrement(std::string_view ligne, std::size_t numero, LectureBiblio& lecture)
{
    std::vector<DefautLigne>& defauts = lecture.rapport.defauts;
    ligne.remove_prefix(std::min(ligne.find_first_not_of(" \t"), ligne.size()));
    const std::string_view gardee = premiers_caracteres(ligne, longueur_max_enregistrement);
    if (gardee.size() < ligne.size())
        defauts.push_back({numero, 1, GenreDefaut::trop_long,
                           "enregistrement de " + std::to_string(nb_caracteres(ligne))
                               + " caractères, coupé après les "
                               + std::to_string(longueur_max_enregistrement) + " premiers"});
    if (perd_du_texte(gardee))
        defauts.push_back({numero, 1, GenreDefaut::trop_de_champs,
                           "plus de 6 champs\u00a0: le texte au-delà du sixième est ignoré"});
    lecture.lignes.push_back(decoupe(gardee));
}

DefautLigne ignores(std::size_t premier, std::size_t nombre, std::size_t max)
{
    const bool un = nombre == 1;
    return {premier, nombre, GenreDefaut::hors_table,
            std::to_string(nombre) + (un ? " enregistrement" : " enregistrements") + " au-delà des "
                + std::to_string(max) + " que la bibliothèque peut tenir, "
                + (un ? "ignoré" : "ignorés")};
}

} // namespace

LectureBiblio lit_biblio(std::string_view octets, std::size_t max)
{
    LectureBiblio lecture;
    const TexteDecode decode = decode_texte(octets);
    lecture.rapport.codage = decode.codage;
    lecture.rapport.refus = decode.refus;

    std::string_view texte = decode.texte;
    lecture.lignes.reserve(
        std::min<std::size_t>(std::count(texte.begin(), texte.end(), '\n'), max));
    std::size_t premier_ignore = 0;
    std::size_t nb_ignores = 0;
    for (std::size_t numero = 1; !texte.empty(); ++numero) {
        const std::string_view ligne = prochaine_ligne(texte);
        if (numero == 1) continue; // the header
        if (lecture.lignes.size() < max) {
            ajoute_enregistrement(ligne, numero, lecture);
        } else if (nb_ignores++ == 0) {
            premier_ignore = numero;
        }
    }
    if (nb_ignores > 0) lecture.rapport.defauts.push_back(ignores(premier_ignore, nb_ignores, max));
    return lecture;
}

LigneBiblio decoupe(std::string_view enregistrement)
{
    LigneBiblio ligne;
    std::size_t colonne = 0;
    for (;;) {
        const std::size_t separateur = enregistrement.find(';');
        ligne[colonne] = enregistrement.substr(0, separateur);
        if (separateur == std::string_view::npos || ++colonne == ligne.size()) break;
        enregistrement.remove_prefix(separateur + 1);
    }
    return ligne;
}

} // namespace tavik
