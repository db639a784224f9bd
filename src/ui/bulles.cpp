// The main window's transient words: a refused move's bubble beside its square, and each
// tile's tooltip naming the library continuation that it is.

#include "fenetre_plateau.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace tavik::ui {

namespace {

constexpr int duree_bulle_ms = 4000;
constexpr int largeur_bulle_max = 300;

// A small frameless label in the colours of the system's tooltips. It belongs to the window
// and is not a tooltip: a tooltip would go at the release of the press that called it.
QLabel* nouvelle_bulle(QWidget* fenetre)
{
    auto* bulle = new QLabel(fenetre);
    bulle->setObjectName(QStringLiteral("bulle"));
    bulle->setForegroundRole(QPalette::ToolTipText);
    bulle->setBackgroundRole(QPalette::ToolTipBase);
    bulle->setAutoFillBackground(true);
    bulle->setFrameShape(QFrame::Box);
    bulle->setMargin(3);
    bulle->setWordWrap(true);
    bulle->setAttribute(Qt::WA_TransparentForMouseEvents);
    bulle->hide();
    return bulle;
}

} // namespace

void FenetrePlateau::montre_bulles()
{
    for (Tuile* t : tuiles_) {
        const QString texte = QString::fromStdString(plateau_.infobulle_case(t->index()));
        if (t->toolTip() != texte) t->setToolTip(texte);
    }

    // A new bubble from the core shows once, under its square and inside the window, and goes
    // by itself.
    const Bulle& bulle = plateau_.controles.bulle;
    if (bulle.numero == bulle_vue_) return;
    bulle_vue_ = bulle.numero;
    if (bulle.index < 0 || bulle.index > 63 || bulle.texte.empty()) return;
    if (!bulle_) {
        bulle_ = nouvelle_bulle(this);
        fin_bulle_ = new QTimer(this);
        fin_bulle_->setSingleShot(true);
        connect(fin_bulle_, &QTimer::timeout, bulle_, &QWidget::hide);
    }
    bulle_->setText(QString::fromStdString(bulle.texte));
    bulle_->setAccessibleName(bulle_->text());
    // One line when it fits, else wrapped at the widest a bubble may be.
    const int bords = 2 * (bulle_->margin() + bulle_->frameWidth()) + 2;
    bulle_->setFixedWidth(std::min(
        largeur_bulle_max, bulle_->fontMetrics().horizontalAdvance(bulle_->text()) + bords));
    bulle_->adjustSize();
    const QRect t = tuile(bulle.index)->geometry();
    bulle_->move(std::clamp(t.left(), 0, std::max(0, width() - bulle_->width())),
                 std::min(t.bottom() + 2, height() - bulle_->height()));
    bulle_->show();
    bulle_->raise();
    fin_bulle_->start(duree_bulle_ms);
    QAccessibleEvent annonce(bulle_, QAccessible::Alert);
    QAccessible::updateAccessibility(&annonce);
}

} // namespace tavik::ui
