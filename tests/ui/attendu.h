#pragma once

// What the tile pictures must show, written down independently of the drawing code: the
// colours that the program's pictures are defined with, and helpers to read them back.

#include <QColor>
#include <QImage>
#include <QRect>

namespace attendu {

inline constexpr QRgb ligne = qRgb(171, 215, 166); // grid lines, right and bottom edges
inline constexpr QRgb noir = qRgb(54, 54, 54); // black disc, about 28 pixels across
inline constexpr QRgb blanc = qRgb(246, 245, 245); // white disc
inline constexpr QRgb point_rouge = qRgb(237, 110, 110); // legal move, 5 x 5 in the centre
inline constexpr QRgb point_jaune = qRgb(224, 229, 91); // reply in the preview, 5 x 5

// Perceived lightness, to say that a shading is darker or lighter than the board.
inline int clarte(QRgb c)
{
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
}

inline bool est_vert(QRgb c)
{
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}

// The smallest rectangle around the pixels of `image` that have exactly `couleur`, and how
// many they are.
struct Tache
{
    QRect cadre;
    int pixels = 0;
};
inline Tache tache(const QImage& image, QRgb couleur)
{
    Tache t;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == couleur) {
                t.cadre |= QRect(x, y, 1, 1);
                ++t.pixels;
            }
    return t;
}

} // namespace attendu
