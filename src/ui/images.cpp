#include "images.h"

#include "polices.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace tavik::ui {

namespace {

// Colours of the tile pictures.
namespace couleurs {
constexpr QRgb vert = qRgb(32, 128, 64); // the board
constexpr QRgb ligne = qRgb(171, 215, 166); // grid lines, right and bottom edges
constexpr QRgb noir = qRgb(54, 54, 54);
constexpr QRgb blanc = qRgb(246, 245, 245);
constexpr QRgb point_rouge = qRgb(237, 110, 110);
constexpr QRgb point_jaune = qRgb(224, 229, 91);
constexpr QRgb ombre_sombre = qRgb(22, 104, 50); // library mark, black to move
constexpr QRgb ombre_claire = qRgb(70, 156, 94); // library mark, white to move
} // namespace couleurs

// A transparent pixmap of `taille` logical pixels at `ratio`, painted by `dessin` in
// logical coordinates.
QPixmap dessine(QSize taille, qreal ratio, const std::function<void(QPainter&)>& dessin)
{
    if (ratio <= 0) ratio = 1;
    QPixmap pixmap(static_cast<int>(std::ceil(taille.width() * ratio)),
                   static_cast<int>(std::ceil(taille.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    dessin(p);
    return pixmap;
}

// The same picture is asked for at every repaint: keep it while Qt's cache has room.
QPixmap en_cache(const QString& nom, qreal ratio, QSize taille,
                 const std::function<void(QPainter&)>& dessin)
{
    const QString cle = QStringLiteral("tavik/%1@%2").arg(nom).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(cle, &pixmap)) return pixmap;
    pixmap = dessine(taille, ratio, dessin);
    QPixmapCache::insert(cle, pixmap);
    return pixmap;
}

// The disc sits in the 31 x 31 square left of and above the grid lines.
const QRectF disque {1.5, 1.5, 28.0, 28.0};

void case_vide(QPainter& p)
{
    p.fillRect(QRect(0, 0, taille_pion, taille_pion), QColor(couleurs::vert));
    p.fillRect(QRect(taille_pion - 1, 0, 1, taille_pion), QColor(couleurs::ligne));
    p.fillRect(QRect(0, taille_pion - 1, taille_pion, 1), QColor(couleurs::ligne));
}

void pion(QPainter& p, QRgb couleur, QRgb contour)
{
    // A soft shadow towards the bottom right lifts the disc off the board.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 10, 90));
    p.drawEllipse(disque.translated(1.0, 1.0));
    p.setPen(QPen(QColor(contour), 1.0));
    p.setBrush(QColor(couleur));
    p.drawEllipse(disque.adjusted(0.5, 0.5, -0.5, -0.5));
}

void ombre(QPainter& p, QRgb couleur)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(couleur));
    p.drawEllipse(disque);
}

void point(QPainter& p, QRgb couleur)
{
    // 5 x 5 whole pixels around the centre of the square.
    p.fillRect(QRect(13, 13, 5, 5), QColor(couleur));
}

void dessine_pion(QPainter& p, int numero)
{
    case_vide(p);
    switch (numero) {
    case 2:
        pion(p, couleurs::noir, qRgb(28, 28, 28));
        break;
    case 3:
        pion(p, couleurs::blanc, qRgb(170, 170, 166));
        break;
    case 4:
        point(p, couleurs::point_rouge);
        break;
    case 5:
        point(p, couleurs::point_jaune);
        break;
    case 6:
        ombre(p, couleurs::ombre_sombre);
        break;
    case 7:
        ombre(p, couleurs::ombre_claire);
        break;
    case 8:
        ombre(p, couleurs::ombre_sombre);
        point(p, couleurs::point_rouge);
        break;
    case 9:
        ombre(p, couleurs::ombre_claire);
        point(p, couleurs::point_rouge);
        break;
    default:
        break;
    }
}

void dessine_logo(QPainter& p)
{
    const QRectF cadre(0.5, 0.5, taille_logo.width() - 1.0, taille_logo.height() - 1.0);
    QLinearGradient fond(0, 0, 0, taille_logo.height());
    fond.setColorAt(0, QColor(46, 150, 80));
    fond.setColorAt(1, QColor(18, 96, 46));
    p.setPen(QPen(QColor(12, 60, 30), 1.0));
    p.setBrush(fond);
    p.drawRoundedRect(cadre, 5, 5);

    // Two discs, black over white, then the name.
    p.setPen(QPen(QColor(150, 150, 146), 1.0));
    p.setBrush(QColor(couleurs::blanc));
    p.drawEllipse(QRectF(14.5, 4.5, 20, 20));
    p.setPen(QPen(QColor(20, 20, 20), 1.0));
    p.setBrush(QColor(couleurs::noir));
    p.drawEllipse(QRectF(5.5, 6.5, 20, 20));

    QFont f = police_lourde(14);
    f.setPixelSize(20);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(12, 60, 30));
    const QRectF texte(38, 1, 60, 28);
    p.drawText(texte.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavik"));
    p.setPen(QColor(couleurs::blanc));
    p.drawText(texte, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavik"));
}

void dessine_cadre(QPainter& p)
{
    const int l = taille_cadre.width();
    const int h = taille_cadre.height();
    // A raised wooden-dark frame: light on the top and left edges, dark on the others.
    p.fillRect(QRect(0, 0, l, h), QColor(22, 66, 38));
    p.fillRect(QRect(0, 0, l, 2), QColor(88, 150, 106));
    p.fillRect(QRect(0, 0, 2, h), QColor(88, 150, 106));
    p.fillRect(QRect(0, h - 2, l, 2), QColor(8, 30, 16));
    p.fillRect(QRect(l - 2, 0, 2, h), QColor(8, 30, 16));
    // A sunken edge around the tiles.
    const QRect plateau(bord_cadre, bord_cadre, l - 2 * bord_cadre, h - 2 * bord_cadre);
    p.fillRect(plateau.adjusted(-2, -2, 2, 2), QColor(8, 30, 16));
    p.fillRect(plateau.adjusted(0, 0, 2, 2), QColor(88, 150, 106));
    p.fillRect(plateau, QColor(couleurs::vert));

    // Coordinates: the column letters along the top, the row digits down the left side.
    QFont f = police_grasse(8.25);
    p.setFont(f);
    p.setPen(QColor(200, 232, 204));
    for (int i = 0; i < 8; ++i) {
        const QRect colonne(bord_cadre + 32 * i, 0, 32, bord_cadre - 2);
        p.drawText(colonne, Qt::AlignCenter, QString(QChar('A' + i)));
        const QRect ligne(0, bord_cadre + 32 * i, bord_cadre - 2, 32);
        p.drawText(ligne, Qt::AlignCenter, QString::number(i + 1));
    }
}

// The main window's icon: a small board with the four discs of the start.
void dessine_icone_plateau(QPainter& p)
{
    p.setPen(QPen(QColor(12, 60, 30), 1.0));
    p.setBrush(QColor(couleurs::vert));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 3, 3);
    p.setPen(QPen(QColor(couleurs::ligne), 1.0));
    for (int k = 1; k < 4; ++k) {
        p.drawLine(QPointF(8 * k, 2), QPointF(8 * k, 30));
        p.drawLine(QPointF(2, 8 * k), QPointF(30, 8 * k));
    }
    const QRectF disques[4] {{9, 9, 6, 6}, {17, 9, 6, 6}, {9, 17, 6, 6}, {17, 17, 6, 6}};
    for (int i = 0; i < 4; ++i) {
        const bool blanc = i == 0 || i == 3;
        p.setPen(QPen(blanc ? QColor(150, 150, 146) : QColor(20, 20, 20), 0.8));
        p.setBrush(QColor(blanc ? couleurs::blanc : couleurs::noir));
        p.drawEllipse(disques[i].adjusted(-1.5, -1.5, 1.5, 1.5));
    }
}

// The chooser's and the about box's icon: a page of opening names with disc bullets.
void dessine_icone_fenetres(QPainter& p)
{
    QPainterPath page;
    page.moveTo(5.5, 1.5);
    page.lineTo(21.5, 1.5);
    page.lineTo(27.5, 7.5);
    page.lineTo(27.5, 30.5);
    page.lineTo(5.5, 30.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(QColor(250, 250, 244));
    p.drawPath(page);
    p.setBrush(QColor(210, 210, 200));
    p.drawPolygon(QPolygonF({QPointF(21.5, 1.5), QPointF(21.5, 7.5), QPointF(27.5, 7.5)}));

    for (int k = 0; k < 3; ++k) {
        const qreal y = 11 + 6.5 * k;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(k == 1 ? couleurs::blanc : couleurs::noir));
        p.setPen(QPen(QColor(60, 60, 60), 0.8));
        p.drawEllipse(QRectF(8, y, 5, 5));
        p.setPen(QPen(QColor(32, 128, 64), 2.0));
        p.drawLine(QPointF(15, y + 2.5), QPointF(24, y + 2.5));
    }
}

QIcon icone(const std::function<void(QPainter&)>& dessin)
{
    QIcon icone;
    for (int taille : {16, 32, 64}) {
        icone.addPixmap(dessine(QSize(taille, taille), 1.0, [&](QPainter& p) {
            p.scale(taille / 32.0, taille / 32.0);
            dessin(p);
        }));
    }
    return icone;
}

} // namespace

QPixmap image_pion(int numero, qreal ratio)
{
    if (numero < 1 || numero > nb_images_pion) return {};
    return en_cache(QStringLiteral("pion%1").arg(numero), ratio, QSize(taille_pion, taille_pion),
                    [numero](QPainter& p) { dessine_pion(p, numero); });
}

QPixmap image_logo(qreal ratio)
{
    return en_cache(QStringLiteral("logo"), ratio, taille_logo, dessine_logo);
}

QPixmap image_cadre(qreal ratio)
{
    return en_cache(QStringLiteral("cadre"), ratio, taille_cadre, dessine_cadre);
}

QIcon icone_plateau()
{
    return icone(dessine_icone_plateau);
}
void dessine_icone_programme(QPainter& p, qreal taille)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 32.0, taille / 32.0);
    dessine_icone_plateau(p);
    p.restore();
}
QIcon icone_fenetres()
{
    return icone(dessine_icone_fenetres);
}

} // namespace tavik::ui
