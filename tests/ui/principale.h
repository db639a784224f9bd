#pragma once

// The main window on the shipped library, shown and active, for the tests of the keyboard and
// of screen readers: messages are kept, the placing animation's clock runs fast, the notebook
// of the training window lies in a scratch folder.

#include "fenetre_plateau.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

struct Principale
{
    QTemporaryDir dossier;
    tavik::FonCom com;
    std::vector<std::string> messages;
    std::unique_ptr<tavik::ui::FenetrePlateau> f;

    Principale()
    {
        tavik::ui::Hote hote {
            .message = [this](const std::string& texte) { messages.push_back(texte); },
            .horloge = [t = 0.0]() mutable { return t += 0.03; },
            .carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()};
        f = std::make_unique<tavik::ui::FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        active(f.get());
    }
    static void active(QWidget* fenetre)
    {
        fenetre->show();
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
    }
    template <class W = QWidget> W* w(const char* nom, QWidget* fenetre = nullptr) const
    {
        return (fenetre ? fenetre : f.get())->findChild<W*>(QLatin1String(nom));
    }
    tavik::ui::Tuile* tuile(const char* c) const
    {
        return f->tuile((c[1] - '1') * 8 + (c[0] - 'A'));
    }
    QString coups() const // the move list's lines joined by "|"
    {
        QStringList l;
        const auto* liste = w<QListWidget>("LstCoup");
        for (int i = 0; i < liste->count(); ++i) l << liste->item(i)->text();
        return l.join(QLatin1Char('|'));
    }
    // Keys typed where the focus is.
    static void tape(const QString& touches)
    {
        QTest::keyClicks(QApplication::focusWidget(), touches);
    }
    static void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    static QAccessibleInterface* acces(QObject* o)
    {
        return QAccessible::queryAccessibleInterface(o);
    }
    static QString nom_lu(QObject* o) { return acces(o)->text(QAccessible::Name); }
};
