#pragma once

#include <QSettings>
#include <memory>

namespace tavik::ui {

// What the program remembers from one run to the next: the zoom of the main window, the
// chooser's and the drill's "À partir de F5", the files of games, whether the games window is
// open, the places kept for "Lignes de mes parties", and where each of the four windows was
// left ("fenetres/plateau", "fenetres/ouvertures", "fenetres/entrainement",
// "fenetres/parties": the frame's top-left corner, with the size of the chooser and of the
// games window). Nothing of the game is kept.
std::unique_ptr<QSettings> reglages();

// The settings file used from now on instead of the user's (the tests' scratch file).
void reglages_dans(const QString& fichier);

} // namespace tavik::ui
