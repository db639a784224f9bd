#include "echelle.h"

#include "windows/zoom.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScrollBar>
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

// What the style draws at a size of its own rather than at the control's place: the boxes of
// the check boxes and option buttons, and the thickness of the scroll bars. At the zoom of the
// window, so that they grow with the rest; at 100 % the style's own sizes.
class StyleEchelle : public QProxyStyle
{
public:
    explicit StyleEchelle(QObject* parent)
        : QProxyStyle(QApplication::style()->name())
    {
        setParent(parent);
    }

    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        const int v = QProxyStyle::pixelMetric(m, o, w);
        switch (m) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
            return w ? static_cast<int>(std::lround(v * zoom_de(*w))) : v;
        default:
            return v;
        }
    }
};

// The controls whose parts the style sizes by itself: a box's indicator, a list's scroll bars.
std::vector<QWidget*> dessines_par_le_style(QWidget& w)
{
    if (qobject_cast<QCheckBox*>(&w) || qobject_cast<QRadioButton*>(&w)) return {&w};
    if (auto* zone = qobject_cast<QAbstractScrollArea*>(&w))
        return {zone->verticalScrollBar(), zone->horizontalScrollBar()};
    return {};
}

} // namespace

Echelle::Echelle(QWidget& fenetre)
    : QObject(&fenetre)
    , fenetre_(fenetre)
    , taille_(fenetre.size())
    , police_(fenetre.font())
    , style_(new StyleEchelle(this))
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
        for (QWidget* partie : dessines_par_le_style(*w)) partie->setStyle(style_);
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
        // The style's sizes depend on the zoom: the scroll areas lay their bars out again.
        if (!dessines_par_le_style(*c.w).empty()) {
            QEvent changement(QEvent::StyleChange);
            QApplication::sendEvent(c.w, &changement);
        }
        c.w->update();
    }
}

double zoom_de(const QWidget& w)
{
    const QVariant z = w.window()->property(propriete_zoom);
    return z.isValid() ? z.toDouble() : 1.0;
}

} // namespace tavik::ui
