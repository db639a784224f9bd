#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavik::ui {

// What the command line asks of the program.
struct LigneDeCommande
{
    enum class Action { lancer, aide, version, verifier, statistiques, erreur };
    Action action = Action::lancer;
    std::optional<std::filesystem::path> biblio; // --biblio FICHIER
    std::optional<std::filesystem::path> a_verifier; // --verifier FICHIER
    std::vector<std::filesystem::path> bases; // --base FICHIER…: game files
    std::optional<std::string> coups; // --statistiques COUPS, in UTF-8
    QString texte; // the help, the version or the error, as printed
};

// Reads the arguments as the system passed them, the program's name first, before the
// toolkit exists, so that every answer is given without a display and in French. The
// toolkit's own options (-platform NAME, -style=NAME, -reverse...) are passed over with their
// values: the toolkit takes them later. --help wins over --version, and both over a mistake
// elsewhere on the line; the first mistake is the one reported.
LigneDeCommande lit_ligne_de_commande(const QStringList& arguments);

// The arguments as the system passed them.
QStringList arguments_bruts(int argc, const char* const* argv);

// Prints the help or the version on the standard output, or the error on the error output,
// and returns the program's exit status: 0, or 2 for a mistake on the command line. For
// --verifier, checks the library file and returns the checker's status (verifie_biblio_nommee);
// for --statistiques, prints what the games of the --base files play after the moves (0, or 2
// when a file cannot be read).
int repond(const LigneDeCommande& ligne);

} // namespace tavik::ui
