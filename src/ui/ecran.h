#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace tavik::ui {

// Windows opened on the screen with care: entirely on its available area, beside the
// program's other windows rather than over them.

// The available area of the screen that `w` is on (or will be shown on).
QRect ecran_de(const QWidget& w);

// The frame that the window system draws around the windows, as seen on `w` once shown; a
// usual title bar and border while none is known, so that a window is never cut by its frame.
QMargins marges_de(const QWidget* w);

// Moves `fenetre`, about to be shown, to the right of `voisine`, top aligned with it, or
// wherever it covers none of the program's other visible windows; entirely on the screen.
// Without a neighbour it goes to the middle of the screen. Its size is left as it is: fit it
// first.
void place_a_cote(QWidget& fenetre, const QWidget* voisine);

// Moves a shown window that reaches beyond the screen back onto it, as little as it takes.
void garde_sur_l_ecran(QWidget& fenetre);

// Shows `fenetre` where it was left when it remembers its place (see places_retenues.h) and
// it fits there, else where `place_a_cote` puts it, raised and active; a window of fixed size that
// would not fit the screen is first zoomed out until it does, one that can be resized is made
// smaller. Once shown, it is only raised and activated.
void ouvre_a_cote(QWidget& fenetre, const QWidget* voisine);

} // namespace tavik::ui
