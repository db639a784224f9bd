#pragma once

#include "windows/chooser/ouverture.h"

#include <QWidget>

class QListWidget;

namespace tavik::ui {

class FenetrePlateau;

// The opening chooser "Tavik - Liste des ouvertures": every opening of the library by name;
// "Charger" loads the selected one onto the main window's board. A top-level window that is
// deleted when closed; each new one runs the core chooser's Form_Load, which fills the list.
class FenetreOuverture : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreOuverture(FenetrePlateau& principale);

    Ouverture& ouverture() { return ouverture_; }

    void actualise(); // shows the core's list
    void Cmdcharger_Click();

private:
    FenetrePlateau& principale_;
    Ouverture ouverture_;
    QListWidget* LstOuverture_ = nullptr;
};

} // namespace tavik::ui
