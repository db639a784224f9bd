// The program without the mouse: a game typed or played with the board's cursor, an opening
// loaded and a drill done from the keyboard, the focus seen on every control; and a text
// dragged onto the board from outside it.

#include "principale.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFocusFrame>
#include <QLabel>
#include <QMimeData>

using namespace tavik;
using namespace tavik::ui;

namespace {

// Tab from the top-left control until the board has the focus; the number of Tabs.
int tab_jusqu_au_plateau(const Principale& b)
{
    b.w("cmd_jouer")->setFocus();
    for (int n = 1; n < 20; ++n) {
        Principale::touche(Qt::Key_Tab);
        if (qobject_cast<Tuile*>(QApplication::focusWidget())) return n;
    }
    return -1;
}

} // namespace

class TestClavier : public QObject
{
    Q_OBJECT

private slots:
    // The board is a tab stop, on its cursor (F5 at first): typed names play, the arrows move
    // the cursor instead of stepping through the game, Space and Enter play the cursor's
    // square, a refused square says why, and the window's Ctrl keys still work.
    void une_partie_au_clavier()
    {
        Principale b;
        QVERIFY(tab_jusqu_au_plateau(b) > 0);
        QCOMPARE(QApplication::focusWidget(), b.tuile("F5"));
        Principale::tape(QStringLiteral("f5"));
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5"));
        Principale::touche(Qt::Key_Down); // F6
        QCOMPARE(QApplication::focusWidget(), b.tuile("F6"));
        QCOMPARE(b.f->plateau().num_coup, 2); // not a step back
        Principale::touche(Qt::Key_Space);
        Principale::touche(Qt::Key_Left);
        Principale::touche(Qt::Key_Left);
        Principale::touche(Qt::Key_Up); // D5
        Principale::touche(Qt::Key_Up); // D4
        Principale::touche(Qt::Key_Return);
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. F6"));
        auto* bulle = b.w<QLabel>("bulle");
        QVERIFY(bulle && bulle->isVisible());
        QCOMPARE(bulle->text(), QStringLiteral("D4\u00a0: la case est occupée."));
        QVERIFY(bulle->geometry().intersects(b.tuile("D5")->geometry())); // under D4
        Principale::tape(QStringLiteral("E6"));
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. F6| 3. E6"));

        Principale::touche(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("f5f6e6"));
        QCOMPARE(QApplication::focusWidget(), b.tuile("E6"));
        b.w("LstCoup")->setFocus();
        Principale::touche(Qt::Key_Left); // off the board, the arrows step through the game
        QCOMPARE(b.f->plateau().num_coup, 3);
        QVERIFY(b.messages.empty());
    }

    // The cursor is seen: the focused tile's picture changes, on an empty square and on a
    // disc.
    void le_curseur_se_voit()
    {
        Principale b;
        for (const char* c : {"F5", "E5"}) {
            b.f->plateau().controles.curseur.index = (c[1] - '1') * 8 + (c[0] - 'A');
            b.f->actualise();
            b.w("cmd_jouer")->setFocus();
            const QImage sans = b.tuile(c)->grab().toImage();
            b.tuile(c)->setFocus();
            QCOMPARE(b.tuile(c)->focusPolicy(), Qt::TabFocus);
            QVERIFY2(b.tuile(c)->grab().toImage() != sans, c);
        }
        QCOMPARE(b.tuile("F5")->focusPolicy(), Qt::NoFocus); // one tab stop for the board
    }

