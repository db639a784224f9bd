// The main window from the keyboard, the clipboard, a dropped text and a screen reader, on the
// real controls offscreen.

#include "fenetre_info.h"
#include "fenetre_plateau.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QTimer>

using namespace tavik;
using namespace tavik::ui;

namespace {

// The main window on the shipped library, shown and active; messages are kept, the animation's
// clock is fast.
struct Banc
{
    FonCom com;
    std::vector<std::string> messages;
    std::unique_ptr<FenetrePlateau> f;

    Banc()
    {
        Hote hote {[this](const std::string& texte) { messages.push_back(texte); },
                   [t = 0.0]() mutable { return t += 0.03; }};
        f = std::make_unique<FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    template <class W = QWidget> W* w(const char* nom) const { return f->findChild<W*>(nom); }
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
    void touche(QKeySequence::StandardKey k) const
    {
        touche(QKeySequence::keyBindings(k).value(0)[0]);
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
    static QString accessible(QObject* o, QAccessible::Text t = QAccessible::Name)
    {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
        return i ? i->text(t) : QStringLiteral("(aucune interface)");
    }
};

} // namespace

class TestClavier : public QObject
{
    Q_OBJECT

private slots:
    // The arrows, Home and End step through the game whatever control has the focus, and only
    // as far as the buttons allow.
    void fleches_quel_que_soit_le_focus()
    {
        Banc b;
        b.joue({"F5", "D6", "C3"});
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
        const char* focus[]
            = {"LstCoup", "LstSuite", "chk_voir_coup", "ChkNoirAuto", "CmdRotation", "TxtSuivant"};
        for (const char* nom : focus) {
            b.w("LstCoup")->setFocus();
            b.touche(Qt::Key_Left); // the next-move box shows inside the game only
            QWidget* cible = b.w(nom);
            cible->setFocus();
            QVERIFY2(QApplication::focusWidget() == cible, nom);
            const std::pair<QKeyCombination, const char*> pas[] = {{Qt::Key_Home, "0011"},
                                                                   {Qt::Key_Right, "1111"},
                                                                   {Qt::Key_Right, "1111"},
                                                                   {Qt::Key_Left, "1111"},
                                                                   {Qt::Key_End, "1100"}};
            for (const auto& [touche, boutons] : pas) {
                if (QApplication::focusWidget() != cible) break; // the hidden next-move box
                b.touche(touche);
                QCOMPARE(b.navigation(), QLatin1String(boutons));
            }
            QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
            QVERIFY2(!b.w<QCheckBox>("chk_voir_coup")->isChecked(), nom);
        }
        QVERIFY(b.messages.empty());

        // At the start "<<" is off: Home does not run it, which would untick "Blanc auto".
        b.w("LstCoup")->setFocus();
        b.touche(Qt::Key_Home);
        QTest::mouseClick(b.w<QCheckBox>("ChkBlancAuto"), Qt::LeftButton);
        b.touche(Qt::Key_Home);
        b.touche(Qt::Key_Left);
        QVERIFY(b.w<QCheckBox>("ChkBlancAuto")->isChecked());
        QCOMPARE(b.f->plateau().num_coup, 1);
    }

    // Ctrl+N, Ctrl+O and F1 press "Jouer", "Ouvertures" and "A propos..."; the tooltips say so.
    void touches_des_commandes()
    {
        Banc b;
        const std::pair<const char*, const char*> bulles[] = {{"cmd_jouer", "Ctrl+N"},
                                                              {"CmdChager", "Ctrl+O"},
                                                              {"CmdInfo", "F1"},
                                                              {"CmdDebut", "Origine"},
                                                              {"CmdPrecedent", "flèche gauche"},
                                                              {"CmdSuivant", "flèche droite"},
                                                              {"CmdFin", "(Fin)"}};
        for (const auto& [bouton, touche] : bulles)
            QVERIFY2(b.w(bouton)->toolTip().contains(QString::fromUtf8(touche)), bouton);

        b.joue({"F5"});
        b.w("LstSuite")->setFocus();
        b.touche(Qt::CTRL | Qt::Key_N);
        QCOMPARE(b.coups(), QString());
        b.touche(Qt::CTRL | Qt::Key_O);
        QVERIFY(b.f->fenetre_ouverture() && b.f->fenetre_ouverture()->isVisible());
        b.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.f.get()));

