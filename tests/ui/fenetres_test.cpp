// The chooser and the about box, opened and closed from the main window.

#include "aide.h"
#include "fenetre_info.h"
#include "fenetre_ouverture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tavik;
using namespace tavik::ui;
using namespace tavik::ui::test;

namespace {

QList<FenetreOuverture*> choix_visibles()
{
    QList<FenetreOuverture*> l;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* o = qobject_cast<FenetreOuverture*>(w); o && o->isVisible()) l << o;
    return l;
}

// Selects an entry of the chooser's list by clicking it, as the user does.
void choisit(FenetreOuverture& choix, const QString& nom)
{
    auto* liste = choix.findChild<QListWidget*>(QStringLiteral("LstOuverture"));
    const QList<QListWidgetItem*> trouves = liste->findItems(nom, Qt::MatchExactly);
    QVERIFY2(!trouves.isEmpty(), qPrintable(nom));
    liste->scrollToItem(trouves.first());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(trouves.first()).center());
    QCOMPARE(liste->currentItem(), trouves.first());
}

void charge(FenetreOuverture& choix)
{
    QTest::mouseClick(choix.findChild<QPushButton*>(QStringLiteral("Cmdcharger")), Qt::LeftButton);
}

} // namespace

class TestFenetres : public QObject
{
    Q_OBJECT

private slots:
    void un_seul_choix_a_droite_de_la_fenetre();
    void charger_une_ouverture();
    void charger_sans_choix_ne_change_rien();
    void choix_rouvert_relit_la_liste();
    void fermer_la_fenetre_ferme_le_choix();
    void a_propos_modal_et_neuf_a_chaque_fois();
    void message_dans_une_boite_modale();
};

void TestFenetres::un_seul_choix_a_droite_de_la_fenetre()
{
    Banc b;
    b.clique("CmdChager");
    b.clique("CmdChager");
    QCOMPARE(choix_visibles().size(), 1);
    FenetreOuverture* choix = b.fenetre->fenetre_ouverture();
    QCOMPARE(choix_visibles().first(), choix);
    QCOMPARE(choix->windowTitle(), QStringLiteral("Tavik - Liste des ouvertures"));
    QCOMPARE(choix->size(), QSize(256, 539));
    QCOMPARE(choix->frameGeometry().left(), b.fenetre->frameGeometry().right() + 1);
    QCOMPARE(choix->frameGeometry().top(), b.fenetre->frameGeometry().top());

    // Every library line by name, in the file's order.
    auto* liste = choix->findChild<QListWidget*>(QStringLiteral("LstOuverture"));
    QCOMPARE(liste->count(), static_cast<int>(b.com->nb_biblio));
    QCOMPARE(liste->item(0)->text(), QString::fromStdString(b.com->biblio.lignes[0][0]));
    QCOMPARE(liste->item(2)->text(), QStringLiteral("Tigre"));
    // Both windows stay usable: the main window still plays.
    b.clique_tuile("F5");
    QCOMPARE(b.liste("LstCoup")->count(), 1);
}

void TestFenetres::charger_une_ouverture()
{
    Banc b;
    b.joue(QStringLiteral("D3 C5"));
    b.clique("CmdRotation"); // a load starts from the library's own orientation
    b.clique("CmdChager");
    FenetreOuverture& choix = *b.fenetre->fenetre_ouverture();
    choisit(choix, QStringLiteral("Tigre"));
    charge(choix);

    QCOMPARE(lignes(*b.liste("LstCoup")),
             (QStringList {QStringLiteral(" 1. C4   2. E3"), QStringLiteral(" 3. F6   4. E6"),
                           QStringLiteral(" 5. F5")}));
    QCOMPARE(b.texte("LblOuverture"), QStringLiteral("Tigre"));
    QVERIFY(!b.texte("LblBilan").isEmpty());
    QVERIFY(b.texte("LblCommentaire").contains(QLatin1Char('\n')));
    QVERIFY(b.liste("LstSuite")->count() > 0);
    QCOMPARE(b.images(),
             QStringLiteral("11111111\n"
                            "11111111\n"
                            "11113111\n"
                            "11223111\n"
                            "11122211\n"
                            "11113211\n"
                            "11111111\n"
                            "11111111"));
    QCOMPARE(b.texte("nb_noir"), QStringLiteral("6"));
    QCOMPARE(b.texte("nb_blanc"), QStringLiteral("3"));
    const QString etat = QStringLiteral("%1%2%3%4")
                             .arg(b.bouton("CmdDebut")->isEnabled())
                             .arg(b.bouton("CmdPrecedent")->isEnabled())
                             .arg(b.bouton("CmdSuivant")->isEnabled())
                             .arg(b.bouton("CmdFin")->isEnabled());
    QCOMPARE(etat, QStringLiteral("1100"));

    // The chooser stays open: a shorter opening replaces the longer one.
    choisit(choix, QStringLiteral("Perpendiculaire"));
    charge(choix);
    QCOMPARE(lignes(*b.liste("LstCoup")), QStringList {QStringLiteral(" 1. C4   2. E3")});
    QCOMPARE(b.texte("LblOuverture"), QStringLiteral("Perpendiculaire"));
}

