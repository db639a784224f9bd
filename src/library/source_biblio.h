#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavik {

// Where the library file is looked for, in this order.
enum class Endroit {
    nomme, // a file that the user named: taken as it is, never replaced by another
    dossier_de_travail, // "biblio.csv" in the working folder
    donnees_utilisateur, // the user's own copy
    installation, // the copy installed with the program
};

inline constexpr const char* nom_fichier_biblio = "biblio.csv";

struct Candidat
{
    Endroit endroit;
    std::filesystem::path chemin;
    bool present = false; // something is there; filled by whoever looks at the disk
    friend bool operator==(const Candidat&, const Candidat&) = default;
};

// The folders that the host knows of. An empty folder is one that it does not know.
struct DossiersBiblio
{
    std::optional<std::filesystem::path> fichier_nomme; // relative to the working folder
    std::filesystem::path dossier_de_travail;
    std::filesystem::path donnees_utilisateur;
    std::filesystem::path installation;
};

// The candidates in the order of the search: the named file alone when there is one;
// otherwise "biblio.csv" in the working folder, in the user's data folder, in the installed
// data folder, each when its folder is known.
std::vector<Candidat> candidats_biblio(const DossiersBiblio& dossiers);

// The file to read: the named file whether it is there or not (reading it says what is
// wrong), else the first candidate present, else none.
std::optional<std::filesystem::path> choisit_biblio(std::span<const Candidat> candidats);

// What to tell the user when no candidate is present: every place searched, one a line.
std::string message_biblio_introuvable(std::span<const Candidat> candidats);

} // namespace tavik
