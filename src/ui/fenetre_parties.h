#pragma once

#include "windows/games/parties.h"

#include <QWidget>
#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QThread;
class QTimer;
class QTreeWidget;

namespace tavik::ui {

class FenetrePlateau;
class PanneauMesParties;

// The games window "Tavik - Parties": the files of games, added by "Ajouter…" or dropped on
// the window and remembered from one run to the next, loaded in the background with a progress
// bar and "Annuler"; below, in the page "Position", the statistics of the main window's board
// with its next moves (a click plays one) and the games through it (a double click loads one).
// It shows the core window `Parties`; each load runs on a thread of its own, the board stays
// usable meanwhile. A top-level window deleted when closed; closing it stops the load.
class FenetreParties : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreParties(FenetrePlateau& principale);
    ~FenetreParties() override;

    Parties& parties() { return parties_; }
    // The pages: "Position" first; other panels on the base are added after it.
    QTabWidget* onglets() const { return onglets_; }

    void actualise(); // shows the core's controls
    PanneauMesParties* mes_parties() const { return mes_parties_; }
    // The base once loaded, null before and while a load runs.
    const Base* base_partagee() const
    {
        return parties_.base_chargee() ? &parties_.base() : nullptr;
    }
    void ajoute_fichiers(const QStringList& chemins);
    // Whether a load's thread is still running (closed windows wait for theirs).
    bool fil_actif() const;
    // The stop request of the last load started, or null before any.
    std::shared_ptr<std::atomic<bool>> annulation() const;

protected:
    void closeEvent(QCloseEvent* e) override; // Form_Unload
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    struct Chargement; // one load and its thread
    void construit();
    QWidget* construit_position();
    void decrit_controles();
    void lance_chargements();
    void chargement_fini(Chargement* c);
    void attend_chargements();
    void suit_progression();
    void CmdAjouter_Click();
    void apres_action(); // both windows show the core's state again
    void partage_base();

    FenetrePlateau& principale_;
    Parties parties_;
    std::vector<std::unique_ptr<Chargement>> chargements_;
    QTimer* minuterie_ = nullptr; // reads the progress of the load under way

    QListWidget* LstFichiers_ = nullptr;
    QPushButton* CmdRetirer_ = nullptr;
    QPushButton* CmdAnnuler_ = nullptr;
    QProgressBar* progression_ = nullptr;
    QLabel* LblEtat_ = nullptr;
    QTabWidget* onglets_ = nullptr;
    QLabel* LblBilan_ = nullptr;
    QTreeWidget* LstSuivants_ = nullptr;
    QTreeWidget* LstParties_ = nullptr;
    Tableau suivants_montres_, parties_montrees_;
    PanneauMesParties* mes_parties_ = nullptr;
    // The base last handed to the other views (its games' storage tells a new load apart).
    std::pair<const Base*, const PartieBase*> partagee_ {};
};

} // namespace tavik::ui
