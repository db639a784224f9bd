#include "windows/main_window/messages_chargement.h"

#include "record/typographie.h"

#include <algorithm>
#include <vector>

namespace tavik {

namespace {

constexpr std::string_view biblio_vide = "\nLa bibliothèque d'ouvertures est vide.";
constexpr std::size_t lignes_citees = 5;

std::string fichier(std::string_view nom)
{
    return "Le fichier " + guillemets(nom);
}

// "ligne 4", "lignes 1003 à 1050", "lignes 4, 9 et 15", "lignes 4, 9, 15, 22, 30 et 1 autre",
// "… et 3 autres".
std::string lignes(const std::vector<const DefautLigne*>& defauts)
{
    const auto numero = [](std::size_t n) { return std::to_string(n); };
    if (defauts.size() == 1) {
        const DefautLigne& d = *defauts[0];
        return d.nombre == 1 ? "ligne " + numero(d.ligne)
                             : "lignes " + numero(d.ligne) + " à " + numero(d.ligne + d.nombre - 1);
    }
    const std::size_t citees = std::min(defauts.size(), lignes_citees);
    std::string s = "lignes ";
    for (std::size_t i = 0; i < citees; ++i) {
        if (i > 0) s += i + 1 == defauts.size() ? " et " : ", ";
        s += numero(defauts[i]->ligne);
    }
    if (const std::size_t autres = defauts.size() - citees; autres > 0)
        s += " et " + numero(autres) + (autres > 1 ? " autres" : " autre");
    return s;
}

// What happened to the lines of one kind of finding, said of one line or of several.
std::string ce_qui_arrive(GenreDefaut genre, bool plusieurs)
{
    const std::string s = plusieurs ? "s" : "";
    switch (genre) {
    case GenreDefaut::trop_long:
        return "ouverture" + s + " trop longue" + s + ", coupée" + s + " après "
            + std::to_string(longueur_max_enregistrement) + " caractères";
    case GenreDefaut::trop_de_champs:
        return "plus de 6 champs, le texte au-delà du sixième est ignoré";
    case GenreDefaut::hors_table:
        return "au-delà des " + std::to_string(nb_lignes_biblio)
            + " ouvertures que la bibliothèque peut tenir, ignorée" + s;
    }
    return {};
}

// One line of the message for a kind of finding, or nothing when the file has none of it.
std::string resume(const RapportLecture& rapport, GenreDefaut genre)
{
    std::vector<const DefautLigne*> defauts;
    std::size_t total = 0;
    for (const DefautLigne& d : rapport.defauts) {
        if (d.genre != genre) continue;
        defauts.push_back(&d);
        total += d.nombre;
    }
    if (defauts.empty()) return {};
    return "\n• " + lignes(defauts) + "\u00a0: " + ce_qui_arrive(genre, total > 1);
}

} // namespace

std::string message_fichier_illisible(std::string_view nom, std::string_view raison)
{
    return "Impossible de lire le fichier " + guillemets(std::string(nom))
        + "\u00a0: " + std::string(raison) + "." + std::string(biblio_vide);
}

std::optional<std::string> message_lecture(std::string_view nom, const RapportLecture& rapport)
{
    if (rapport.refus)
        return fichier(nom) + " ne peut pas être chargé\u00a0: " + *rapport.refus + "."
            + std::string(biblio_vide);
    if (rapport.defauts.empty()) return std::nullopt;
    std::string message = fichier(nom) + " n'a pas été chargé en entier\u00a0:";
    for (const GenreDefaut genre :
         {GenreDefaut::trop_long, GenreDefaut::trop_de_champs, GenreDefaut::hors_table})
        message += resume(rapport, genre);
    return message;
}

} // namespace tavik