        bool ouverte = false;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<FenetreInfo*>(QApplication::activeModalWidget());
            ouverte = boite != nullptr;
            if (boite) boite->reject();
        });
        b.touche(Qt::Key_F1); // returns once the box is closed
        QVERIFY(ouverte);
    }

    // Copied at the current point, pasted back; a faulty text is refused with its place.
    void presse_papiers_aller_retour()
    {
        Banc b;
        QClipboard* pp = QGuiApplication::clipboard();
        b.joue({"F5", "D6", "C3", "D3"});
        b.w("LstCoup")->setFocus();
        b.touche(QKeySequence::Copy);
        QCOMPARE(pp->text(), QStringLiteral("f5d6c3d3"));
        b.touche(Qt::Key_Left);
        b.touche(QKeySequence::Copy);
        QCOMPARE(pp->text(), QStringLiteral("f5d6c3"));

        pp->setText(QStringLiteral("1. C4 e3\n2. F6 e6 3. f5"));
        b.w("chk_voir_coup")->setFocus();
        b.touche(QKeySequence::Paste);
        QCOMPARE(b.coups(), QStringLiteral(" 1. C4   2. E3| 3. F6   4. E6| 5. F5"));
        QCOMPARE(b.w<QLabel>("LblOuverture")->text(), QStringLiteral("Tigre"));
        QCOMPARE(b.navigation(), QStringLiteral("1100"));

        pp->setText(QStringLiteral("f5 d6 c3 d3 c4 z4"));
        b.touche(QKeySequence::Paste);
        QCOMPARE(b.coups(), QStringLiteral(" 1. C4   2. E3| 3. F6   4. E6| 5. F5"));
        QCOMPARE(b.messages.size(), std::size_t {1});
        QVERIFY(b.messages[0].find("au caractère 16, « z »") != std::string::npos);

        pp->setText(QStringLiteral("f5d6c3"));
        b.touche(QKeySequence::Paste);
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
        b.touche(QKeySequence::Copy);
        QCOMPARE(pp->text(), QStringLiteral("f5d6c3"));
    }

    // A text dropped on the board loads the game; elsewhere the window does not take it.
    void texte_depose_sur_le_plateau()
    {
        Banc b;
        QMimeData texte;
        texte.setText(QStringLiteral("f5 d6 c3"));
        const auto depose = [&](QPoint ou) {
            QDragEnterEvent entree(ou, Qt::CopyAction, &texte, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(b.f.get(), &entree);
            QDropEvent depot(ou, Qt::CopyAction, &texte, Qt::LeftButton, Qt::NoModifier);
            if (entree.isAccepted()) QApplication::sendEvent(b.f.get(), &depot);
            return entree.isAccepted() && depot.isAccepted();
        };
        QVERIFY(!depose(b.w("LstSuite")->geometry().center()));
        QCOMPARE(b.coups(), QString());
        QVERIFY(depose(b.tuile("E5")->geometry().center()));
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
        QVERIFY(b.messages.empty());
    }

    // Every control has a French name and description; the tiles and the texts that follow the
    // game read as the game stands.
    void lecteur_d_ecran()
    {
        Banc b;
        for (QWidget* w : b.f->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!b.accessible(w).isEmpty(), qPrintable(w->objectName()));
            QVERIFY2(!b.accessible(w, QAccessible::Description).isEmpty(),
                     qPrintable(w->objectName()));
        }
        QCOMPARE(b.accessible(b.w("CmdPrecedent")), QStringLiteral("Coup précédent"));

        const auto lues = [&] {
            QStringList l;
            for (const char* c : {"D4", "E4", "F5", "D6"}) l << b.accessible(b.tuile(c));
            for (const char* n : {"quijoue", "nb_noir", "LblOuverture"}) l << b.accessible(b.w(n));
            return l.join(QLatin1Char('|'));
        };
        QCOMPARE(lues(),
                 QStringLiteral("D4 : pion blanc|E4 : pion noir|F5 : vide|D6 : vide|"
                                "Au tour de noir|Pions noirs : 2|Ouverture : aucune"));
        QTest::mouseClick(b.w<QCheckBox>("chk_voir_coup"), Qt::LeftButton);
        QCOMPARE(b.accessible(b.tuile("F5")), QStringLiteral("F5 : vide, coup possible"));

        // Pressing a square through the accessibility interface plays it, as a left click.
        QAccessibleInterface* f5 = QAccessible::queryAccessibleInterface(b.tuile("F5"));
        QCOMPARE(f5->role(), QAccessible::Button);
        f5->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(lues(),
                 QStringLiteral("D4 : pion blanc|E4 : pion noir|F5 : pion noir|"
                                "D6 : vide, coup possible|Au tour de blanc|"
                                "Pions noirs : 4|Ouverture : aucune"));

        QTest::mouseClick(b.w<QAbstractButton>("CmdChager"), Qt::LeftButton);
        const auto controles
            = b.f->fenetre_ouverture()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controles.size(), 3);
        for (QWidget* w : controles) {
            QVERIFY2(!b.accessible(w, QAccessible::Description).isEmpty(),
                     qPrintable(b.accessible(w)));
        }
        QCOMPARE(b.accessible(b.f->fenetre_ouverture()->findChild<QListWidget*>()),
                 QStringLiteral("Liste des ouvertures"));
    }
};

QTEST_MAIN(TestClavier)
#include "clavier_test.moc"
