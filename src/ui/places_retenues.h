#pragma once

#include <QString>

class QWidget;

namespace tavik::ui {

// The windows open again where the user left them, from one run to the next.

// From now on `fenetre` remembers, under the key `cle` of the settings, where it is each time
// it is closed and when the program ends: its frame's top-left corner, and with `avec_taille`
// its size too. The last copy of the program to close the window is the one remembered.
void retient_place(QWidget& fenetre, const QString& cle, bool avec_taille);

// Moves `fenetre`, about to be shown, to the place that it remembers (at the size that it
// remembers, for one that keeps its size) and says so; when it remembers none, or when the
// window there would not lie entirely on one screen's available area, it is left as it is
// and the caller places it. Its frame is taken to be that of `voisine`, a shown window of
// the program, when there is one (see `marges_de`).
bool remet_a_sa_place(QWidget& fenetre, const QWidget* voisine = nullptr);

} // namespace tavik::ui
