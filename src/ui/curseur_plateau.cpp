// The board from the keyboard: the keys go to the core's cursor, which the tiles show.

#include "fenetre_plateau.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>

namespace tavik::ui {

namespace {

// The cursor's step for an arrow key: (columns, rows), rows going down the board.
std::optional<QPoint> pas_de(int touche)
{
    switch (touche) {
    case Qt::Key_Left:
        return QPoint(-1, 0);
    case Qt::Key_Right:
        return QPoint(1, 0);
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    default:
        return std::nullopt;
    }
}

// A printable ASCII character typed without Ctrl, Alt or Meta, or 0.
char caractere_de(const QKeyEvent& k)
{
    const QString texte = k.text();
    if (texte.size() != 1) return 0;
    const char16_t c = texte.front().unicode();
    return c > u' ' && c < 127 ? static_cast<char>(c) : 0;
}

bool touche_du_plateau(const QKeyEvent& k)
{
    if (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return pas_de(k.key()) || k.key() == Qt::Key_Space || k.key() == Qt::Key_Return
        || k.key() == Qt::Key_Enter || caractere_de(k) != 0;
}

// On the tiles: their keys go to the core, before the window's shortcuts (the arrows step
// through the game anywhere else).
class ClavierDuPlateau : public QObject
{
public:
    explicit ClavierDuPlateau(FenetrePlateau& fenetre)
        : QObject(&fenetre)
        , fenetre_(fenetre)
    {
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
            static_cast<QWidget*>(objet)->update(); // the cursor shows with the focus
        if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
        const auto& k = *static_cast<QKeyEvent*>(e);
        if (!touche_du_plateau(k)) return false;
        e->accept();
        if (e->type() == QEvent::KeyPress) joue(k);
        return true;
    }

private:
    void joue(const QKeyEvent& k)
    {
        Plateau& p = fenetre_.plateau();
        if (const std::optional<QPoint> pas = pas_de(k.key()))
            p.curseur_deplace(pas->x(), pas->y());
        else if (const char c = caractere_de(k))
            p.frappe(c);
        else
            p.curseur_joue();
        fenetre_.actualise();
    }

    FenetrePlateau& fenetre_;
};

} // namespace

void FenetrePlateau::installe_curseur()
{
    auto* clavier = new ClavierDuPlateau(*this);
    for (Tuile* t : tuiles_) t->installEventFilter(clavier);
}

void FenetrePlateau::montre_curseur()
{
    const CurseurPlateau& curseur = plateau_.controles.curseur;
    Tuile* cible = tuile(curseur.index);
    QWidget* focus = QApplication::focusWidget();
    const bool au_plateau = std::find(tuiles_.begin(), tuiles_.end(), focus) != tuiles_.end();
    cible->setFocusPolicy(Qt::TabFocus);
    if (au_plateau && focus != cible) cible->setFocus(Qt::OtherFocusReason);
    for (Tuile* t : tuiles_)
        if (t != cible) t->setFocusPolicy(Qt::NoFocus);
}

} // namespace tavik::ui
