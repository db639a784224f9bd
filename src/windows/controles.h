#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavik {

// The controls of the windows as plain data. The core writes them; the toolkit layer shows
// them and hands the user's actions back to the handlers.

struct Bouton
{
    bool actif = true;
};

struct Etiquette
{
    std::string legende;
};

struct ZoneTexte
{
    std::string texte;
    bool visible = true;
    bool actif = true;
};

// A list box of texts with an optional integer per entry; selection -1 means none.
struct Liste
{
    struct Entree
    {
        std::string texte;
        int donnee = 0;
        friend bool operator==(const Entree&, const Entree&) = default;
    };
    std::vector<Entree> entrees;
    int selection = -1;
    bool actif = true;

    void vide()
    {
        entrees.clear();
        selection = -1;
    }
    void ajoute(std::string texte, int donnee = 0)
    {
        entrees.push_back({std::move(texte), donnee});
    }
    int nombre() const { return static_cast<int>(entrees.size()); }
    const std::string& texte(int i) const { return entrees.at(i).texte; }
};

// A check box holds 1 (ticked) or 0. Changing its value, by the user or by the program, runs
// its click operation once; assigning the value that it already has runs nothing. A disabled
// box takes no click from the user; enabling or disabling it runs nothing.
class CaseACocher
{
public:
    int16_t valeur() const { return valeur_; }
    bool cochee() const { return valeur_ == 1; }
    void fixe(int16_t valeur)
    {
        if (valeur == valeur_) return;
        valeur_ = valeur;
        if (clic_) clic_();
    }
    void sur_clic(std::function<void()> clic) { clic_ = std::move(clic); }
    bool actif = true;

private:
    int16_t valeur_ = 0;
    std::function<void()> clic_;
};

// One option button of a group, of which one is chosen.
struct Option
{
    bool choisie = false;
    bool actif = true;
    std::string legende; // its caption, when the program writes it; empty: the window's own
};

// A box that holds a whole number between two bounds.
struct Nombre
{
    int valeur = 0;
    int minimum = 0;
    int maximum = 0;
};

// A short text shown beside a tile for a few seconds, then gone by itself: why a press did
// nothing. `numero` grows with each new bubble, so that the same text said twice shows twice.
struct Bulle
{
    int index = -1; // the tile, 0..63
    std::string texte;
    int numero = 0;
};

// Picture numbers of the image list `pion`; 0 means that a tile shows no picture yet.
enum Image : int8_t {
    image_aucune = 0,
    image_vide = 1,
    image_noir = 2,
    image_blanc = 3,
    image_coup_possible = 4, // red dot: a legal move
    image_reponse = 5, // yellow dot: a legal reply in the preview
    // library continuations: joueur + 4 + 2 x (legal-move marks shown), 6 to 9
};

// The board's keyboard cursor: the tile it stands on (0 = A1 to 63 = H8), and the column letter
// of a square name being typed ("f" before the "5" of "f5").
struct CurseurPlateau
{
    int index = 37; // F5, the usual first move
    std::string saisie;
};

// The controls of the main window that the game drives.
struct ControlesPlateau
{
    std::array<int8_t, 64> plateau {}; // the tiles, A1 to H8 row by row
    int8_t quijoue = image_aucune; // side to move
    Etiquette nb_noir {"2"};
    Etiquette nb_blanc {"2"};
    Liste LstCoup;
    ZoneTexte TxtSuivant {"Suivant"};
    CaseACocher chk_voir_coup; // "Coups": mark the legal moves
    CaseACocher ChkVoirOuverture; // "Coups d'ouv.": mark the library continuations
    CaseACocher ChkNoirAuto;
    CaseACocher ChkBlancAuto;
    Bouton CmdDebut {false};
    Bouton CmdPrecedent {false};
    Bouton CmdSuivant {false};
    Bouton CmdFin {false};
    Etiquette LblOuverture;
    Etiquette LblBilan;
    Etiquette LblCommentaire;
    Liste LstSuite;
    Bulle bulle; // why a move held to the library was refused
    CurseurPlateau curseur;
};

} // namespace tavik
