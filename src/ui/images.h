#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace tavik::ui {

// The program's pictures, all drawn here. Each is drawn for a device pixel ratio: the pixmap
// holds size x ratio device pixels and carries the ratio, so it paints at its logical size
// and stays sharp on high-density screens.

inline constexpr int taille_pion = 32; // the tiles of the board
inline constexpr int nb_images_pion = 9; // pictures 1 to 9 of the tile list
inline constexpr QSize taille_logo {100, 30};
inline constexpr QSize taille_cadre {304, 304}; // the board frame: tiles plus a 24-pixel border
inline constexpr int bord_cadre = 24;

// Picture `numero` (1 to 9) of the tile list: 1 empty square, 2 black disc, 3 white disc,
// 4 red dot (legal move), 5 yellow dot (reply in the preview), 6 and 7 the shaded discs of a
// library continuation for black and white, 8 and 9 the same with the red dot. Any other
// number gives a null pixmap. Cached per ratio.
QPixmap image_pion(int numero, qreal ratio);
QPixmap image_logo(qreal ratio);
QPixmap image_cadre(qreal ratio);

// The main window's icon, and the one that the chooser and the about box share; 16 x 16 and
// 32 x 32, and 64 x 64 for high-density screens.
QIcon icone_plateau();
QIcon icone_fenetres();

// The program's icon on the desktop, the main window's picture, drawn on `p` into the square
// (0, 0, taille, taille): the installed PNG and SVG icons are made from it at build time.
void dessine_icone_programme(QPainter& p, qreal taille);

} // namespace tavik::ui
