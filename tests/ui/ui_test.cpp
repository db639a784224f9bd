// The windows driven through their real controls offscreen: the mouse, the keyboard, the
// clipboard, a dropped text and a screen reader; the about box and the desktop icons.

#include "attendu.h"
#include "banc.h"
#include "dossiers.h"
#include "fenetre_info.h"
#include "fenetre_plateau.h"
#include "images.h"
#include "reglages.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavik;
using namespace tavik::ui;

class TestUi : public QObject
{
    Q_OBJECT

private slots:
    void plateau_a_la_souris()
    {
        Banc b;
        textes_loges(*b.f);
        // A right press previews F5 and the release restores the position.
        QTest::mousePress(b.tuile("F5"), Qt::RightButton);
        QCOMPARE(b.images(), apres_f5);
        QTest::mouseRelease(b.tuile("F5"), Qt::RightButton);
        QCOMPARE(b.images(), depart);

        QTest::mouseClick(b.tuile("F5"), Qt::LeftButton);
        QCOMPARE(b.images(), apres_f5);
        QCOMPARE(b.tuile("F5")->grab().toImage().pixel(15, 15), attendu::noir);

        // Each click on "Coups" runs the core's click operation once.
        int clics = 0;
        Plateau& p = b.f->plateau();
        p.controles.chk_voir_coup.sur_clic([&] { ++clics, p.chk_voir_coup_Click(); });
        clique(*b.f, "chk_voir_coup");
        QVERIFY(clics == 1 && b.coche("chk_voir_coup"));
        QCOMPARE(b.images(), QStringLiteral("D4:3 E4:2 F4:4 D5:2 E5:2 F5:2 D6:4 F6:4"));
        clique(*b.f, "chk_voir_coup");
        QVERIFY(clics == 2 && !b.coche("chk_voir_coup"));
        QCOMPARE(b.images(), apres_f5);

        // "<" unticks the automatic box in the core and on the screen, and redraws the tiles.
        clique(*b.f, "ChkNoirAuto"); // white to move: nothing is played
        QVERIFY(b.coche("ChkNoirAuto"));
        clique(*b.f, "CmdPrecedent");
        QVERIFY(!b.coche("ChkNoirAuto"));
        QCOMPARE(b.images(), depart);
        QVERIFY(b.messages.empty());
    }

