#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace tavik::ui {

// What the command line asks of the program.
struct LigneDeCommande
{
    enum class Action { lancer, aide, version, verifier, erreur };
    Action action = Action::lancer;
    std::optional<std::filesystem::path> biblio; // --biblio FICHIER
    std::optional<std::filesystem::path> a_verifier; // --verifier FICHIER
    QString texte; // the help, the version or the error, as printed
};

// Reads the arguments, the program's name first, without Qt's own options (-platform,
// -style...), as QApplication::arguments() gives them. --help wins over --version, and both
// over a mistake elsewhere on the line. Texts in French.
LigneDeCommande lit_ligne_de_commande(const QStringList& arguments);

// The arguments as the system passed them, before the toolkit takes its own options out.
QStringList arguments_bruts(int argc, const char* const* argv);

// What to answer before the toolkit looks for a display, from the arguments as the system
// passed them: the help, the version, or a mistake when the line holds no single-dash word
// (Qt's own options, such as -platform or -style, which only QApplication takes out). Nothing
// when the program goes on to open its windows.
std::optional<LigneDeCommande> reponse_avant_affichage(const QStringList& bruts);

// Prints the help or the version on the standard output, or the error on the error output,
// and returns the program's exit status: 0, or 2 for a mistake on the command line. For
// --verifier, checks the library file and returns the checker's status (verifie_biblio_nommee).
int repond(const LigneDeCommande& ligne);

} // namespace tavik::ui
