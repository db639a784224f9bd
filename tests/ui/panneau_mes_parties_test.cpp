// The "Mes parties" page on its own: a file of one's games listed against the shipped library,
// the lines added for the drill kept in the settings file, a game loaded by Enter, a player of
// the tournament files found by name; in the games window, the lines taken back, and forgotten
// from the training window once the learner confirms.
#include "database/chargement_base.h"
#include "fenetre_parties.h"
#include "panneau_mes_parties.h"
#include "principale.h"
#include "reglages.h"
#include "windows/lignes_de_mes_parties.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>

using namespace tavik;
using namespace tavik::ui;

class TestMesParties : public QObject
{
    Q_OBJECT

    QTemporaryDir dossier_;

private:
    // A base read from a text file of games written in the scratch folder.
    static Base base_de(const QTemporaryDir& dossier, const std::string& parties)
    {
        const std::filesystem::path chemin
            = dossier.filePath(QStringLiteral("mes_parties.txt")).toStdString();
        std::ofstream(chemin, std::ios::binary) << parties;
        return charge_base(std::vector<std::filesystem::path> {chemin}, 60);
    }

private slots:
    // The tiger from F5, then F3 where the library has other moves; then a game that stays in.
    void une_partie_sortie_ajoutee_puis_chargee()
    {
        Principale b;
        PanneauMesParties panneau(*b.f);
        const auto* parties = b.w<QTreeWidget>("LstMesParties", &panneau);
        auto* ajouter = b.w<QPushButton>("CmdAjouterLignes", &panneau);
        QCOMPARE(parties->topLevelItemCount(), 0);
        QVERIFY(!ajouter->isEnabled());
        QVERIFY(b.w<QLabel>("LblBilanMesParties", &panneau)
                    ->text()
                    .contains(QStringLiteral("Aucune partie")));

        const Base base = base_de(b.dossier, "f5 d6 c3 d3 c4 f3\nf5 d6 c3 d3 c4 f4 e3 f6\n");
        panneau.base_chargee(&base);
        QCOMPARE(b.w<QComboBox>("LstSource", &panneau)->currentText(),
                 QStringLiteral("mes_parties.txt"));
        QVERIFY(!b.w<QLineEdit>("TxtJoueur", &panneau)->isEnabled());
        QCOMPARE(parties->topLevelItemCount(), 2);
        const QTreeWidgetItem* premiere = parties->topLevelItem(0);
        QCOMPARE(premiere->text(0), QStringLiteral("Ligne 1, 6 coups"));
        QCOMPARE(premiere->text(2), QStringLiteral("coup 6\u00a0: F3 (blanc)"));
        QVERIFY(!premiere->text(1).isEmpty());
        QVERIFY(premiere->text(3).contains(QStringLiteral("F4")));
        QCOMPARE(b.w<QLabel>("LblBilanMesParties", &panneau)->text(), QStringLiteral("2 parties."));

        QVERIFY(ajouter->isEnabled());
        QTest::mouseClick(ajouter, Qt::LeftButton);
        QVERIFY(b.w<QLabel>("LblMessageMesParties", &panneau)
                    ->text()
                    .contains(QStringLiteral("Lignes de mes parties")));
        // Kept in the settings file, where a new run finds it.
        const QString reglage
            = reglages()->value(QString::fromLatin1(reglage_lignes_de_mes_parties)).toString();
        QVERIFY2(reglage.startsWith(QStringLiteral("C4E3 F6E6 F5")), qPrintable(reglage));

        // Enter on the first game loads it on the board.
        panneau.show();
        auto* liste = b.w<QTreeWidget>("LstMesParties", &panneau);
        liste->setFocus();
        liste->setCurrentItem(liste->topLevelItem(0));
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(b.f->plateau().transcription()),
                 QStringLiteral("f5d6c3d3c4f3"));
        QVERIFY(b.coups().contains(QStringLiteral("F3")));
        QVERIFY(b.messages.empty());

