#pragma once

#include "engine/grille.h"
#include "library/codes.h"
#include "library/source_biblio.h"
#include "orientation/transformations.h"
#include "record/liste_coups.h"
#include "windows/controles.h"
#include "windows/entraineur.h"
#include "windows/foncom.h"
#include "windows/services.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavik {

// Between the move and the opening name in an entry of the continuation list: "F6 : Tigre".
inline constexpr const char* separateur_suite = "\u00a0: ";

// Mouse buttons as the tiles report them.
enum BoutonSouris : int16_t { bouton_gauche = 1, bouton_droit = 2, bouton_milieu = 4 };

// The main window: the one game, its record, the library panel and every command. The
// toolkit layer shows `controles` and forwards the user's actions to the handlers below.
class Plateau
{
public:
    // The library is the file `fichier_biblio`, read whether it is there or not.
    Plateau(FonCom& com, Services services, std::filesystem::path fichier_biblio = "biblio.csv");
    // The library is the first of `candidats` that the services find (see choisit_biblio); once
    // one is found, every load reads that same file, and until then each load searches again.
    Plateau(FonCom& com, Services services, std::vector<Candidat> candidats);
    Plateau(const Plateau&) = delete;
    Plateau& operator=(const Plateau&) = delete;

    // Public variables, also written by the opening chooser.
    int16_t rotation = 0; // quarter turns of the displayed orientation, 0 to 3
    int16_t sym_positive = 0; // "Sym /" flag, 0 or 1
    int16_t sym_negative = 0; // "Sym \" flag, 0 or 1
    int16_t num_coup = 0; // the slot that the next move fills; 1 is the start position
    int16_t num_rejoue = 0; // one more than the last recorded slot; 0 before the first move
    bool CoupJoueurBiblio = false; // the user's moves are held to the library continuations

    ControlesPlateau controles;

    // Start sequence, run when the window opens and by "Jouer".
    void Form_Load();
    // `rappel` runs after every reading of the library file, once the evaluations are texts
    // and before any message about it, so that an open chooser lists the rows just read and the
    // drill trains on them. The number returned stops it.
    int abonne_lecture_biblio(std::function<void()> rappel);
    void desabonne_lecture_biblio(int numero);
    void cmd_jouer_Click()
    {
        if (!occupe()) Form_Load();
    }

    // Game state.
    void init_jeu();
    void nouvelle_partie();

    // Turn change.
    void compte_pions();
    void enregistre_coup(int16_t ligne, int16_t colonne);
    void change_joueur(const Grille& grille);

    // The board's mouse events; `index` is the tile 0..63.
    void plateau_MouseDown(int index, int16_t button, int16_t shift = 0, float x = 0, float y = 0);
    void plateau_MouseUp(int index, int16_t button, int16_t shift = 0, float x = 0, float y = 0);

    // Record and navigation.
    void rejoue_partie();
    void affiche_liste_coups();
    void CmdDebut_Click();
    void CmdPrecedent_Click();
    void CmdSuivant_Click();
    void CmdFin_Click();

    // Library.
    std::string conv_abrev(std::string_view abrev) const;
    std::string ConvCommentJeu(std::string_view comment) const;
    std::string ConvBiblioJeu(std::string_view coup) const;
    void cherche_ouverture();
    // `ligne` is the row of a library line that ends with `coup`, whose evaluation the entry
    // shows; -1 for none.
    void ajoute_suite(const std::string& coup, const std::string& nom, int ligne = -1);
    void rot_jeu();
    void SymPos_jeu();
    void SymNeg_jeu();

    // A whole game written into the record, from slot 1, the orientation reset, then shown at
    // its end as ">>" does: the chooser's lines and the games pasted or dropped as text.
    void charge_partie(std::span<const Emplacement> partie);
    // A game written as text ("f5d6c3"): loaded when the rules accept it, otherwise refused
    // with a message that says where it goes wrong, the game on the board unchanged.
    void charge_transcription(std::string_view texte);
    // The game up to the current point as text, from the usual start: "f5d6c3".
    std::string transcription() const;

    // Orientation commands.
    void CmdRotation_Click();
    void CmdSymPositive_Click();
    void CmdSymNegative_Click();

    // Board display.
    void affiche_tab(const Grille& jeu);
    void affiche_coups_possibles(const Grille& jeu, int8_t num_image);
    void affiche_suites();
    void pose_pion(int index);
    void wait(double n);
    void chk_voir_coup_Click() { rafraichit(); }
    void ChkVoirOuverture_Click() { rafraichit(); }

