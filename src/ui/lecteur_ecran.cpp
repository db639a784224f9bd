// What every window says to screen readers beyond its own controls: French names for the parts
// that Qt adds (a text field's clear button, a tab bar's scroll arrows, the pages of a tab
// widget), the separators, and the texts that the windows show.

#include "elements.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace tavik::ui {

namespace {

// Set only on a change, since each renaming is announced to the screen reader.
void nomme(QWidget& w, const QString& nom)
{
    if (w.accessibleName() != nom) w.setAccessibleName(nom);
}

void nomme_onglets(QTabWidget& onglets)
{
    for (int i = 0; i < onglets.count(); ++i) {
        QWidget* page = onglets.widget(i);
        if (page->accessibleName().isEmpty())
            page->setAccessibleName(QStringLiteral("Page ") + onglets.tabText(i));
    }
    for (auto* pile : onglets.findChildren<QStackedWidget*>(Qt::FindDirectChildrenOnly))
        pile->setAccessibleName(QStringLiteral("Page affichée"));
    // The arrows that scroll the tabs when they do not all fit.
    for (auto* fleche : onglets.tabBar()->findChildren<QToolButton*>()) {
        const bool avant
            = fleche->arrowType() == Qt::LeftArrow || fleche->arrowType() == Qt::UpArrow;
        fleche->setAccessibleName(avant ? QStringLiteral("Onglets précédents")
                                        : QStringLiteral("Onglets suivants"));
    }
}

// A separator line is a separator; a picture marked decorative is left out of what a screen
// reader walks through (hidden to it), its text being said by another control.
class AccesDecor : public QAccessibleWidget
{
public:
    explicit AccesDecor(QWidget* w)
        : QAccessibleWidget(w, QAccessible::Graphic)
    {
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* fabrique_decor(const QString&, QObject* objet)
{
    auto* w = qobject_cast<QWidget*>(objet);
    if (!w) return nullptr;
    if (dynamic_cast<Ligne*>(w)) return new QAccessibleWidget(w, QAccessible::Separator);
    if (w->property(propriete_decor).toBool()) return new AccesDecor(w);
    return nullptr;
}

} // namespace

void cache_au_lecteur(QWidget& w)
{
    w.setProperty(propriete_decor, true);
    // An interface made before, when the widget announced its text, is made again.
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&w))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

void installe_interfaces_decor()
{
    QAccessible::installFactory(&fabrique_decor);
}

void complete_pour_lecteur(QWidget& fenetre, const QString& separateur)
{
    installe_interfaces_decor();
    for (QWidget* w : fenetre.findChildren<QWidget*>()) {
        if (auto* champ = qobject_cast<QLineEdit*>(w)) {
            for (auto* effacer : champ->findChildren<QToolButton*>())
                effacer->setAccessibleName(QStringLiteral("Effacer le champ ")
                                           + champ->accessibleName());
        } else if (auto* onglets = qobject_cast<QTabWidget*>(w)) {
            nomme_onglets(*onglets);
        } else if (dynamic_cast<Ligne*>(w)) {
            // Ligne has no meta-object of its own: qobject_cast would match every widget.
            w->setAccessibleName(QStringLiteral("Séparateur"));
            w->setAccessibleDescription(separateur);
        }
    }
}

void nomme_avec_texte(QLabel& etiquette, const QString& legende, const QString& absent)
{
    const QString texte = etiquette.text().isEmpty()
        ? absent
        : etiquette.text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    nomme(etiquette, legende + QStringLiteral("\u00a0: ") + texte);
}

} // namespace tavik::ui
