#pragma once

#include "database/chargement_base.h"
#include "database/statistiques.h"
#include "library/positions_biblio.h"
#include "windows/controles.h"
#include "windows/main_window/plateau.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavik {

// A list of several columns; `donnees` holds one integer per row. Selection -1 means none.
struct Tableau
{
    std::vector<std::vector<std::string>> lignes;
    std::vector<int> donnees;
    int selection = -1;

    void vide()
    {
        lignes.clear();
        donnees.clear();
        selection = -1;
    }
    int nombre() const { return static_cast<int>(lignes.size()); }
};

// A load that the window asks its host to run, away from the windows: `charge_base` over the
// files, its `Suivi` reporting to `avance` and stopped by `annule`, its result handed back to
// `termine` with the same `numero`. A later request, "Annuler" or closing the window sets
// `annule`; the result of a request that is no longer the last one is dropped.
struct DemandeChargement
{
    int numero = 0;
    std::vector<std::filesystem::path> fichiers;
    int profondeur = 60;
    std::shared_ptr<std::atomic<bool>> annule = std::make_shared<std::atomic<bool>>(false);
};

// The "Parties" window: the files of games loaded (tournament files and text files of one's
// own games), and for the position of the main window's board, whatever its orientation and
// the moves that reached it, the games through it, their results and the moves played next,
// each on the board as it stands with the library's name and evaluation for it. A click on a
// move plays it on the board; a double click on a game loads the whole game.
class Parties
{
public:
    static constexpr int nb_parties_max = 500; // the games listed below the moves

    // `fichiers`: the files remembered from the last run. `retient` is told the list whenever
    // the user changes it.
    Parties(Plateau& plateau, std::vector<std::filesystem::path> fichiers,
            std::function<void(const std::vector<std::filesystem::path>&)> retient = {});
    ~Parties();
    Parties(const Parties&) = delete;
    Parties& operator=(const Parties&) = delete;

    // The files, as given; data: the file's place in the list.
    Liste LstFichiers;
    Bouton CmdRetirer {false}; // "Retirer": the selected file
    Bouton CmdAnnuler {false}; // "Annuler": the load under way
    double progression = 0; // 0 to 1, while a load runs
    Etiquette LblEtat; // what was loaded, what was refused, or the load under way
    Etiquette LblBilan; // "N parties : noir X %, nul Y %, blanc Z %"
    // Columns: move, games, score for the side that plays it, opening, evaluation; data: the
    // square on the board.
    Tableau LstSuivants;
    bool score_pour_blanc = false; // the side that plays the moves listed, whose score they show
    // Columns: black, white, tournament, year, score; data: the game's number in the base.
    Tableau LstParties;

    // The window opens: the remembered files are loaded, if there are any.
    void Form_Load();
    // The window closes: a load under way stops.
    void Form_Unload();
    // Files added by the dialog or dropped on the window; those already listed are not added
    // twice. The whole list is loaded again.
    void ajoute_fichiers(const std::vector<std::filesystem::path>& fichiers);
    void LstFichiers_Click(int entree);
    void CmdRetirer_Click();
    void CmdAnnuler_Click();

    // The load that the host must run now, once; nothing when there is none.
    std::optional<DemandeChargement> prend_demande();
    void avance(int numero, double fraction);
    void termine(int numero, Base base);
    bool en_chargement() const { return en_cours_.has_value(); }

    // The board changed: the statistics follow its position. Cheap when it has not moved.
    void actualise();
    // A click on a next move: it is played on the board.
    void LstSuivants_Click(int entree);
    // A double click on a game: the whole game is loaded on the board.
    void LstParties_DblClick(int entree);

    const std::vector<std::filesystem::path>& fichiers() const { return fichiers_; }
    const Base& base() const { return base_; }
    bool base_chargee() const { return chargee_; }
    const Plateau& plateau() const { return plateau_; }

private:
    void montre_fichiers();
    void demande_chargement();
    void change_fichiers();
    void montre_etat();
    void montre_position();
    void montre_suivants(const Statistiques& stats);
    void montre_parties(const Disques& disques, bool blanc_au_trait);
    void relit_biblio();

    Plateau& plateau_;
    std::function<void(const std::vector<std::filesystem::path>&)> retient_;
    std::vector<std::filesystem::path> fichiers_;
    int abonnement_;
    PositionsBiblio biblio_;

    Base base_;
    bool chargee_ = false;
    std::optional<DemandeChargement> a_lancer_;
    std::optional<DemandeChargement> en_cours_; // the last request, until its result comes
    int derniere_demande_ = 0;
    bool annulee_ = false; // the last load was stopped by the user

    // What the statistics were shown for, so that an unchanged board costs nothing.
    struct Vue
    {
        Disques disques;
        bool blanc_au_trait = false;
        bool cachee = false;
        int version = -1;
        friend bool operator==(const Vue&, const Vue&) = default;
    };
    Vue vue_;
    int version_ = 0; // grows with every new base or library
};

} // namespace tavik
