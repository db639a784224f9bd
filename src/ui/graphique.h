#pragma once

#include "training/carnet.h"

#include <QWidget>
#include <vector>

namespace tavik::ui {

// The chart of the progress page: for each day shown, oldest at the left and today at the
// right, a bar of the exercises finished rising from a middle line and one of the wrong moves
// hanging from it, on a scale that fits the largest, numbered at its top, middle and bottom;
// the date of every seventh day counted back from today, and a legend.
class Graphique : public QWidget
{
    Q_OBJECT

public:
    explicit Graphique(QWidget* parent);

    void montre(const std::vector<JourActivite>& jours); // repaints only when they change
    const std::vector<JourActivite>& jours() const { return jours_; }

    // The bar colours, for the legend and the tests.
    static QColor couleur_revues();
    static QColor couleur_erreurs();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<JourActivite> jours_;
};

} // namespace tavik::ui
