#include "graphique.h"

#include "polices.h"

#include <QDate>
#include <QPainter>
#include <algorithm>

namespace tavik::ui {

namespace {

// The calendar day of a day counted from 1970-01-01.
QDate date_de(Jour jour)
{
    return QDate::fromJulianDay(2'440'588 + jour);
}

// The top of the scale: 1, 2 or 5 times a power of ten, at least `m`.
int echelle(int m)
{
    for (int puissance = 1;; puissance *= 10)
        for (const int pas : {1, 2, 5})
            if (pas * puissance >= m) return pas * puissance;
}

QString pluriel(int n, const char* un, const char* plusieurs)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? plusieurs : un));
}

} // namespace

Graphique::Graphique(QWidget* parent)
    : QWidget(parent)
{
    setFont(police_normale());
}

QColor Graphique::couleur_revues()
{
    return {32, 128, 64}; // the board's green
}

QColor Graphique::couleur_erreurs()
{
    return {237, 110, 110}; // the red of the legal-move dot
}

void Graphique::montre(const std::vector<JourActivite>& jours)
{
    if (jours == jours_) return;
    jours_ = jours;
    int revues = 0, erreurs = 0;
    for (const JourActivite& j : jours_) {
        revues += j.revues;
        erreurs += j.erreurs;
    }
    setAccessibleDescription(QStringLiteral("Sur %1\u00a0: %2, %3")
                                 .arg(pluriel(static_cast<int>(jours_.size()), "jour", "jours"),
                                      pluriel(revues, "revue", "revues"),
                                      pluriel(erreurs, "erreur", "erreurs")));
    update();
}

void Graphique::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics fm(font());
    const int h = fm.height();
    const QRect trace(28, h + 6, width() - 36, height() - 2 * h - 12);
    int plus_grand = 1;
    for (const JourActivite& j : jours_) plus_grand = std::max({plus_grand, j.revues, j.erreurs});
    const int haut = echelle(plus_grand);

    // The scale: its bottom and top, with a line at each.
    p.setPen(palette().color(QPalette::Text));
    const QRect colonne(0, 0, trace.left() - 4, h);
    p.drawText(colonne.translated(0, trace.bottom() - h / 2), Qt::AlignRight, QStringLiteral("0"));
    p.drawText(colonne.translated(0, trace.top() - h / 2), Qt::AlignRight, QString::number(haut));
    p.setPen(palette().color(QPalette::Midlight));
    p.drawLine(trace.left(), trace.top(), trace.right(), trace.top());
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(trace.bottomLeft(), trace.bottomRight());

    // Two bars a day, side by side.
    const int n = std::max<int>(static_cast<int>(jours_.size()), 1);
    const double place = static_cast<double>(trace.width()) / n;
    const double barre = std::max(1.0, (place - 2) / 2);
    const auto hauteur = [&](int v) { return static_cast<double>(trace.height()) * v / haut; };
    for (int i = 0; i < static_cast<int>(jours_.size()); ++i) {
        const double x = trace.left() + i * place + 1;
        const JourActivite& j = jours_[static_cast<std::size_t>(i)];
        p.fillRect(QRectF(x, trace.bottom() - hauteur(j.revues), barre, hauteur(j.revues)),
                   couleur_revues());
        p.fillRect(
            QRectF(x + barre, trace.bottom() - hauteur(j.erreurs), barre, hauteur(j.erreurs)),
            couleur_erreurs());
    }

    // The first day and today under the bars; the legend above them.
    p.setPen(palette().color(QPalette::Text));
    const QRect dates(trace.left(), trace.bottom() + 3, trace.width(), h);
    if (!jours_.empty())
        p.drawText(dates, Qt::AlignLeft, date_de(jours_.front().jour).toString(u"dd/MM"));
    p.drawText(dates, Qt::AlignRight, QStringLiteral("aujourd'hui"));
    int x = trace.right();
    for (const auto& [couleur, texte] :
         {std::pair {couleur_erreurs(), "Erreurs"}, std::pair {couleur_revues(), "Revues"}}) {
        const QString t = QString::fromUtf8(texte);
        x -= fm.horizontalAdvance(t);
        p.drawText(x, 3 + fm.ascent(), t);
        x -= 12;
        p.fillRect(x, 3 + (h - 8) / 2, 8, 8, couleur);
        x -= 12;
    }
}

} // namespace tavik::ui