void TestFenetres::charger_sans_choix_ne_change_rien()
{
    Banc b;
    b.joue(QStringLiteral("F5"));
    b.clique("CmdChager");
    charge(*b.fenetre->fenetre_ouverture());
    QCOMPARE(lignes(*b.liste("LstCoup")), QStringList {QStringLiteral(" 1. F5")});
    QVERIFY(b.messages.empty());
}

// A closed chooser is gone; the next one is a new window that fills its list again.
void TestFenetres::choix_rouvert_relit_la_liste()
{
    Banc b;
    b.clique("CmdChager");
    QPointer<FenetreOuverture> premier = b.fenetre->fenetre_ouverture();
    choisit(*premier, QStringLiteral("Tigre"));
    premier->close();
    QTRY_VERIFY(premier.isNull());
    QVERIFY(!b.fenetre->fenetre_ouverture());

    b.clique("CmdChager");
    FenetreOuverture* second = b.fenetre->fenetre_ouverture();
    QVERIFY(second);
    auto* liste = second->findChild<QListWidget*>(QStringLiteral("LstOuverture"));
    QCOMPARE(liste->count(), static_cast<int>(b.com->nb_biblio));
    QVERIFY(liste->selectedItems().isEmpty());
}

// Closing the main window closes the chooser, and with no window left the program ends:
// its event loop returns.
void TestFenetres::fermer_la_fenetre_ferme_le_choix()
{
    Banc b;
    b.clique("CmdChager");
    QPointer<FenetreOuverture> choix = b.fenetre->fenetre_ouverture();
    QVERIFY(choix->isVisible());

    bool fermee = false;
    QTimer::singleShot(0, b.fenetre.get(), [&] { fermee = b.fenetre->close(); });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    garde.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(fermee);
    QTRY_VERIFY(choix.isNull());
    QVERIFY(choix_visibles().isEmpty());
}

void TestFenetres::a_propos_modal_et_neuf_a_chaque_fois()
{
    Banc b;
    QPointer<QWidget> vue;
    QString titre;
    QSize taille;
    bool modale = false;
    QStringList initiales;
    const auto ferme_la_boite = [&] {
        QWidget* boite = QApplication::activeModalWidget();
        vue = boite;
        if (!boite) return;
        titre = boite->windowTitle();
        taille = boite->size();
        modale = boite->isModal();
        initiales.clear();
        for (QLabel* l : boite->findChildren<QLabel*>())
            if (l->y() == 37) initiales << l->text();
        if (auto* ok = boite->findChild<QPushButton*>(QStringLiteral("CmdOk")))
            QTest::mouseClick(ok, Qt::LeftButton);
    };

    QTimer::singleShot(0, ferme_la_boite);
    b.clique("CmdInfo"); // returns once the box is closed
    QCOMPARE(titre, QStringLiteral("A propos..."));
    QCOMPARE(taille, QSize(399, 239));
    QVERIFY(modale);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(vue.isNull()); // nothing is kept between two openings

    // The five initials of the title are those of its five words.
    QString attendues;
    for (const QString& mot : FenetreInfo::titre().split(QLatin1Char(' ')))
        attendues += mot.left(1);
    initiales.sort();
    QStringList a = attendues.split(QString(), Qt::SkipEmptyParts);
    a.sort();
    QCOMPARE(initiales, a);

    titre.clear();
    QTimer::singleShot(0, ferme_la_boite);
    b.clique("CmdInfo");
    QCOMPARE(titre, QStringLiteral("A propos..."));
}

// Without a host of its own the window shows the core's messages in a modal box: the text,
// one OK button, no icon, the caption "Tavik". Here the load of a missing library.
void TestFenetres::message_dans_une_boite_modale()
{
    QString titre;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::Information;
    qsizetype nb_boutons = 0;
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite) return;
        titre = boite->windowTitle();
        texte = boite->text();
        icone = boite->icon();
        nb_boutons = boite->buttons().size();
        QTest::mouseClick(boite->button(QMessageBox::Ok), Qt::LeftButton);
    });
    FonCom com;
    FenetrePlateau fenetre(
        com, QDir::temp().filePath(QStringLiteral("tavik-absent/biblio.csv")).toStdString());

    QCOMPARE(titre, QStringLiteral("Tavik"));
    QVERIFY2(texte.startsWith(QStringLiteral("Impossible de lire le fichier « biblio.csv »")),
             qPrintable(texte));
    QCOMPARE(icone, QMessageBox::NoIcon);
    QCOMPARE(nb_boutons, 1);
    // The game goes on with an empty library.
    QCOMPARE(com.nb_biblio, 0);
    QCOMPARE(fenetre.tuile(index_de("D4"))->image(), 3);
}

QTEST_MAIN(TestFenetres)
#include "fenetres_test.moc"
