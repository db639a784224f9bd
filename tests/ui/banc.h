#pragma once

// The main window as the Qt tests drive it: on a library, shown and active, its messages kept,
// its settings and notebook in a scratch folder; and small checks shared by those tests.

#include "fenetre_plateau.h"
#include "reglages.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

using namespace tavik;
using namespace tavik::ui;

namespace {

// The tiles that show a picture other than the empty square, as "D4:3".
const QString depart = QStringLiteral("D4:3 E4:2 D5:2 E5:3");
const QString apres_f5 = QStringLiteral("D4:3 E4:2 D5:2 E5:2 F5:2");

void clique(const QWidget& fenetre, const char* nom)
{
    QTest::mouseClick(fenetre.findChild<QAbstractButton*>(QLatin1String(nom)), Qt::LeftButton);
}

// Every single-line caption and every button's text of `fenetre` fits its control.
void textes_loges(const QWidget& fenetre)
{
    for (QWidget* c : fenetre.findChildren<QWidget*>()) {
        const QString t = c->property("text").toString();
        const int marge = qobject_cast<QAbstractButton*>(c) ? 4 : 0;
        if (c->isVisibleTo(&fenetre) && !c->property("wordWrap").toBool())
            QVERIFY2(c->fontMetrics().horizontalAdvance(t) <= c->width() - marge, qPrintable(t));
    }
}

// The main window on a library, shown and active; messages are kept, the animation's clock is
// fast; the notebook and the settings in a scratch folder.
struct Banc
{
    QTemporaryDir dossier; // the notebook and the settings
    FonCom com;
    std::vector<std::string> messages;
    std::unique_ptr<FenetrePlateau> f;

    explicit Banc(const std::string& biblio = TAVIK_BIBLIO)
    {
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        Hote hote {[this](const std::string& texte) { messages.push_back(texte); },
                   [t = 0.0]() mutable { return t += 0.03; },
                   dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()};
        f = std::make_unique<FenetrePlateau>(com, biblio, hote);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    template <class W = QWidget> W* w(const char* nom) const { return f->findChild<W*>(nom); }
    bool coche(const char* nom) const { return w<QCheckBox>(nom)->isChecked(); }
    Tuile* tuile(const char* c) const { return f->tuile((c[1] - '1') * 8 + (c[0] - 'A')); }
    void joue(std::initializer_list<const char*> coups) const
    {
        for (const char* c : coups) QTest::mouseClick(tuile(c), Qt::LeftButton);
    }
    // A key pressed where the focus is, as a user types it.
    void touche(QKeyCombination k) const
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : f.get(), k.key(), k.keyboardModifiers());
    }
    QString coups() const // the move list's lines joined by "|"
    {
        QStringList l;
        const auto* liste = w<QListWidget>("LstCoup");
        for (int i = 0; i < liste->count(); ++i) l << liste->item(i)->text();
        return l.join(QLatin1Char('|'));
    }
    QString navigation() const // "<<", "<", ">" and ">>" enabled, as "1100"
    {
        QString s;
        for (const char* nom : {"CmdDebut", "CmdPrecedent", "CmdSuivant", "CmdFin"})
            s += QLatin1Char(w(nom)->isEnabled() ? '1' : '0');
        return s;
    }
    QString images() const
    {
        QStringList l;
        for (int i = 0; i < 64; ++i)
            if (const int n = f->tuile(i)->image(); n != 1)
                l << QStringLiteral("%1%2:%3").arg(QChar(u'A' + i % 8)).arg(i / 8 + 1).arg(n);
        return l.join(QLatin1Char(' '));
    }
    static QString accessible(QObject* o, QAccessible::Text t = QAccessible::Name)
    {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
        return i ? i->text(t) : QStringLiteral("(aucune interface)");
    }
};

} // namespace
