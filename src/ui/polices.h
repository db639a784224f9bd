#pragma once

#include <QFont>

namespace tavik::ui {

// The fonts of the windows. The layouts were drawn for "MS Sans Serif", "Arial", "Arial
// Black" and "Courier" on 96 dpi screens; each font asks for its family first and falls back
// on metric-compatible or common free families, and its size is fixed in pixels (points at
// 96 dpi) so that the text keeps fitting the fixed-size controls whatever the screen's dpi.

// Points at 96 dpi as pixels: 8.25 pt -> 11 px, 9.75 pt -> 13 px, 12 pt -> 16 px.
int pixels(double points);

QFont police_normale(double points = 8.25); // "MS Sans Serif": the controls' default font
QFont police_grasse(double points = 8.25); // the same in bold: titles and frame captions
QFont police_arial(double points); // "Arial"
QFont police_lourde(double points); // "Arial Black": the counts and the title's initials
QFont police_fixe(double points = 9.75); // "Courier": the move list and the next move

} // namespace tavik::ui
