#pragma once

#include "windows/drill/entrainement.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tavik::ui {

class FenetrePlateau;
class Graphique;

// The training window "Tavik - Entraînement": the colour above two pages, "Séance" (the lines
// to train, "Commencer", "Arrêter", "Suivant" and the panel of the exercise) and "Progrès"
// (the counts of lines, the weakest lines, the chart of the last 30 days and the pace of new
// lines). It shows the core window `Entrainement` and hands it the user's actions; the
// exercises are played on the main window's board. A top-level window deleted when closed;
// closing it ends the session.
class FenetreEntrainement : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreEntrainement(FenetrePlateau& principale);

    Entrainement& entrainement() { return entrainement_; }

    void actualise(); // shows the core's controls

protected:
    void closeEvent(QCloseEvent* e) override; // Form_Unload

private:
    void construit();
    void construit_seance(QWidget* page);
    void construit_progres(QWidget* page);
    void decrit_controles(); // descriptions_entrainement.cpp
    QPushButton* commande(QWidget* page, const QString& texte, const char* nom, int x,
                          void (Entrainement::*gestionnaire)(), int y = 218, int largeur = 89);
    void apres_action(); // both windows show the core's state again

    FenetrePlateau& principale_;
    Entrainement entrainement_;

    std::array<QRadioButton*, 2> OptCouleur_ {};
    QCheckBox* ChkDepuisF5_ = nullptr;
    std::array<QRadioButton*, 4> OptPortee_ {};
    QPushButton* CmdViderMesParties_ = nullptr;
    QLineEdit* TxtFiltre_ = nullptr;
    QListWidget* LstOuverture_ = nullptr;
    Liste liste_montree_; // what LstOuverture_ shows
    QPushButton* CmdCommencer_ = nullptr;
    QPushButton* CmdArreter_ = nullptr;
    QPushButton* CmdSuivant_ = nullptr;
    QLabel* LblAnnonce_ = nullptr;
    QLabel* LblMessage_ = nullptr;
    QLabel* LblLigne_ = nullptr;
    QLabel* LblBilan_ = nullptr;
    QLabel* LblCommentaire_ = nullptr;
    QLabel* LblScore_ = nullptr;
    QLabel* LblProgres_ = nullptr;
    QLabel* LblConnues_ = nullptr;
    QLabel* LblDues_ = nullptr;
    QLabel* LblNouvelles_ = nullptr;
    QLabel* LblApprentissage_ = nullptr;
    QListWidget* LstFaibles_ = nullptr;
    Graphique* graphique_ = nullptr;
    QSpinBox* TxtNouvelles_ = nullptr;
    QPushButton* CmdExporter_ = nullptr;
    QPushButton* CmdImporter_ = nullptr;
};

} // namespace tavik::ui
