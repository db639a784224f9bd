#include "places_retenues.h"

#include "ecran.h"
#include "reglages.h"
#include "windows/placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <vector>

namespace tavik::ui {

namespace {

// Held by a window that remembers its place: the setting's key, and the window's closings
// watched.
class PlaceRetenue : public QObject
{
public:
    PlaceRetenue(QWidget& fenetre, const QString& cle, bool avec_taille)
        : QObject(&fenetre)
        , fenetre_(fenetre)
        , cle_(cle)
        , avec_taille_(avec_taille)
    {
        fenetre.installEventFilter(this);
        // A session that ends closes no window: the place is kept as the program quits.
        connect(qApp, &QCoreApplication::aboutToQuit, this, &PlaceRetenue::retiens);
    }

    const QString& cle() const { return cle_; }
    bool avec_taille() const { return avec_taille_; }

    // A window shown, neither minimised nor filling the screen, is where the user put it.
    // Hidden, its place was kept as it was closed: another copy of the program may have
    // kept a later one since.
    void retiens()
    {
        if (!fenetre_.isVisible()
            || (fenetre_.windowState()
                & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
            return;
        const QRect cadre = fenetre_.frameGeometry();
        const Rectangle place {cadre.x(), cadre.y(), fenetre_.width(), fenetre_.height()};
        reglages()->setValue(cle_, QString::fromStdString(texte_place(place, avec_taille_)));
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (objet == &fenetre_ && e->type() == QEvent::Close) retiens();
        return false;
    }

private:
    QWidget& fenetre_;
    QString cle_;
    bool avec_taille_;
};

} // namespace

void retient_place(QWidget& fenetre, const QString& cle, bool avec_taille)
{
    new PlaceRetenue(fenetre, cle, avec_taille);
}

bool remet_a_sa_place(QWidget& fenetre, const QWidget* voisine)
{
    const PlaceRetenue* retenue = nullptr;
    for (const QObject* enfant : fenetre.children())
        if (!retenue) retenue = dynamic_cast<const PlaceRetenue*>(enfant);
    if (!retenue) return false;
    // A value that is not text (a list, edited by hand with commas) reads as no text.
    const auto place = lit_place(reglages()->value(retenue->cle()).toString().toStdString());
    if (!place) return false;

    QSize taille = fenetre.size();
    if (retenue->avec_taille() && place->largeur > 0)
        taille = QSize(place->largeur, place->hauteur)
                     .expandedTo(fenetre.minimumSize())
                     .boundedTo(fenetre.maximumSize());
    const QMargins m = marges_de(voisine ? voisine : &fenetre);
    const Rectangle cadre {place->x, place->y, taille.width() + m.left() + m.right(),
                           taille.height() + m.top() + m.bottom()};
    std::vector<Rectangle> ecrans;
    for (const QScreen* ecran : QGuiApplication::screens()) {
        const QRect r = ecran->availableGeometry();
        ecrans.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    if (!place_acceptable(cadre, ecrans)) return false;
    fenetre.resize(taille);
    fenetre.move(place->x, place->y); // the frame's top-left corner
    return true;
}

} // namespace tavik::ui
