#include "polices.h"

#include <QStringList>
#include <cmath>

namespace tavik::ui {

namespace {

QFont police(const QStringList& familles, QFont::StyleHint indice, double points,
             QFont::Weight graisse)
{
    QFont f;
    f.setFamilies(familles);
    f.setStyleHint(indice, QFont::PreferAntialias);
    f.setPixelSize(pixels(points));
    f.setWeight(graisse);
    return f;
}

// Sans-serif families with the metrics of Arial first: they are narrower than DejaVu Sans,
// which the labels' fixed widths need.
const QStringList sans_serif {"Liberation Sans", "Arimo",    "Nimbus Sans",
                              "Helvetica",       "FreeSans", "DejaVu Sans"};

QStringList avant(const QString& premiere, const QStringList& suite)
{
    QStringList familles {premiere};
    familles += suite;
    return familles;
}

} // namespace

int pixels(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont police_normale(double points)
{
    return police(avant("MS Sans Serif", avant("Microsoft Sans Serif", avant("Arial", sans_serif))),
                  QFont::SansSerif, points, QFont::Normal);
}

QFont police_grasse(double points)
{
    QFont f = police_normale(points);
    f.setWeight(QFont::Bold);
    return f;
}

QFont police_arial(double points)
{
    return police(avant("Arial", sans_serif), QFont::SansSerif, points, QFont::Normal);
}

// Few systems have a black weight of a sans-serif; the heaviest face found is used.
QFont police_lourde(double points)
{
    return police(avant("Arial Black", sans_serif), QFont::SansSerif, points, QFont::Black);
}

QFont police_fixe(double points)
{
    QFont f = police({"Courier", "Courier New", "Liberation Mono", "Cousine", "Nimbus Mono PS",
                      "FreeMono", "DejaVu Sans Mono", "Noto Mono"},
                     QFont::Monospace, points, QFont::Normal);
    f.setFixedPitch(true);
    return f;
}

} // namespace tavik::ui