    // Held to the library, a refused move says why in a bubble at its square, which goes by
    // itself; a continuation's square names its opening and evaluation in its tooltip.
    void bulle_et_infobulle()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("biblio.csv"));
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly)
                && fichier.write("Nom\nTigre;;C4E3 F6E6 F5;eq;\nInhumaine;;C4E3 F6;n+=;\n") > 0);
        fichier.close();
        Banc b(chemin.toStdString());
        clique(*b.f, "ChkBlancAuto");
        b.joue({"F5"}); // white answers D6
        QCOMPARE(b.tuile("C3")->toolTip(),
                 QStringLiteral("C3\u00a0: Inhumaine\nLéger avantage à noir."));
        QCOMPARE(b.tuile("C4")->toolTip(), QString());
        QCOMPARE(b.w<QListWidget>("LstSuite")->item(0)->text(),
                 QStringLiteral("C3\u00a0: Inhumaine [N+=]"));
        b.joue({"C5"});
        const auto* bulle = b.w<QLabel>("bulle");
        QVERIFY(bulle && bulle->isVisible());
        QCOMPARE(bulle->text(), QStringLiteral("Coup hors bibliothèque\u00a0: C3"));
        QVERIFY(b.f->rect().contains(bulle->geometry()));
        QCOMPARE(bulle->y(), b.tuile("C5")->geometry().bottom() + 2);
        QTRY_VERIFY_WITH_TIMEOUT(!bulle->isVisible(), 10000);
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6"));
        QVERIFY(b.messages.empty());
    }

    // With the training window active, the main window's keys still act on the board: the
    // arrows, Ctrl+C, Ctrl+N and Ctrl+V; a text box keeps its own copy and paste.
    void raccourcis_depuis_l_entrainement()
    {
        Banc b;
        QClipboard* pp = QGuiApplication::clipboard();
        b.joue({"F5", "D6", "C3"});
        b.touche(Qt::CTRL | Qt::Key_E);
        QWidget* seance = b.f->fenetre_entrainement();
        QVERIFY(QTest::qWaitForWindowActive(seance));
        seance->findChild<QWidget*>(QStringLiteral("OptNoir"))->setFocus();
        b.touche(Qt::Key_Left);
        QCOMPARE(b.navigation(), QStringLiteral("1111"));
        b.touche(Qt::CTRL | Qt::Key_C);
        QCOMPARE(pp->text(), QStringLiteral("f5d6"));
        b.touche(Qt::CTRL | Qt::Key_N);
        QCOMPARE(b.coups(), QString());
        b.touche(Qt::CTRL | Qt::Key_V);
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6"));

        auto* filtre = seance->findChild<QLineEdit*>(QStringLiteral("TxtFiltre"));
        filtre->setFocus();
        QTest::keyClicks(filtre, QStringLiteral("tigre"));
        filtre->selectAll();
        b.touche(Qt::CTRL | Qt::Key_C);
        QCOMPARE(pp->text(), QStringLiteral("tigre"));
        b.touche(Qt::Key_End);
        b.touche(Qt::CTRL | Qt::Key_V);
        QCOMPARE(filtre->text(), QStringLiteral("tigretigre"));
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6"));
    }

    // The address lines point to the version and to the installed documentation, or, where
    // the program is not installed, to its README; "OK" closes the box.
    void a_propos_adresses()
    {
        const QTemporaryDir installee;
        QFile(installee.filePath(QStringLiteral("README.md"))).open(QIODevice::WriteOnly);
        const QTemporaryDir vide;
        for (const QTemporaryDir* dossier : {&installee, &vide}) {
            FenetreInfo boite(nullptr, chemin_local(dossier->path()));
            textes_loges(boite);
            boite.show();
            clique(boite, "CmdOk");
            QVERIFY(!boite.isVisible());
            QVERIFY(boite.findChild<QLabel*>(QStringLiteral("version"))->text().endsWith("1.4"));
            const QLabel* doc = boite.findChild<QLabel*>(QStringLiteral("documentation"));
            QCOMPARE(doc->text(),
                     dossier == &vide ? QStringLiteral("le fichier README de Tavik")
                                      : QStringLiteral("documentation installée"));
            if (dossier == &installee) {
                QCOMPARE(doc->toolTip(), QDir::toNativeSeparators(installee.path()));
                QCOMPARE(doc->cursor().shape(), Qt::PointingHandCursor);
            }
        }
    }

    // The desktop icons drawn at build time: each PNG fills its square with the small board
    // (a square of the right-hand column is the board's green), and the SVG draws the same.
    void icones_du_bureau()
    {
        const QString modele = QStringLiteral(TAVIK_ICONES "/hicolor/%1/apps/" TAVIK_ID ".%2");
        const auto proche = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) <= 12 && qAbs(qGreen(a) - qGreen(b)) <= 12
                && qAbs(qBlue(a) - qBlue(b)) <= 12 && qAlpha(a) == 255;
        };
        const QRgb vert = image_pion(1, 1).toImage().pixel(15, 15); // as the empty square shows it
        for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage png(
                modele.arg(QStringLiteral("%1x%1").arg(taille), QStringLiteral("png")));
            QCOMPARE(png.size(), QSize(taille, taille));
            QVERIFY2(proche(png.pixel(taille * 28 / 32, taille * 12 / 32), vert),
                     qPrintable(QString::number(taille)));
        }

        QSvgRenderer svg(modele.arg(QStringLiteral("scalable"), QStringLiteral("svg")));
        QVERIFY(svg.isValid());
        QImage rendu(64, 64, QImage::Format_ARGB32);
        rendu.fill(Qt::transparent);
        QPainter p(&rendu);
        svg.render(&p);
        p.end();
        const QImage png(modele.arg(QStringLiteral("64x64"), QStringLiteral("png")));
        int differents = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                differents += !proche(rendu.pixel(x, y), png.pixel(x, y))
                    && qAlpha(rendu.pixel(x, y)) + qAlpha(png.pixel(x, y)) > 0;
        QVERIFY2(differents < 64 * 64 / 50, qPrintable(QString::number(differents)));
    }

    // The arrows, Home and End step through the game whatever control has the focus, and only
    // as far as the buttons allow; Ctrl+N, Ctrl+O and F1 press "Jouer", "Ouvertures" and "A
    // propos...". The tooltips say so.
    void touches_quel_que_soit_le_focus()
    {
        Banc b;
        // clang-format off
        const std::pair<const char*, const char*> bulles[] = {
            {"cmd_jouer", "Ctrl+N"}, {"CmdChager", "Ctrl+O"}, {"CmdInfo", "F1"},
            {"CmdDebut", "Origine"}, {"CmdPrecedent", "flèche gauche"},
            {"CmdSuivant", "flèche droite"}, {"CmdFin", "(Fin)"}};
        // clang-format on
        for (const auto& [bouton, touche] : bulles)
            QVERIFY2(b.w(bouton)->toolTip().contains(QString::fromUtf8(touche)), bouton);

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
            // clang-format off
            const std::pair<Qt::Key, const char*> pas[] = {
                {Qt::Key_Home, "0011"}, {Qt::Key_Right, "1111"}, {Qt::Key_Left, "0011"},
                {Qt::Key_End, "1100"}};
            // clang-format on
            for (const auto& [touche, boutons] : pas) {
                if (QApplication::focusWidget() != cible) break; // the hidden next-move box
                b.touche(touche);
                QCOMPARE(b.navigation(), QLatin1String(boutons));
            }
            QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
            QVERIFY2(!b.coche("chk_voir_coup"), nom);
        }
        QVERIFY(b.messages.empty());

        // At the start "<<" is off: Home does not run it, which would untick "Blanc auto".
        b.w("LstCoup")->setFocus();
        b.touche(Qt::Key_Home);
        QTest::mouseClick(b.w<QCheckBox>("ChkBlancAuto"), Qt::LeftButton);
        b.touche(Qt::Key_Home);
        b.touche(Qt::Key_Left);
        QVERIFY(b.coche("ChkBlancAuto"));
        QCOMPARE(b.f->plateau().num_coup, 1);

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

    // Copied at the current point, pasted; a faulty text is refused and changes nothing. A text
    // dropped on the board loads the game; elsewhere the window does not take it.
    void presse_papiers_et_depot()
    {
        Banc b;
        QClipboard* pp = QGuiApplication::clipboard();
        b.joue({"F5", "D6", "C3", "D3"});
        b.w("LstCoup")->setFocus();
        b.touche(Qt::CTRL | Qt::Key_C);
        QCOMPARE(pp->text(), QStringLiteral("f5d6c3d3"));
        b.touche(Qt::Key_Left);
        b.touche(Qt::CTRL | Qt::Key_C);
        QCOMPARE(pp->text(), QStringLiteral("f5d6c3"));

        pp->setText(QStringLiteral("1. C4 e3\n2. F6 e6 3. f5"));
        b.w("chk_voir_coup")->setFocus();
        b.touche(Qt::CTRL | Qt::Key_V);
        const QString tigre = QStringLiteral(" 1. C4   2. E3| 3. F6   4. E6| 5. F5");
        QCOMPARE(b.coups(), tigre);
        pp->setText(QStringLiteral("f5 d6 c3 d3 c4 z4"));
        b.touche(Qt::CTRL | Qt::Key_V);
        QCOMPARE(b.coups(), tigre);
        QCOMPARE(b.images(), QStringLiteral("E3:3 C4:2 D4:2 E4:3 D5:2 E5:2 F5:2 E6:3 F6:2"));
        QCOMPARE(b.messages.size(), std::size_t {1});
        QVERIFY(b.messages[0].find("au caractère 16, «\u00a0z\u00a0»") != std::string::npos);

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
        QCOMPARE(b.coups(), tigre);
        QVERIFY(depose(b.tuile("E5")->geometry().center()));
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3"));
        QCOMPARE(b.messages.size(), std::size_t {1});
    }

    // Every control has a French name and description; the tiles and the texts that follow the
    // game read as the game stands.
    void lecteur_d_ecran()
    {
        Banc b;
        QTest::mouseClick(b.w("CmdChager"), Qt::LeftButton);
        QWidget* choix = b.f->fenetre_ouverture();
        for (QWidget* w : b.f->findChildren<QWidget*>() + choix->findChildren<QWidget*>()) {
            // Every named control, and the chooser's unnamed caption.
            if (w->objectName().startsWith(QLatin1String("qt_"))
                || (w->objectName().isEmpty() && w->parentWidget() != choix))
                continue;
            const QString nom = b.accessible(w) + QLatin1Char('/') + w->objectName();
            QVERIFY2(!b.accessible(w).isEmpty(), qPrintable(nom));
            QVERIFY2(!b.accessible(w, QAccessible::Description).isEmpty(), qPrintable(nom));
        }
        QCOMPARE(b.accessible(choix->findChild<QListWidget*>()),
                 QStringLiteral("Liste des ouvertures"));
        QCOMPARE(b.accessible(b.w("CmdPrecedent")), QStringLiteral("Coup précédent"));

        const auto lues = [&] {
            QStringList l;
            for (const char* c : {"D4", "E4", "F5", "D6"}) l << b.accessible(b.tuile(c));
            for (const char* n : {"quijoue", "nb_noir", "LblOuverture"}) l << b.accessible(b.w(n));
            return l.join(QLatin1Char('|'));
        };
        QCOMPARE(lues(),
                 QStringLiteral("D4\u00a0: pion blanc|E4\u00a0: pion noir|F5\u00a0: vide|D6\u00a0: vide|"
                                "Au tour de noir|Pions noirs\u00a0: 2|Ouverture\u00a0: aucune"));
        QTest::mouseClick(b.w<QCheckBox>("chk_voir_coup"), Qt::LeftButton);
        QCOMPARE(b.accessible(b.tuile("F5")), QStringLiteral("F5\u00a0: vide, coup possible"));

        // Pressing a square through the accessibility interface plays it, as a left click.
        QAccessibleInterface* f5 = QAccessible::queryAccessibleInterface(b.tuile("F5"));
        QCOMPARE(f5->role(), QAccessible::Button);
        f5->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(lues(),
                 QStringLiteral("D4\u00a0: pion blanc|E4\u00a0: pion noir|F5\u00a0: pion noir|"
                                "D6\u00a0: vide, coup possible|Au tour de blanc|"
                                "Pions noirs\u00a0: 4|Ouverture\u00a0: aucune"));
    }
};

QTEST_MAIN(TestUi)
#include "ui_test.moc"