    // Every tab stop shows the focus, the empty lists, the check boxes without text and the
    // board included: around each, the window differs from when the next one has it.
    void le_focus_se_voit_partout()
    {
        Principale b;
        b.w("cmd_jouer")->setFocus();
        QList<QWidget*> arrets;
        QList<QImage> images;
        for (int n = 0; n < 40; ++n) {
            Principale::touche(Qt::Key_Tab); // as a keyboard user moves it
            images << b.f->grab().toImage();
            if (!arrets.isEmpty() && QApplication::focusWidget() == arrets.first()) break;
            arrets << QApplication::focusWidget();
        }
        QStringList noms, caches;
        for (int k = 0; k < arrets.size(); ++k) {
            QWidget* w = arrets[k];
            const QRect r
                = QRect(w->mapTo(b.f.get(), QPoint(0, 0)), w->size()).adjusted(-2, -2, 2, 2);
            noms << w->objectName();
            if (images[k].copy(r) == images[k + 1].copy(r)) caches << w->objectName();
        }
        for (const char* nom :
             {"LstCoup", "LstSuite", "chk_voir_coup", "ChkNoirAuto", "plateau_37"})
            QVERIFY2(noms.contains(QLatin1String(nom)), nom);
        QVERIFY2(caches.isEmpty(), qPrintable(caches.join(QLatin1Char(' '))));
    }

    // An opening chosen in the chooser and loaded, without the mouse.
    void une_ouverture_au_clavier()
    {
        Principale b;
        Principale::touche(Qt::Key_O, Qt::ControlModifier);
        QWidget* choix = b.f->fenetre_ouverture();
        QVERIFY(QTest::qWaitForWindowActive(choix));
        Principale::touche(Qt::Key_Tab); // from the filter
        QCOMPARE(QApplication::focusWidget(), b.w("LstOuverture", choix));
        Principale::touche(Qt::Key_Down);
        Principale::touche(Qt::Key_Down);
        Principale::touche(Qt::Key_Return);
        QVERIFY(!b.coups().isEmpty());
        QVERIFY(!b.w<QLabel>("LblOuverture")->text().isEmpty());
    }

    // A drill from the keyboard: "Commencer" by Tab and Space in the training window, then the
    // expected move typed on the board, where the focus comes back.
    void un_exercice_au_clavier()
    {
        Principale b;
        QVERIFY(tab_jusqu_au_plateau(b) > 0);
        Principale::touche(Qt::Key_E, Qt::ControlModifier);
        FenetreEntrainement* e = b.f->fenetre_entrainement();
        Principale::active(e);
        for (int n = 0; n < 12 && QApplication::focusWidget() != b.w("CmdCommencer", e); ++n)
            Principale::touche(Qt::Key_Tab);
        Principale::touche(Qt::Key_Space);
        QVERIFY(e->entrainement().exercice_en_cours());
        Principale::active(b.f.get());
        QVERIFY(qobject_cast<Tuile*>(QApplication::focusWidget()));
        const Case attendu = e->entrainement().session()->exercice().coups_attendus().front();
        Principale::tape(QString::fromStdString(notation(attendu)));
        QCOMPARE(b.w<QLabel>("LblMessage", e)->text(), QStringLiteral("Coup juste."));
    }

    // A drag that enters the window outside the board is taken; dropped on the board it loads
    // the game, dropped elsewhere it is refused; what holds no text is never taken.
    void depot_entre_hors_du_plateau()
    {
        Principale b;
        QMimeData texte;
        texte.setText(QStringLiteral("f5 d6 c3"));
        const auto glisse = [&](const QMimeData& donnees, QPoint fin) {
            const QPoint entree = b.w("LstSuite")->geometry().center();
            QDragEnterEvent e(entree, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(b.f.get(), &e);
            if (!e.isAccepted()) return QStringLiteral("refusé à l'entrée");
            QDragMoveEvent m(fin, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(b.f.get(), &m);
            QDropEvent d(fin, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(b.f.get(), &d);
            return QStringLiteral("%1 %2").arg(m.isAccepted()).arg(d.isAccepted());
        };
        QCOMPARE(glisse(texte, b.w("LstCoup")->geometry().center()), QStringLiteral("0 0"));
        QCOMPARE(b.coups(), QString());
        QMimeData image;
        image.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QCOMPARE(glisse(image, b.tuile("E5")->geometry().center()),
                 QStringLiteral("refusé à l'entrée"));
        QCOMPARE(glisse(texte, b.tuile("E5")->geometry().center()), QStringLiteral("1 1"));
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
    }
};

QTEST_MAIN(TestClavier)
#include "clavier_test.moc"
