// The zoom of the main window: Ctrl++, Ctrl+- and Ctrl+0, or the window resized by the user.

#include "echelle.h"
#include "ecran.h"
#include "fenetre_plateau.h"
#include "reglages.h"
#include "windows/zoom.h"

#include <QResizeEvent>
#include <QShortcut>

namespace tavik::ui {

namespace {

const QString cle_zoom = QStringLiteral("plateau/zoom");

Rectangle rectangle(const QRect& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

void FenetrePlateau::installe_zoom()
{
    echelle_ = &Echelle::de(*this); // the places of the controls as built: 100 %
    setMinimumSize(echelle_->taille(zoom_min));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const std::pair<QKeySequence, double (*)(double)> touches[] {
        {QKeySequence::ZoomIn, zoom_plus},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), zoom_plus},
        {QKeySequence::ZoomOut, zoom_moins},
        {QKeySequence(Qt::CTRL | Qt::Key_0), [](double) { return 1.0; }},
    };
    for (const auto& [touche, pas] : touches) {
        auto* raccourci = new QShortcut(touche, this);
        raccourci->setContext(Qt::ApplicationShortcut);
        connect(raccourci, &QShortcut::activated, this, [this, pas = pas] { zoome(pas(zoom())); });
    }
    zoome(reglages()->value(cle_zoom, 1.0).toDouble(), false);
}

double FenetrePlateau::zoom() const
{
    return echelle_ ? echelle_->zoom() : 1.0;
}

void FenetrePlateau::zoome(double zoom, bool retenu)
{
    const QMargins m = marges_de(this);
    const QSize design = echelle_->taille(1.0);
    zoom = zoom_logeable(zoom_borne(zoom), design.width(), design.height(), m.left() + m.right(),
                         m.top() + m.bottom(), rectangle(ecran_de(*this)));
    echelle_->applique(zoom);
    if (size() != echelle_->taille(zoom)) resize(echelle_->taille(zoom));
    if (isVisible()) garde_sur_l_ecran(*this);
    if (retenu) reglages()->setValue(cle_zoom, zoom);
}

// A size given by the user: the controls fill as much of it as keeps their proportions.
void FenetrePlateau::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!echelle_ || e->size() == echelle_->taille(echelle_->zoom())) return;
    const QSize design = echelle_->taille(1.0);
    echelle_->applique(
        zoom_pour(design.width(), design.height(), e->size().width(), e->size().height()));
    reglages()->setValue(cle_zoom, echelle_->zoom());
}

} // namespace tavik::ui
