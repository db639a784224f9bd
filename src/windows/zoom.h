#pragma once

#include "windows/placement.h"

namespace tavik {

// The zoom of a window drawn for 100 %: every control's place and size and every font grow
// by the same factor.

inline constexpr double zoom_min = 0.5;
inline constexpr double zoom_max = 3.0;

// The steps of Ctrl++ and Ctrl+-: 50 %, 67 %, 75 %, 90 %, 100 %, 110 %, 125 %, 150 %, 175 %,
// 200 %, 250 %, 300 %. From a zoom between two steps, the next step in that direction.
double zoom_plus(double zoom);
double zoom_moins(double zoom);

// `zoom` brought within zoom_min and zoom_max; anything that is not a number gives 100 %.
double zoom_borne(double zoom);

// A rectangle of a window drawn at 100 %, at `zoom`: its edges are rounded, not its size, so
// controls that touch at 100 % (the 64 tiles of the board) still touch, without gaps.
Rectangle a_l_echelle(const Rectangle& r, double zoom);

// The zoom at which a window of `largeur` x `hauteur` at 100 % fills `taille_l` x `taille_h`
// without being cut: the smaller of the two ratios, within the bounds.
double zoom_pour(int largeur, int hauteur, int taille_l, int taille_h);

// The largest zoom, at most `voulu`, at which a window of `largeur` x `hauteur` at 100 %, with
// `cadre_l` and `cadre_h` pixels of frame around it, fits `ecran`. It may be below zoom_min:
// a window always fits.
double zoom_logeable(double voulu, int largeur, int hauteur, int cadre_l, int cadre_h,
                     const Rectangle& ecran);

} // namespace tavik
