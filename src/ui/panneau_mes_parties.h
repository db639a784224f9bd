#pragma once

#include "windows/games/mes_parties.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tavik::ui {

class FenetrePlateau;

// The "Mes parties" page of the games window: whose games (a text file of the base, or a
// player of the tournament files by part of the name), the games in a table against the
// library, "Ajouter ces lignes à l'entraînement" and "Retirer ces lignes de l'entraînement". Enter
// or a double click on a game loads it on the main window's board. The page shows the core's
// `MesParties` and forwards the user's actions to it.
class PanneauMesParties : public QWidget
{
    Q_OBJECT

public:
    explicit PanneauMesParties(FenetrePlateau& principale, QWidget* parent = nullptr);

    MesParties& modele() { return modele_; }
    // The games window's base, once loaded; null while it loads. It must outlive the page or
    // be withdrawn first.
    void base_chargee(const Base* base);
    void actualise();

private:
    void construit();
    void decrit_controles();
    void apres_action();

    FenetrePlateau& principale_;
    MesParties modele_;
    QComboBox* LstSource_ = nullptr;
    QLineEdit* TxtJoueur_ = nullptr;
    QTreeWidget* LstParties_ = nullptr;
    QLabel* LblBilan_ = nullptr;
    QPushButton* CmdAjouter_ = nullptr;
    QPushButton* CmdRetirer_ = nullptr;
    QLabel* LblMessage_ = nullptr;
};

} // namespace tavik::ui
