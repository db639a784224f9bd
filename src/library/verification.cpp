#include "library/verification.h"

#include "library/decodage.h"
#include "library/lecture_biblio.h"
#include "library/texte.h"
#include "library/verification_lignes.h"
#include "record/utf8.h"

#include <algorithm>
#include <cstdio>

namespace tavik {

namespace {

// What the reading did to the file, as the program reports it at every load.
std::vector<Constat> constats_de_lecture(const RapportLecture& rapport)
{
    std::vector<Constat> constats;
    for (const DefautLigne& d : rapport.defauts)
        constats.push_back({d.ligne, d.nombre, Gravite::erreur, d.raison});
    return constats;
}

// The line of the byte at `position`, line breaks counted as the reading counts them.
std::size_t ligne_de(std::string_view octets, std::size_t position)
{
    std::size_t ligne = 1;
    for (std::size_t i = 0; i < position; ++i)
        if (octets[i] == '\n' ? i == 0 || octets[i - 1] != '\r' : octets[i] == '\r') ++ligne;
    return ligne;
}

// A file of UTF-8 text with a few bytes of another encoding is read whole as Windows-1252:
// its UTF-8 accented letters then show as two signs each ("Ã©" for "é").
std::optional<Constat> codage_mele(std::string_view octets, std::string_view codage)
{
    if (codage != "Windows-1252") return std::nullopt;
    bool utf8 = false;
    std::size_t intrus = std::string_view::npos;
    for (std::size_t i = 0; i < octets.size();) {
        const std::size_t n = sequence_utf8(octets, i);
        if (n == 0 && intrus == std::string_view::npos) intrus = i;
        utf8 = utf8 || n > 1;
        i += std::max<std::size_t>(n, 1);
    }
    if (!utf8) return std::nullopt;
    char octet[8];
    std::snprintf(octet, sizeof octet, "0x%02X", static_cast<unsigned char>(octets[intrus]));
    return Constat {
        ligne_de(octets, intrus), 1, Gravite::avertissement,
        "le fichier mêle l'UTF-8 et un autre codage (octet " + std::string(octet)
            + ")\u00a0: il est lu en entier en Windows-1252, et ses lettres accentuées "
              "écrites en UTF-8 s'afficheront mal («\u00a0Ã©\u00a0» pour «\u00a0é\u00a0»)"};
}

// The first line is the header and is never read as an opening, whatever it holds.
std::optional<Constat> entete_perdue(std::string_view octets)
{
    const std::string texte = decode_texte(octets).texte;
    std::string_view entete = std::string_view(texte).substr(0, texte.find_first_of("\r\n"));
    entete.remove_prefix(std::min(entete.find_first_not_of(" \t"), entete.size()));
    const std::string coups = decoupe(entete)[col_coups];
    if (!ressemble_a_des_coups(coups)) return std::nullopt;
    return Constat {1, 1, Gravite::avertissement,
                    "la première ligne est l'en-tête, jamais lue comme une ouverture, mais elle "
                    "en a l'air («\u00a0"
                        + visible(coups) + "\u00a0»)\u00a0: l'en-tête manque-t-il\u00a0?"};
}

std::string compte(std::size_t n, std::string_view mot)
{
    return std::to_string(n) + " " + std::string(mot) + (n > 1 ? "s" : "");
}

std::string lieu(const Constat& c)
{
    if (c.ligne == 0) return "fichier";
    if (c.nombre == 1) return "ligne " + std::to_string(c.ligne);
    return "lignes " + std::to_string(c.ligne) + " à " + std::to_string(c.ligne + c.nombre - 1);
}

} // namespace

std::vector<Constat> verifie_biblio(std::string_view octets, std::size_t max)
{
    const LectureBiblio lecture = lit_biblio(octets, max);
    if (lecture.rapport.refus)
        return {{0, 1, Gravite::erreur,
                 "le fichier ne peut pas être chargé\u00a0: " + *lecture.rapport.refus}};

    std::vector<Constat> constats = constats_de_lecture(lecture.rapport);
    // A file in which no line holds a legal move text is no library, whatever its lines
    // hold: the other program's export, or fields that another separator joined into one.
    if (lecture.lignes.empty())
        constats.push_back({0, 1, Gravite::erreur, "aucune ouverture après l'en-tête"});
    else if (std::none_of(lecture.lignes.begin(), lecture.lignes.end(),
                          [](const LigneBiblio& l) { return ressemble_a_des_coups(l[col_coups]); }))
        constats.push_back({0, 1, Gravite::erreur,
                            "aucune ouverture utilisable\u00a0: aucune ligne n'a de coups jouables "
                            "dans son troisième champ"});
    if (std::optional<Constat> c = codage_mele(octets, lecture.rapport.codage))
        constats.push_back(std::move(*c));
    if (std::optional<Constat> c = entete_perdue(octets)) constats.push_back(std::move(*c));
    // Every line after the header is one record: row r is line r + 2.
    for (Constat& c : verifie_lignes(lecture.lignes, 2)) constats.push_back(std::move(c));
    std::stable_sort(constats.begin(), constats.end(),
                     [](const Constat& a, const Constat& b) { return a.ligne < b.ligne; });
    return constats;
}

std::string texte_verification(const std::vector<Constat>& constats)
{
    std::string texte;
    std::size_t erreurs = 0;
    for (const Constat& c : constats) {
        const bool erreur = c.gravite == Gravite::erreur;
        erreurs += erreur ? 1 : 0;
        texte += lieu(c) + (erreur ? "\u00a0: erreur\u00a0: " : "\u00a0: avertissement\u00a0: ")
            + c.texte + "\n";
    }
    return texte + compte(erreurs, "erreur") + ", "
        + compte(constats.size() - erreurs, "avertissement") + "\n";
}

int code_verification(const std::vector<Constat>& constats)
{
    return std::any_of(constats.begin(), constats.end(),
                       [](const Constat& c) { return c.gravite == Gravite::erreur; })
        ? 1
        : 0;
}

bool est_une_biblio(std::string_view octets)
{
    const std::string texte = decode_texte(octets).texte;
    const LigneBiblio entete
        = decoupe(std::string_view(texte).substr(0, texte.find_first_of("\r\n")));
    const auto titre = [&](int col, std::string_view nom) {
        std::string_view champ = sans_blancs_finaux(entete[col]);
        champ.remove_prefix(std::min(champ.find_first_not_of(' '), champ.size()));
        return egal_en_majuscules(champ, nom);
    };
    return (titre(col_nom, "NOM") && titre(col_coups, "COUPS"))
        || code_verification(verifie_biblio(octets)) == 0;
}

} // namespace tavik
