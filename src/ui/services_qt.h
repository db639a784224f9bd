#pragma once

#include "windows/services.h"

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

namespace tavik::ui {

// What the windows may take from their host instead of the program's own behaviour; tests
// use it to see the messages without a blocking box and to run the animation on a fast clock.
struct Hote
{
    std::function<void(const std::string& texte)> message {}; // empty: a modal box
    std::function<double()> horloge {}; // empty: a monotonic clock
    std::filesystem::path carnet {}; // empty: entrainement.sqlite in the user's data folder
    // empty: Qt's file dialog, from the home folder
    std::function<std::optional<std::filesystem::path>(const DemandeFichier&)> choisit_fichier {};
};

// The core's services on Qt. `fenetre` is the parent of the message boxes; `actualise` shows
// the core's state on the windows: before a message, so the box never hides a board that is
// behind the game, and at each turn of the animation's wait.
//  - message: a modal box with the text, one OK button, no icon and the caption "Tavik";
//  - horloge: seconds of a monotonic clock, so a wait spanning midnight still ends;
//  - traite_evenements: repaints and handles the pending events, holding back the user's
//    input until the move is done, then sleeps a little so the wait does not spin a core;
//  - hasard: the core's default source, never seeded from the clock;
//  - choisit_fichier: a modal file dialog offering the progress files (*.sqlite) first;
//  - confirme: a modal box with the question, the action's button and "Annuler", which is the
//    default and what Escape answers;
//  - lit_reglage, ecrit_reglage: the program's settings file (`reglages`).
Services services_qt(QWidget* fenetre, std::function<void()> actualise, const Hote& hote = {});

// The message box itself, for the windows that show one outside the core.
void boite_message(QWidget* parent, const std::string& texte);

} // namespace tavik::ui
