#include "graphique.h"

#include "polices.h"

#include <QDate>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

// The exercises rise from the middle line and the wrong moves hang from it, on one scale, so
// that each day's two bars stand at the same place, never hide each other, and are as wide as
// the room of a day allows: at least 6 pixels.
void Graphique::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics fm(font());
    const int h = fm.height();
    int plus_grand = 1;
    for (const JourActivite& j : jours_) plus_grand = std::max({plus_grand, j.revues, j.erreurs});
    const int haut = echelle(plus_grand);
    const int gauche = fm.horizontalAdvance(QString::number(haut)) + 8;
    const QRect trace(gauche, h + 6, width() - gauche - 6, height() - 2 * h - 14);
    const int milieu = trace.top() + trace.height() / 2;
    const double demi = trace.bottom() - milieu;

    // The scale: the top for the exercises, 0 on the middle line, the bottom for the wrong
    // moves, each number at its line.
    p.setPen(palette().color(QPalette::Text));
    const QRect colonne(0, 0, trace.left() - 4, h);
    const int bas = static_cast<int>(milieu + demi);
    const int sommet = static_cast<int>(milieu - demi);
    for (const auto& [y, texte] : {std::pair {sommet, haut}, {milieu, 0}, {bas, haut}})
        p.drawText(colonne.translated(0, y - h / 2), Qt::AlignRight, QString::number(texte));
    p.setPen(palette().color(QPalette::Midlight));
    p.drawLine(trace.left(), sommet, trace.right(), sommet);
    p.drawLine(trace.left(), bas, trace.right(), bas);

    const int n = std::max<int>(static_cast<int>(jours_.size()), 1);
    const double place = static_cast<double>(trace.width()) / n;
    const double barre = std::max(6.0, std::floor(place) - 2);
    const auto hauteur = [&](int v) { return std::round(demi * v / haut); };
    const auto x_de = [&](int i) { return trace.left() + i * place + (place - barre) / 2; };
    for (int i = 0; i < static_cast<int>(jours_.size()); ++i) {
        const JourActivite& j = jours_[static_cast<std::size_t>(i)];
        p.fillRect(QRectF(x_de(i), milieu - hauteur(j.revues), barre, hauteur(j.revues)),
                   couleur_revues());
        p.fillRect(QRectF(x_de(i), milieu + 1, barre, hauteur(j.erreurs)), couleur_erreurs());
    }
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(trace.left(), milieu, trace.right(), milieu);

    // The days: a mark under every seventh, today's the last, with its date.
    p.setPen(palette().color(QPalette::Text));
    for (int i = static_cast<int>(jours_.size()) - 1; i >= 0; i -= 7) {
        const int x = static_cast<int>(x_de(i) + barre / 2);
        p.drawLine(x, bas + 1, x, bas + 3);
        const QString date = date_de(jours_[static_cast<std::size_t>(i)].jour).toString(u"dd/MM");
        const int l = fm.horizontalAdvance(date);
        p.drawText(std::clamp(x - l / 2, 1, width() - l - 2), bas + 4 + fm.ascent(), date);
    }

    // The legend above the bars.
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
