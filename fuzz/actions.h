#pragma once

#include "windows/chooser/ouverture.h"
#include "windows/drill/entrainement.h"
#include "windows/games/parties.h"
#include "windows/main_window/plateau.h"

#include <cstdint>
#include <span>
#include <string>

namespace tavik::fuzz {

// Where the choices of a run come from: the bytes of a fuzzer input, or a seeded generator
// for the soak. A byte source that is used up gives zeros.
class Source
{
public:
    virtual ~Source() = default;
    virtual std::uint8_t octet() = 0;
    virtual bool epuisee() const = 0;
};

class SourceOctets final : public Source
{
public:
    explicit SourceOctets(std::span<const std::uint8_t> octets)
        : reste_(octets)
    {
    }
    std::uint8_t octet() override;
    bool epuisee() const override { return reste_.empty(); }

private:
    std::span<const std::uint8_t> reste_;
};

// SplitMix64: the same bytes for a given seed on every platform and compiler, never used up.
class SourceGraine final : public Source
{
public:
    explicit SourceGraine(std::uint64_t graine)
        : etat_(graine)
    {
    }
    std::uint8_t octet() override;
    bool epuisee() const override { return false; }

private:
    std::uint64_t etat_;
    std::uint64_t mot_ = 0;
    int restants_ = 0; // bytes of `mot_` not handed out yet
};

// What a user can do to the two windows.
enum class Genre : std::uint8_t {
    clic, // press and release of the left button on a tile
    appui, // press and release of another button on a tile: the preview while it is held
    debut, // "<<"
    precedent, // "<"
    suivant, // ">"
    fin, // ">>"
    rotation, // "Rot"
    sym_positive, // "Sym /"
    sym_negative, // "Sym \"
    coups, // the "Coups" box clicked
    coups_ouverture, // the "Coups d'ouv." box clicked
    noir_auto, // the "Noir auto" box clicked
    blanc_auto, // the "Blanc auto" box clicked
    jouer, // "Jouer"
    charger, // an entry of the chooser selected, or none, then "Charger"
    rouvre_choix, // the chooser closed and opened again: its list is filled afresh
    copie, // Ctrl+C: the game up to the current point copied as text
    colle, // Ctrl+V: the copied text loaded as a game
    ouvre_entrainement, // "Entraîner": the training window opened, if it is not
    ferme_entrainement, // the training window closed, if it is open
    couleur, // "Noir" or "Blanc" chosen in the training window
    portee, // the lines to train chosen: every line, the board's, or an entry of the list
    filtre, // a text typed in the filter of the openings
    commencer, // "Commencer"
    arreter, // "Arrêter"
    exercice_suivant, // the training window's "Suivant"
    rythme, // a number of new lines per day typed in
    exporte_progres, // "Exporter la progression…", the dialog answered as `valeur` says
    importe_progres, // "Importer une progression…", the dialog answered as `valeur` says
    depuis_f5_entrainement, // the training window's "À partir de F5" box clicked
    vide_mes_parties, // the training window's "Vider…": the question answered as `valeur` says
    filtre_choix, // a text typed in the chooser's filter
    depuis_f5, // the chooser's "À partir de F5" box clicked
    zoom, // the main window zoomed: Ctrl++, Ctrl+-, Ctrl+0, or resized
    fleche, // an arrow key on the board: the cursor moves
    touche_jouer, // Space or Enter on the board: the cursor's square pressed
    frappe, // a character typed on the board: part of a square name, or not
    parties, // the games window: opened, closed, or one of its controls (`ActionParties`)
    source_mes_parties, // "Mes parties": a source chosen in its list, or none
    joueur_mes_parties, // "Mes parties": a player's name typed
    charge_mes_parties, // "Mes parties": a game double-clicked, or none selected
    ajoute_mes_parties, // "Ajouter ces lignes à l'entraînement"
    retire_mes_parties, // "Retirer ces lignes de l'entraînement"
    base_mes_parties, // the games window's base withdrawn (a load begins) or handed over
};
inline constexpr int nb_genres = static_cast<int>(Genre::base_mes_parties) + 1;

struct Action
{
    Genre genre = Genre::clic;
    int index = 0; // the tile pressed, 0 (A1) to 63 (H8)
    std::int16_t bouton = bouton_gauche; // the button pressed: 1 left, 2 right, 4 middle
    int entree = -1; // the list's entry selected before "Charger" or an opening; -1 for none
    int valeur = 0; // the colour, the lines, a filter's text, the number typed, the zoom, an
                    // arrow or a character typed on the board
};

// A zoom action's `valeur`: its two low bits say Ctrl++, Ctrl+-, Ctrl+0 or a resize, the
// others the size that the window is given.
enum class Zoom { plus, moins, cent, taille };
inline Zoom zoom_de(const Action& a)
{
    return static_cast<Zoom>(a.valeur & 3);
}
inline int largeur_donnee(const Action& a)
{
    return 240 + ((a.valeur >> 2) & 127) * 8;
}
inline int hauteur_donnee(const Action& a)
{
    return 270 + ((a.valeur >> 9) & 127) * 8;
}

// The filter texts that the actions type in.
inline constexpr const char* filtres[] = {"", "tigre", "E", "zzz"};
// And in the chooser's filter, names and first moves in the four orientations.
inline constexpr const char* filtres_choix[]
    = {"", "tigre", "E", "zzz", "f5d6", "c4", "1. d3 c3", "E6F4", "c4c4"};

// The next action, drawn from two or three bytes of the source. A press lands on any tile, on
// a legal square of the side to move, on a listed library continuation or, during an exercise,
// on a move of the lines trained, so that games and exercises go deep; a list's entry is any of
// the list or none. The training window, when open, gives its list and its exercise; the games
// window its lists.
Action tire_action(Source& source, const Plateau& plateau, const Ouverture& ouverture,
                   const Entrainement* entrainement = nullptr, const Parties* parties = nullptr);

// The action as the user would do it in the windows: a press is followed by its release, a
// check box click changes its value (which runs its click operation), "Charger" selects its
// entry first, a disabled button or box does nothing, and the copy and paste keys go through
// `presse_papiers`, which an empty copy leaves alone.
// The training window's actions need it open (`entrainement`); opening and closing it, and the
// zoom, are the business of whoever owns the windows.
void applique(const Action& action, Plateau& plateau, Ouverture& ouverture,
              Entrainement* entrainement, std::string& presse_papiers);

// For the reports: "left press F5", "\"<<\"", "\"Charger\" on entry 12".
std::string decrit(const Action& action);

} // namespace tavik::fuzz
