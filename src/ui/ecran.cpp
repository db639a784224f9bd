#include "ecran.h"

#include "echelle.h"
#include "places_retenues.h"
#include "windows/placement.h"
#include "windows/zoom.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace tavik::ui {

namespace {

Rectangle rectangle(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

QRect ecran_de(const QWidget& w)
{
    const QScreen* ecran = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry() : QRect(0, 0, 800, 600);
}

QMargins marges_de(const QWidget* w)
{
    if (w && w->isVisible()) {
        const QRect cadre = w->frameGeometry(), interieur = w->geometry();
        const QMargins m(interieur.left() - cadre.left(), interieur.top() - cadre.top(),
                         cadre.right() - interieur.right(), cadre.bottom() - interieur.bottom());
        if (!m.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen")) return m;
    }
    return {4, 30, 4, 4};
}

void place_a_cote(QWidget& fenetre, const QWidget* voisine)
{
    const QMargins m = marges_de(voisine ? voisine : &fenetre);
    std::vector<Rectangle> ouvertes;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != &fenetre && w->isVisible() && w->isWindow()
            && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
            ouvertes.push_back(rectangle(w->frameGeometry()));
    const Rectangle pres = voisine ? rectangle(voisine->frameGeometry()) : Rectangle {};
    const Rectangle r = place_fenetre(
        fenetre.width() + m.left() + m.right(), fenetre.height() + m.top() + m.bottom(),
        rectangle(ecran_de(voisine ? *voisine : fenetre)), ouvertes, voisine ? &pres : nullptr);
    fenetre.move(r.x, r.y); // the frame's top-left corner
}

void garde_sur_l_ecran(QWidget& fenetre)
{
    const QRect ecran = ecran_de(fenetre), cadre = fenetre.frameGeometry();
    const int x = std::max(ecran.left(), std::min(cadre.left(), ecran.right() + 1 - cadre.width()));
    const int y = std::max(ecran.top(), std::min(cadre.top(), ecran.bottom() + 1 - cadre.height()));
    if (x != cadre.left() || y != cadre.top()) fenetre.move(x, y);
}

void ouvre_a_cote(QWidget& fenetre, const QWidget* voisine)
{
    if (!fenetre.isVisible()) {
        const QMargins m = marges_de(voisine ? voisine : &fenetre);
        const QRect ecran = ecran_de(voisine ? *voisine : fenetre);
        const QSize place(ecran.width() - m.left() - m.right(),
                          ecran.height() - m.top() - m.bottom());
        if (fenetre.minimumSize() == fenetre.maximumSize()) {
            Echelle& echelle = Echelle::de(fenetre);
            const QSize taille = echelle.taille(1.0);
            const double z = zoom_logeable(1.0, taille.width(), taille.height(),
                                           m.left() + m.right(), m.top() + m.bottom(),
                                           {ecran.x(), ecran.y(), ecran.width(), ecran.height()});
            echelle.applique(z);
            fenetre.setFixedSize(echelle.taille(z));
        } else {
            fenetre.resize(fenetre.size().boundedTo(place));
        }
        if (!remet_a_sa_place(fenetre, voisine)) place_a_cote(fenetre, voisine);
    }
    fenetre.show();
    fenetre.raise();
    fenetre.activateWindow();
}

} // namespace tavik::ui
