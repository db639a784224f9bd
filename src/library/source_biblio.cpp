#include "library/source_biblio.h"

#include "record/typographie.h"

#include <algorithm>

namespace tavik {

namespace {

const char* description(Endroit endroit)
{
    switch (endroit) {
    case Endroit::nomme:
        return "le fichier demandé";
    case Endroit::dossier_de_travail:
        return "dans le dossier de travail";
    case Endroit::donnees_utilisateur:
        return "dans vos données";
    case Endroit::installation:
        return "avec le programme installé";
    }
    return "";
}

} // namespace

std::vector<Candidat> candidats_biblio(const DossiersBiblio& dossiers)
{
    if (dossiers.fichier_nomme)
        return {{Endroit::nomme, dossiers.dossier_de_travail / *dossiers.fichier_nomme}};

    std::vector<Candidat> candidats;
    const std::pair<Endroit, const std::filesystem::path&> dossiers_connus[] {
        {Endroit::dossier_de_travail, dossiers.dossier_de_travail},
        {Endroit::donnees_utilisateur, dossiers.donnees_utilisateur},
        {Endroit::installation, dossiers.installation},
    };
    for (const auto& [endroit, dossier] : dossiers_connus)
        if (!dossier.empty()) candidats.push_back({endroit, dossier / nom_fichier_biblio});
    return candidats;
}

std::optional<std::filesystem::path> choisit_biblio(std::span<const Candidat> candidats)
{
    const auto choisi = std::find_if(candidats.begin(), candidats.end(), [](const Candidat& c) {
        return c.endroit == Endroit::nomme || c.present;
    });
    if (choisi == candidats.end()) return std::nullopt;
    return choisi->chemin;
}

// Says where the library was searched, and what a desktop user does about it: put a file
// where the program searches (the user's data folder, which survives an update) and press
// "Jouer", which searches again; naming a file on the command line comes last.
std::string message_biblio_introuvable(std::span<const Candidat> candidats)
{
    std::string texte = "Aucune bibliothèque d'ouvertures " + guillemets(nom_fichier_biblio)
        + " n'a été trouvée. Tavik l'a cherchée\u00a0:";
    std::string donnees;
    for (const Candidat& c : candidats) {
        texte += "\n– " + std::string(description(c.endroit)) + "\u00a0: " + c.chemin.string();
        if (c.endroit == Endroit::donnees_utilisateur) donnees = c.chemin.parent_path().string();
    }
    texte += "\n\nLa bibliothèque d'ouvertures est vide. Pour en avoir une, copiez un fichier "
             "de bibliothèque sous le nom "
        + guillemets(nom_fichier_biblio)
        + (donnees.empty() ? std::string(" dans l'un de ces dossiers")
                           : " dans le dossier " + guillemets(donnees))
        + ", puis appuyez sur " + guillemets("Jouer")
        + "\u00a0: Tavik la cherche de nouveau. Depuis un terminal, "
        + guillemets("tavik --biblio FICHIER") + " lit le fichier que vous nommez.";
    return texte;
}

} // namespace tavik
