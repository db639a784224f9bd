#pragma once

#include <QString>
#include <filesystem>

namespace tavik::ui {

// The user's own data folder for Tavik: ~/.local/share/tavik on Linux ($XDG_DATA_HOME/tavik
// when that is set). Not created here: whoever writes into it creates it. Empty when the
// system knows no home folder.
std::filesystem::path dossier_donnees_utilisateur();

// The folders installed with the program, found from the executable's own folder, so that an
// unpacked package works wherever it lies. They need the QCoreApplication; outside an
// installation (in a build tree) they name folders that do not exist.
std::filesystem::path dossier_donnees_installees(); // share/tavik: the shipped library
std::filesystem::path dossier_documentation_installee(); // share/doc/tavik: README, licence

// A path from Qt's text and back, in the system's encoding of file names.
std::filesystem::path chemin_local(const QString& chemin);
QString texte_chemin(const std::filesystem::path& chemin);

} // namespace tavik::ui