        // While an exercise runs, what the library played is hidden: it would give the answer.
        QVERIFY(!parties->isColumnHidden(3));
        QTest::keyClick(b.f.get(), Qt::Key_E, Qt::ControlModifier);
        QTest::mouseClick(b.w("CmdCommencer", b.f->fenetre_entrainement()), Qt::LeftButton);
        QVERIFY(b.f->plateau().suites_cachees());
        panneau.actualise();
        QVERIFY(parties->isColumnHidden(3));

        panneau.base_chargee(nullptr);
        QCOMPARE(parties->topLevelItemCount(), 0);
    }

    // In the games window, the page "Mes parties" follows the window's loads: the games of a
    // file remembered there are listed once it is loaded, and withdrawn when the window goes.
    void dans_la_fenetre_des_parties()
    {
        const QString fichier = QDir(dossier_.path()).filePath(QStringLiteral("miennes.txt"));
        std::ofstream(fichier.toStdString(), std::ios::binary) << "f5 d6 c3 d3 c4 f3\n";
        reglages()->setValue(QStringLiteral("parties/fichiers"), QStringList {fichier});
        Principale b;
        QTest::keyClick(b.f.get(), Qt::Key_B, Qt::ControlModifier);
        FenetreParties* g = b.f->fenetre_parties();
        QVERIFY(g);
        auto* onglets = b.w<QTabWidget>("onglets", g);
        QCOMPARE(onglets->tabText(1), QStringLiteral("Mes parties"));
        QCOMPARE(onglets->widget(1), g->mes_parties());
        QTRY_VERIFY(g->parties().base_chargee());
        QCOMPARE(g->mes_parties()->modele().base(), g->base_partagee());
        QCOMPARE(b.w<QTreeWidget>("LstMesParties", g)->topLevelItemCount(), 1);
        QCOMPARE(b.w<QTreeWidget>("LstMesParties", g)->topLevelItem(0)->text(2),
                 QStringLiteral("coup 6\u00a0: F3 (blanc)"));
        reglages()->remove(QStringLiteral("parties/fichiers"));
    }

    // "Retirer ces lignes de l'entraînement", beside the addition, takes the places of the games
    // back; the training window's option says how many are kept, or none, and its "Vider…"
    // asks first. A session leaves them all as they are.
    void lignes_retirees_puis_oubliees()
    {
        const QString fichier = QDir(dossier_.path()).filePath(QStringLiteral("miennes.txt"));
        std::ofstream(fichier.toStdString(), std::ios::binary) << "f5 d6 c3 d3 c4 f3\n";
        reglages()->setValue(QStringLiteral("parties/fichiers"), QStringList {fichier});
        const QString cle = QString::fromLatin1(reglage_lignes_de_mes_parties);
        reglages()->remove(cle);
        Principale b;
        b.f->CmdParties_Click();
        FenetreParties* g = b.f->fenetre_parties();
        QTRY_VERIFY(g->parties().base_chargee());
        b.f->CmdEntrainer_Click();
        FenetreEntrainement* e = b.f->fenetre_entrainement();
        auto* ajouter = b.w<QPushButton>("CmdAjouterLignes", g);
        auto* retirer = b.w<QPushButton>("CmdRetirerLignes", g);
        auto* option = b.w<QRadioButton>("OptMesParties", e);
        auto* vider = b.w<QPushButton>("CmdViderMesParties", e);
        QCOMPARE(b.nom_lu(retirer), QStringLiteral("Retirer ces lignes de l'entraînement"));
        QCOMPARE(option->text(), QStringLiteral("Lignes de mes parties (aucune)"));
        QCOMPARE(b.nom_lu(option), option->text());
        QVERIFY(!retirer->isEnabled());
        QVERIFY(!vider->isEnabled());

        QTest::mouseClick(ajouter, Qt::LeftButton);
        QVERIFY(retirer->isEnabled());
        QCOMPARE(option->text(), QStringLiteral("Lignes de mes parties (1 position)"));
        QTest::mouseClick(retirer, Qt::LeftButton);
        QCOMPARE(reglages()->value(cle).toString(), QString());
        QVERIFY(b.w<QLabel>("LblMessageMesParties", g)->text().contains(QStringLiteral("gardée")));
        QVERIFY(!retirer->isEnabled());
        QCOMPARE(option->text(), QStringLiteral("Lignes de mes parties (aucune)"));

        // During a session the lines stay as they are.
        QTest::mouseClick(ajouter, Qt::LeftButton);
        QTest::mouseClick(b.w("CmdCommencer", e), Qt::LeftButton);
        QVERIFY(e->entrainement().en_seance());
        QVERIFY(!ajouter->isEnabled() && !retirer->isEnabled() && !vider->isEnabled());
        QTest::mouseClick(b.w("CmdArreter", e), Qt::LeftButton);
        QVERIFY(retirer->isEnabled() && vider->isEnabled());

        // The question's box, answered by the button named `bouton` once it shows.
        QString question;
        const auto repond = [&question](const char* bouton) {
            QTimer::singleShot(0, [&question, bouton] {
                auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(boite);
                question = boite->text();
                QCOMPARE(boite->defaultButton()->objectName(), QStringLiteral("annule"));
                boite->findChild<QPushButton*>(QLatin1String(bouton))->click();
            });
        };
        repond("annule");
        QTest::mouseClick(vider, Qt::LeftButton);
        QVERIFY2(question.startsWith(QStringLiteral("Ne plus entraîner les lignes de vos parties")),
                 qPrintable(question));
        QCOMPARE(option->text(), QStringLiteral("Lignes de mes parties (1 position)"));
        question.clear();
        repond("confirme");
        QTest::mouseClick(vider, Qt::LeftButton);
        QVERIFY(!question.isEmpty());
        QCOMPARE(option->text(), QStringLiteral("Lignes de mes parties (aucune)"));
        QCOMPARE(reglages()->value(cle).toString(), QString());
        QVERIFY(!vider->isEnabled());
        QVERIFY(!retirer->isEnabled()); // the games window follows
        QCOMPARE(b.w<QLabel>("LblMessageMesParties", g)->text(), QString());
        QVERIFY(b.messages.empty());
        reglages()->remove(QStringLiteral("parties/fichiers"));
    }

    // No text file: the player is the only source, and the games come as the name is typed.
    void un_joueur_des_tournois()
    {
        Principale b;
        PanneauMesParties panneau(*b.f);
        Base base;
        base.fichiers = {"WTH_2001.wtb"};
        base.joueurs = {"Dupont Jean", "Martin Paul"};
        PartieBase partie;
        for (const int c : {37, 43, 18, 19, 26})
            partie.coups[partie.nb_coups++] = static_cast<uint8_t>(c);
        partie.noir = 1;
        partie.blanc = 0;
        partie.annee = 2001;
        base.parties = {partie};
        panneau.base_chargee(&base);
        auto* joueur = b.w<QLineEdit>("TxtJoueur", &panneau);
        QVERIFY(joueur->isEnabled());
        QCOMPARE(b.w<QTreeWidget>("LstMesParties", &panneau)->topLevelItemCount(), 0);
        panneau.show();
        joueur->setFocus();
        QTest::keyClicks(joueur, QStringLiteral("dupont"));
        QCOMPARE(b.w<QTreeWidget>("LstMesParties", &panneau)->topLevelItemCount(), 1);
        QCOMPARE(b.w<QTreeWidget>("LstMesParties", &panneau)->topLevelItem(0)->text(0),
                 QStringLiteral("2001, Martin Paul – Dupont Jean"));
    }
};

QTEST_MAIN(TestMesParties)
#include "panneau_mes_parties_test.moc"
