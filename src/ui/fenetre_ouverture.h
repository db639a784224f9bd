#pragma once

#include "windows/chooser/ouverture.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavik::ui {

class FenetrePlateau;

// The opening chooser "Tavik - Liste des ouvertures": every opening of the library by name,
// with its moves beside it; "Charger", Enter or a double click loads the selected one onto the
// main window's board, Escape closes the window. A filter above the list finds names and first
// moves; "À partir de F5", remembered from one run to the next, loads the lines from F5. A
// top-level window that is deleted when closed; each new one runs the core chooser's
// Form_Load, which fills the list. It can be made taller or wider: the list takes the room.
class FenetreOuverture : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize taille_initiale {336, 539};

    explicit FenetreOuverture(FenetrePlateau& principale);

    Ouverture& ouverture() { return ouverture_; }

    void actualise(); // shows the core's list, filter and box
    void Cmdcharger_Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    // Down goes from the filter into the list; the list keeps Home and End.
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construit();
    void decrit_controles();
    void dispose(QSize taille);
    void charge_au_clavier(); // Enter: the selected entry, or the first one listed

    FenetrePlateau& principale_;
    Ouverture ouverture_;
    QLabel* invite_ = nullptr;
    QLineEdit* TxtFiltre_ = nullptr;
    QListWidget* LstOuverture_ = nullptr;
    QCheckBox* ChkDepuisF5_ = nullptr;
    QPushButton* Cmdcharger_ = nullptr;
};

} // namespace tavik::ui
