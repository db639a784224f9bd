#include "echelle.h"

#include "windows/zoom.h"

#include <QGroupBox>
#include <QTabWidget>
#include <QVariant>
#include <cmath>

namespace tavik::ui {

namespace {

const char* const propriete_zoom = "tavik_zoom";

Rectangle rectangle(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

QFont a_l_echelle(QFont f, double zoom)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * zoom))));
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * zoom);
    return f;
}

// A widget that places its children itself at fixed places: the window, a frame, a plain
// container without a layout. The inner parts of lists, tab bars and number boxes are laid out
// by their own widget.
bool place_ses_enfants(const QWidget& w)
{
    return !w.layout()
        && (qobject_cast<const QGroupBox*>(&w) || w.metaObject() == &QWidget::staticMetaObject);
}

} // namespace

Echelle::Echelle(QWidget& fenetre)
    : QObject(&fenetre)
    , fenetre_(fenetre)
    , taille_(fenetre.size())
    , police_(fenetre.font())
{
    releve(fenetre);
}

Echelle& Echelle::de(QWidget& fenetre)
{
    auto* e = fenetre.findChild<Echelle*>(QString(), Qt::FindDirectChildrenOnly);
    return e ? *e : *new Echelle(fenetre);
}

void Echelle::releve(QWidget& parent)
{
    for (QWidget* w : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow()) continue;
        const bool propre = w->testAttribute(Qt::WA_SetFont);
        controles_.push_back({w, w->geometry(), w->font(), propre});
        if (auto* onglets = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < onglets->count(); ++i) releve(*onglets->widget(i));
        else if (place_ses_enfants(*w))
            releve(*w);
    }
}

QSize Echelle::taille(double zoom) const
{
    const Rectangle r = tavik::a_l_echelle(rectangle(QRect(QPoint(), taille_)), zoom);
    return {r.largeur, r.hauteur};
}

void Echelle::applique(double zoom)
{
    if (zoom == zoom_) return;
    zoom_ = zoom;
    fenetre_.setProperty(propriete_zoom, zoom);
    fenetre_.setFont(zoom == 1.0 ? police_ : a_l_echelle(police_, zoom));
    for (const Controle& c : controles_) {
        if (!c.w) continue;
        const Rectangle r = tavik::a_l_echelle(rectangle(c.place), zoom);
        c.w->setGeometry(r.x, r.y, r.largeur, r.hauteur);
        if (c.police_propre) c.w->setFont(zoom == 1.0 ? c.police : a_l_echelle(c.police, zoom));
        c.w->update();
    }
}

double zoom_de(const QWidget& w)
{
    const QVariant z = w.window()->property(propriete_zoom);
    return z.isValid() ? z.toDouble() : 1.0;
}

} // namespace tavik::ui
