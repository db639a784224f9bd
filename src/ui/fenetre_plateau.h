#pragma once

#include "elements.h"
#include "fenetre_entrainement.h"
#include "fenetre_ouverture.h"
#include "fenetre_parties.h"
#include "services_qt.h"
#include "windows/foncom.h"
#include "windows/main_window/plateau.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace tavik::ui {

class Echelle;

// The main window "Tavik V1.4": the board, the scores, the move list, the library panel and
// every command. It holds no game logic: each action of the user goes to the handler of the
// core window `Plateau`, then `actualise` shows the core's controls again. Its controls carry
// the names of the core's controls as object names ("cmd_jouer", "plateau_37", "LstCoup"...).
class FenetrePlateau : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and runs the start sequence (the core's Form_Load), which reads the
    // library file; the caller then shows the window.
    // The library is the first of `candidats` found (see the core's Plateau); or the file
    // `fichier_biblio` itself.
    explicit FenetrePlateau(FonCom& com, std::vector<Candidat> candidats, Hote hote = {});
    explicit FenetrePlateau(FonCom& com, std::filesystem::path fichier_biblio = "biblio.csv",
                            Hote hote = {});
    ~FenetrePlateau() override;

    Plateau& plateau() { return plateau_; }
    const Hote& hote() const { return hote_; }

    // Repaints every control from the core's state.
    void actualise();

    // "Ouvertures": the chooser, modeless, one at most, opened where it was left (see
    // places_retenues.h), else beside the other windows; "A propos...": the about box, modal,
    // beside this window.
    void CmdChager_Click();
    void CmdInfo_Click();
    FenetreOuverture* fenetre_ouverture() const { return ouverture_; }
    // "Entraîner": the training window, modeless, one at most, opened where it was left, else
    // beside the other windows.
    void CmdEntrainer_Click();
    FenetreEntrainement* fenetre_entrainement() const { return entrainement_; }
    // "Parties": the games window, modeless, one at most, opened where it was left, at the size
    // it had, else beside the other windows.
    void CmdParties_Click();
    FenetreParties* fenetre_parties() const { return parties_; }
    // Once this window is shown at start-up: the games window comes back beside it when it was
    // open as the program last closed, its files loading in the background; this window keeps
    // the keyboard. Closing this window remembers whether the games window is open.
    void rouvre_fenetres();

    // The zoom of the whole window (zoom_plateau.cpp), 1 at the layout's own places: Ctrl++,
    // Ctrl+-, Ctrl+0 or a resize of the window change it, and it is remembered (`retenu`);
    // the window never grows beyond the screen.
    double zoom() const;
    void zoome(double zoom, bool retenu = true);

    Tuile* tuile(int index) const { return tuiles_.at(static_cast<std::size_t>(index)); }

    // The game as text. Ctrl+C puts the game up to the current point on the clipboard; Ctrl+V,
    // or a text dropped on the board, loads a game as the chooser loads an opening, or says
    // where the text goes wrong.
    void copie_partie();
    void colle_partie();
    void charge_texte(const QString& texte);

protected:
    void closeEvent(QCloseEvent* e) override; // Form_Unload: the other windows go too
    void resizeEvent(QResizeEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void construit();
    // The keys of the commands, whatever control has the focus (clavier.cpp).
    void installe_clavier();
    void installe_zoom();
    bool accepte_depot(const QDropEvent& e) const;
    // The board from the keyboard: the tile under the core's cursor is the board's one tab
    // stop; with the focus there the arrows move the cursor, Space or Enter plays its square
    // and a typed square name plays that square (curseur_plateau.cpp).
    void installe_curseur();
    void montre_curseur();
    // French names and descriptions for screen readers; those that follow the game are
    // renewed by `actualise` (accessibilite.cpp).
    static void installe_interfaces_accessibles(); // before the first tile is made
    void decrit_controles();
    void actualise_descriptions();
    // A check box changed by the user: its new value goes to the core, which runs its click
    // operation once.
    void coche(CaseACocher& cas, bool cochee);
    void Form_Unload();
    // A refused move's bubble and the tiles' tooltips (bulles.cpp).
    void montre_bulles();

    Hote hote_;
    Plateau plateau_;
    QPointer<FenetreOuverture> ouverture_;
    QPointer<FenetreEntrainement> entrainement_;
    QPointer<FenetreParties> parties_;
    Echelle* echelle_ = nullptr;

    std::array<Tuile*, 64> tuiles_ {};
    Tuile* quijoue_ = nullptr;
    QLabel* nb_noir_ = nullptr;
    QLabel* nb_blanc_ = nullptr;
    QListWidget* LstCoup_ = nullptr;
    QLineEdit* TxtSuivant_ = nullptr;
    QCheckBox* chk_voir_coup_ = nullptr;
    QCheckBox* ChkVoirOuverture_ = nullptr;
    QCheckBox* ChkNoirAuto_ = nullptr;
    QCheckBox* ChkBlancAuto_ = nullptr;
    QLabel* lbl_noir_auto_ = nullptr;
    QLabel* lbl_blanc_auto_ = nullptr;
    QPushButton* CmdDebut_ = nullptr;
    QPushButton* CmdPrecedent_ = nullptr;
    QPushButton* CmdSuivant_ = nullptr;
    QPushButton* CmdFin_ = nullptr;
    QLabel* LblOuverture_ = nullptr;
    QLabel* LblBilan_ = nullptr;
    QLabel* LblCommentaire_ = nullptr;
    QListWidget* LstSuite_ = nullptr;
    QLabel* bulle_ = nullptr; // made at the first refusal
    QTimer* fin_bulle_ = nullptr;
    int bulle_vue_ = 0; // the number of the last bubble shown
};

} // namespace tavik::ui