    // What a tile and the side-to-move box say to a screen reader: the square and its content
    // with the marks that the board shows ("F5 : vide, coup possible"), the side to move.
    std::string description_case(int index) const;
    std::string description_trait() const;
    // The tooltip of a tile: the library continuation that it is, with its opening and its
    // evaluation ("F6 : Tigre", then "Égalité."); empty text for any other square.
    std::string infobulle_case(int index) const;

    // The keyboard (clavier_plateau.cpp): the arrows move the cursor by (colonnes, lignes),
    // within the board; Space or Enter presses the cursor's square; a typed square name ("f5",
    // one character at a time) moves the cursor there and presses it. A key press is a left
    // click on the square; a refused one says why in the bubble, as a click held to the
    // library does, and so does a key that does not make a square name.
    void curseur_deplace(int colonnes, int lignes);
    void curseur_joue();
    void frappe(char caractere);

    // Automatic play.
    void joue_auto();
    void ChkNoirAuto_Click();
    void ChkBlancAuto_Click();

    // The drill that runs on the board, or none: the training window installs itself while a
    // session runs and removes itself when it ends.
    void installe_entraineur(Entraineur* entraineur);
    const Entraineur* entraineur() const { return entraineur_; }
    // The drill keeps the library's continuations out of sight while its exercise runs: the
    // list shows none and "Coups d'ouv." marks nothing; the continuations stay known to the
    // game's own logic.
    bool suites_cachees() const { return entraineur_ && entraineur_->cache_la_bibliotheque(); }
    // A new game from the start position, without reading the library: an exercise's start.
    void recommence();

    // A disc is being placed: the window still repaints, but no command may change the game
    // until the move is complete.
    bool occupe() const { return en_pose_; }

    // Read access for the toolkit layer, the chooser and the tests.
    const Grille& tab() const { return tab_; }
    int16_t joueur() const { return joueur_; }
    FonCom& com() { return com_; }
    const FonCom& com() const { return com_; }
    // The library file that the loads read; none while no candidate has been found.
    const std::optional<std::filesystem::path>& fichier_biblio() const { return fichier_biblio_; }

private:
    friend struct AccesPlateau; // tests set up positions directly

    // One continuation of the current position: the move as cut from the library, with its
    // letter case, and the opening that it completes, or "...".
    struct Suite
    {
        std::string coup;
        std::string nom = "...";
        int ligne = -1; // the library row whose evaluation the entry shows, or none
    };
    static constexpr int nb_suites_max = 30;

    ListeCoups& liste_coups() { return com_.liste_coups; }
    const ListeCoups& liste_coups() const { return com_.liste_coups; }

    void rafraichit(); // board, legal-move marks, library marks
    bool pris_par_l_entraineur(int index);
    void joue_coup(int index, Case c); // the ordered steps of an accepted move
    void apercu(Case c); // the right-button preview
    bool coup_accepte(int index, Case c) const;
    bool suit_la_liste(Case c) const;
    void explique_refus(int index, Case c);
    void efface_panneau(); // empties the library labels and the continuation list
    void efface_etiquettes();
    void montre_ligne(int r);
    void montre_ligne_suivie();
    const std::string& bilan_de(const Suite& suite) const;
    void etat_navigation(); // buttons and next-move box follow the current point
    void rejoue_et_affiche();
    void decoche_auto();
    void coche_auto(const CaseACocher& cette, CaseACocher& autre);
    void transforme_partie(Transformation t);
    void transforme_jeu_normalise(Transformation t);
    std::optional<std::string> charge_biblio();
    const std::optional<std::filesystem::path>& trouve_biblio();
    std::vector<int> suites_jouables() const;
    int8_t image_suite() const;

    FonCom& com_;
    Services services_;
    std::vector<Candidat> candidats_;
    std::optional<std::filesystem::path> fichier_biblio_;

    Grille tab_ {};
    Grille tab_copie_ {};
    int16_t joueur_ = 0;
    ListeCoups jeu_normalise_ {};
    std::array<Suite, nb_suites_max + 1> suites_ {}; // entries 1 to 30 are used
    TableCommentaires commentaires_ {};
    bool en_pose_ = false; // a placing animation is waiting: presses are ignored
    bool bascule_auto_ = false; // ticking one automatic box is unticking the other
    Entraineur* entraineur_ = nullptr;
    std::map<int, std::function<void()>> lecteurs_biblio_;
    int dernier_lecteur_ = 0;
};

} // namespace tavik
