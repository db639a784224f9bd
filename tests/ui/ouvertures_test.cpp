// The chooser driven through its real controls offscreen: opened from the main window, read
// again when "Jouer" rereads the library, its filter, its keys and its double click.

#include "banc.h"
#include "fenetre_ouverture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

class TestOuvertures : public QObject
{
    Q_OBJECT

private slots:
    // "Ouvertures" twice opens one chooser beside the main window; an opening loaded. "Jouer"
    // reads the file again: the chooser lists the new file, no entry selected, so "Charger"
    // never loads a row of the new file under an old name. Closing the main window closes it.
    void fenetre_des_ouvertures()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("biblio.csv"));
        const auto ecrit = [&](const char* contenu) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) > 0);
        };
        ecrit("Nom\nAutre;;C4C3\nTigre;;C4E3 F6E6 F5\n");
        Banc b(chemin.toStdString());
        clique(*b.f, "CmdChager");
        clique(*b.f, "CmdChager");
        int visibles = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            visibles += qobject_cast<FenetreOuverture*>(w) && w->isVisible();
        QCOMPARE(visibles, 1);
        QPointer<FenetreOuverture> choix = b.f->fenetre_ouverture();
        QCOMPARE(choix->frameGeometry().left(), b.f->frameGeometry().right() + 1);
        QCOMPARE(choix->frameGeometry().top(), b.f->frameGeometry().top());
        textes_loges(*choix);

        auto* liste = choix->findChild<QListWidget*>(QStringLiteral("LstOuverture"));
        auto* tigre = liste->findItems(QStringLiteral("Tigre"), Qt::MatchExactly).value(0);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(tigre).center());
        clique(*choix, "Cmdcharger");
        QCOMPARE(b.w<QLabel>("LblOuverture")->text(), QStringLiteral("Tigre"));
        QCOMPARE(b.images(), QStringLiteral("E3:3 C4:2 D4:2 E4:3 D5:2 E5:2 F5:2 E6:3 F6:2"));
        QCOMPARE(liste->selectedItems().size(), 1);

        ecrit("Nom\nNouvelle;;C4C3\n");
        clique(*b.f, "cmd_jouer");
        QCOMPARE(liste->count(), 1);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("Nouvelle"));
        QVERIFY(liste->selectedItems().isEmpty());
        clique(*choix, "Cmdcharger");
        QCOMPARE(b.images(), depart);
        QVERIFY(b.messages.empty());

        QVERIFY(b.f->close());
        QTRY_VERIFY(choix.isNull());
    }

    // The chooser finds: the filter lists names without case or accents and first moves, each
    // entry with its moves; Enter loads the selected entry (the first one listed when none
    // is), a double click loads; the list keeps Home and End; Ctrl+N from the chooser keeps its
    // selection; "À partir de F5" loads from F5 and is remembered by the next chooser; Escape
    // closes it.
    void ouvertures_a_chercher()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("biblio.csv"));
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("Nom\nPerpendiculaire;;C4E3\nTigre;;C4E3 F6E6 F5\nTigre;;C4E3 F6E6 F5G6\n"
                      "Bétonnage;;C4C3\n");
        fichier.close();
        Banc b(chemin.toStdString());
        b.touche(Qt::CTRL | Qt::Key_O);
        QPointer<FenetreOuverture> choix = b.f->fenetre_ouverture();
        QVERIFY(QTest::qWaitForWindowActive(choix));
        auto* filtre = choix->findChild<QLineEdit*>(QStringLiteral("TxtFiltre"));
        auto* liste = choix->findChild<QListWidget*>(QStringLiteral("LstOuverture"));
        QCOMPARE(QApplication::focusWidget(), filtre);
        const auto montres = [&] {
            QStringList l;
            for (int i = 0; i < liste->count(); ++i)
                l << liste->item(i)->text() + QLatin1Char(' ')
                        + liste->item(i)->data(Qt::UserRole + 1).toString();
            return l.join(QLatin1Char('|'));
        };
        QCOMPARE(liste->count(), 4);

        QTest::keyClicks(filtre, QStringLiteral("BETON"));
        QCOMPARE(montres(), QStringLiteral("Bétonnage c4c3"));
        b.touche(Qt::Key_Return);
        QCOMPARE(b.coups(), QStringLiteral(" 1. C4   2. C3"));

        filtre->clear();
        QTest::keyClicks(filtre, QStringLiteral("f5 d6 c3"));
        QCOMPARE(montres(), QStringLiteral("Tigre c4e3f6e6f5|Tigre c4e3f6e6f5g6"));
        b.touche(Qt::Key_Down); // into the list, on its first entry
        QCOMPARE(QApplication::focusWidget(), liste);
        b.touche(Qt::Key_Down);
        b.touche(Qt::Key_Enter);
        QCOMPARE(b.coups(), QStringLiteral(" 1. C4   2. E3| 3. F6   4. E6| 5. F5   6. G6"));
        // A double click as the list receives it: a click, then the double-click event.
        const QPoint premiere = liste->visualItemRect(liste->item(0)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, premiere);
        QMouseEvent double_clic(QEvent::MouseButtonDblClick, premiere,
                                liste->viewport()->mapToGlobal(premiere), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(liste->viewport(), &double_clic);
        QCOMPARE(b.coups(), QStringLiteral(" 1. C4   2. E3| 3. F6   4. E6| 5. F5"));
        // The list keeps Home and End: the game stays at its end.
        b.touche(Qt::Key_End);
        QCOMPARE(liste->currentRow(), 1);
        b.touche(Qt::Key_Home);
        QCOMPARE(liste->currentRow(), 0);
        QCOMPARE(b.navigation(), QStringLiteral("1100"));
        b.touche(Qt::CTRL | Qt::Key_N);
        QCOMPARE(b.coups(), QString());
        QCOMPARE(liste->selectedItems().value(0), liste->item(0));

        auto* f5 = choix->findChild<QCheckBox*>(QStringLiteral("ChkDepuisF5"));
        QVERIFY(!f5->isChecked());
        QTest::mouseClick(f5, Qt::LeftButton);
        QCOMPARE(montres(), QStringLiteral("Tigre f5d6c3d3c4|Tigre f5d6c3d3c4b3"));
        b.touche(Qt::Key_Return);
        QCOMPARE(b.coups(), QStringLiteral(" 1. F5   2. D6| 3. C3   4. D3| 5. C4"));
        QCOMPARE(b.w<QLabel>("LblOuverture")->text(), QStringLiteral("Tigre"));
        b.touche(Qt::Key_Escape);
        QTRY_VERIFY(choix.isNull());

        b.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.f.get()));
        b.touche(Qt::CTRL | Qt::Key_O);
        choix = b.f->fenetre_ouverture();
        QVERIFY(choix && choix->findChild<QCheckBox*>(QStringLiteral("ChkDepuisF5"))->isChecked());
        QVERIFY(b.messages.empty());
    }
};

QTEST_MAIN(TestOuvertures)
#include "ouvertures_test.moc"
