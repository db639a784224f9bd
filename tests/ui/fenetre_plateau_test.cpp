// The main window driven as the user drives it: clicks on its tiles, buttons and boxes.

#include "aide.h"
#include "images.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tavik;
using namespace tavik::ui;
using namespace tavik::ui::test;

namespace {

const QString depart = QStringLiteral("11111111\n"
                                      "11111111\n"
                                      "11111111\n"
                                      "11132111\n"
                                      "11123111\n"
                                      "11111111\n"
                                      "11111111\n"
                                      "11111111");

// The enabled states of "<<", "<", ">" and ">>", as "1100".
QString navigation(const Banc& b)
{
    QString s;
    for (const char* nom : {"CmdDebut", "CmdPrecedent", "CmdSuivant", "CmdFin"})
        s += b.bouton(nom)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QRgb pixel_au_centre(const Banc& b, const char* coup)
{
    return b.fenetre->tuile(index_de(coup))->grab().toImage().pixel(15, 15);
}

} // namespace

class TestFenetrePlateau : public QObject
{
    Q_OBJECT

private slots:
    void ouverture_de_la_fenetre();
    void tuiles_sous_la_souris();
    void coup_joue_au_clic();
    void case_coups_marque_et_efface();
    void animation_repeinte_pendant_l_attente();
    void apercu_tant_que_le_bouton_est_tenu();
    void boutons_de_navigation();
    void boutons_d_orientation();
    void clic_d_une_case_lance_son_operation_une_fois();
    void joueur_automatique();
    void message_sur_une_fenetre_a_jour();
};

void TestFenetrePlateau::ouverture_de_la_fenetre()
{
    Banc b;
    QCOMPARE(b.fenetre->windowTitle(), QStringLiteral("Tavik V1.4"));
    QCOMPARE(b.fenetre->size(), QSize(481, 539));
    QVERIFY(b.com->nb_biblio > 700); // the shipped library was read
    QVERIFY(b.messages.empty());

    QCOMPARE(b.images(), depart);
    QCOMPARE(b.fenetre->findChild<Tuile*>(QStringLiteral("quijoue"))->image(), 2);
    QCOMPARE(b.texte("nb_noir"), QStringLiteral("2"));
    QCOMPARE(b.texte("nb_blanc"), QStringLiteral("2"));
    QCOMPARE(navigation(b), QStringLiteral("0000"));
    for (const char* nom : {"chk_voir_coup", "ChkVoirOuverture", "ChkNoirAuto", "ChkBlancAuto"})
        QVERIFY2(!b.coche(nom)->isChecked(), nom);
    QVERIFY(b.liste("LstCoup")->count() == 0);
    QVERIFY(b.liste("LstSuite")->count() == 0);
    QVERIFY(b.texte("LblOuverture").isEmpty());
    QVERIFY(!b.fenetre->findChild<QLineEdit*>(QStringLiteral("TxtSuivant"))->isVisible());
}

// The board frame lies under the tiles: a click anywhere on a square reaches its tile.
void TestFenetrePlateau::tuiles_sous_la_souris()
{
    Banc b;
    for (int i = 0; i < 64; ++i) {
        const int x = 32 + 32 * (i % 8);
        const int y = 64 + 32 * (i / 8);
        for (QPoint p : {QPoint(x, y), QPoint(x + 31, y + 31), QPoint(x + 16, y + 16)})
            QCOMPARE(b.fenetre->childAt(p), b.fenetre->tuile(i));
    }
    QCOMPARE(b.fenetre->childAt(QPoint(31, 64)),
             b.fenetre->findChild<QWidget*>(QStringLiteral("cadre")));
}

void TestFenetrePlateau::coup_joue_au_clic()
{
    Banc b;
    // An illegal square does nothing.
    b.clique_tuile("A1");
    b.clique_tuile("D4");
    QCOMPARE(b.images(), depart);
    QCOMPARE(navigation(b), QStringLiteral("0000"));

    b.clique_tuile("F5");
    QCOMPARE(b.images(),
             QStringLiteral("11111111\n"
                            "11111111\n"
                            "11111111\n"
                            "11132111\n"
                            "11122211\n"
                            "11111111\n"
                            "11111111\n"
                            "11111111"));
    QCOMPARE(b.texte("nb_noir"), QStringLiteral("4"));
    QCOMPARE(b.texte("nb_blanc"), QStringLiteral("1"));
    QCOMPARE(lignes(*b.liste("LstCoup")), QStringList {QStringLiteral(" 1. F5")});
    QCOMPARE(navigation(b), QStringLiteral("1100"));
    QCOMPARE(b.fenetre->findChild<Tuile*>(QStringLiteral("quijoue"))->image(), 3);
    // What the tiles show on the screen, not only their picture numbers.
    QCOMPARE(pixel_au_centre(b, "F5"), couleurs::noir);
    QCOMPARE(pixel_au_centre(b, "D4"), couleurs::blanc);
    QCOMPARE(pixel_au_centre(b, "D6"), couleurs::vert);
}

void TestFenetrePlateau::case_coups_marque_et_efface()
{
    Banc b;
    b.clique_tuile("F5");
    b.clique_case("chk_voir_coup");
    QVERIFY(b.coche("chk_voir_coup")->isChecked());
    QVERIFY(b.fenetre->plateau().controles.chk_voir_coup.cochee());
    // White's replies to F5: D6, F4 and F6.
    QCOMPARE(b.images(),
             QStringLiteral("11111111\n"
                            "11111111\n"
                            "11111111\n"
                            "11132411\n"
                            "11122211\n"
                            "11141411\n"
                            "11111111\n"
                            "11111111"));
    QCOMPARE(pixel_au_centre(b, "D6"), couleurs::point_rouge);

    b.clique_case("chk_voir_coup");
    QVERIFY(!b.coche("chk_voir_coup")->isChecked());
    QCOMPARE(b.image("D6"), 1);
    QCOMPARE(b.image("F4"), 1);
    QCOMPARE(b.image("F6"), 1);

    // "Coups d'ouv.": the library's continuations, shaded for white to move.
    b.clique_case("ChkVoirOuverture");
    QVERIFY(b.coche("ChkVoirOuverture")->isChecked());
    QVERIFY(b.liste("LstSuite")->count() > 0);
    for (const QString& entree : lignes(*b.liste("LstSuite")))
        QCOMPARE(b.image(entree.left(2).toLatin1().constData()), 7);
    b.clique_case("chk_voir_coup");
    for (const QString& entree : lignes(*b.liste("LstSuite")))
        QCOMPARE(b.image(entree.left(2).toLatin1().constData()), 9);
}

// While the disc is placed the window shows it blinking: the wait repaints the window.
void TestFenetrePlateau::animation_repeinte_pendant_l_attente()
{
    Banc b;
    QList<int> vues;
    b.a_chaque_lecture = [&] {
        const int image = b.image("F5");
        if (vues.isEmpty() || vues.last() != image) vues << image;
    };
    b.clique_tuile("F5");
    b.a_chaque_lecture = nullptr;
    // Disc, shaded square, disc, shaded square; before the first repaint the empty square.
    QCOMPARE(vues, (QList<int> {1, 2, 6, 2, 6}));
    QCOMPARE(b.image("F5"), 2);
}

void TestFenetrePlateau::apercu_tant_que_le_bouton_est_tenu()
{
    Banc b;
    b.clique_case("chk_voir_coup");
    Tuile* f5 = b.fenetre->tuile(index_de("F5"));

    QTest::mousePress(f5, Qt::RightButton);
    // The position after F5, with white's replies in yellow; nothing is played.
    QCOMPARE(b.images(),
             QStringLiteral("11111111\n"
                            "11111111\n"
                            "11111111\n"
                            "11132511\n"
                            "11122211\n"
                            "11151511\n"
                            "11111111\n"
                            "11111111"));
    QCOMPARE(b.texte("nb_noir"), QStringLiteral("2"));
    QCOMPARE(b.liste("LstCoup")->count(), 0);
    QCOMPARE(pixel_au_centre(b, "F6"), couleurs::point_jaune);

    QTest::mouseRelease(f5, Qt::RightButton);
    QCOMPARE(b.image("F5"), 4);
    QCOMPARE(b.image("E5"), 3);
    QCOMPARE(b.image("F6"), 1);

    // The middle button previews too; an illegal square shows nothing new.
    QTest::mousePress(b.fenetre->tuile(index_de("D3")), Qt::MiddleButton);
    QCOMPARE(b.image("D3"), 2);
    QCOMPARE(b.image("D4"), 2);
    QTest::mouseRelease(b.fenetre->tuile(index_de("D3")), Qt::MiddleButton);
    const QString avant = b.images();
    QTest::mousePress(b.fenetre->tuile(index_de("A1")), Qt::RightButton);
    QCOMPARE(b.images(), avant);
    QTest::mouseRelease(b.fenetre->tuile(index_de("A1")), Qt::RightButton);
    QCOMPARE(b.liste("LstCoup")->count(), 0);
}

void TestFenetrePlateau::boutons_de_navigation()
{
    Banc b;
    b.joue(QStringLiteral("F5 D6 C3"));
    const QString fin = b.images();
    auto* suivant = b.fenetre->findChild<QLineEdit*>(QStringLiteral("TxtSuivant"));
    QCOMPARE(navigation(b), QStringLiteral("1100"));
    QVERIFY(!suivant->isVisible());

    b.clique("CmdPrecedent");
    QCOMPARE(navigation(b), QStringLiteral("1111"));
    QVERIFY(suivant->isVisible());
    QCOMPARE(suivant->text(), QStringLiteral("3. C3"));
    QCOMPARE(lignes(*b.liste("LstCoup")), QStringList {QStringLiteral(" 1. F5   2. D6")});

    b.clique("CmdDebut");
    QCOMPARE(navigation(b), QStringLiteral("0011"));
    QCOMPARE(b.images(), depart);
    QCOMPARE(suivant->text(), QStringLiteral("1. F5"));

    b.clique("CmdSuivant");
    QCOMPARE(navigation(b), QStringLiteral("1111"));
    QCOMPARE(b.texte("nb_noir"), QStringLiteral("4"));

    b.clique("CmdFin");
    QCOMPARE(navigation(b), QStringLiteral("1100"));
    QCOMPARE(b.images(), fin);
    QVERIFY(!suivant->isVisible());

    // "Jouer": a new game.
    b.clique("cmd_jouer");
    QCOMPARE(b.images(), depart);
    QCOMPARE(b.liste("LstCoup")->count(), 0);
    QCOMPARE(navigation(b), QStringLiteral("0000"));
}

// Each orientation button turns the game as its own command does in the core.
void TestFenetrePlateau::boutons_d_orientation()
{
    QStringList resultats;
    const std::pair<const char*, void (Plateau::*)()> commandes[] {
        {"CmdRotation", &Plateau::CmdRotation_Click},
        {"CmdSymPositive", &Plateau::CmdSymPositive_Click},
        {"CmdSymNegative", &Plateau::CmdSymNegative_Click},
    };
    for (const auto& [nom, commande] : commandes) {
        Banc b;
        b.joue(QStringLiteral("F5 F6"));
        const QString avant = b.images();
        b.clique(nom);

        FonCom com;
        Services services = Services::par_defaut();
        services.horloge = [t = 0.0]() mutable { return t += 0.05; };
        Plateau reference(com, services, TAVIK_BIBLIO);
        reference.Form_Load();
        reference.plateau_MouseDown(index_de("F5"), 1);
        reference.plateau_MouseDown(index_de("F6"), 1);
        (reference.*commande)();

        QCOMPARE(b.images(), images_du_coeur(reference));
        QVERIFY2(b.images() != avant, nom);
        resultats << b.images();
    }
    QCOMPARE(resultats.removeDuplicates(), 0);
}

// A click on a box runs its click operation once: ticking "Blanc auto" where black has no
// library move left says so once.
void TestFenetrePlateau::clic_d_une_case_lance_son_operation_une_fois()
{
    Banc b;
    b.joue(QStringLiteral("F5 F4 E3 F6"));
    QCOMPARE(b.liste("LstSuite")->count(), 0);
    QVERIFY(b.messages.empty());

    b.clique_case("ChkBlancAuto");
    QVERIFY(b.coche("ChkBlancAuto")->isChecked());
    QCOMPARE(b.messages, (std::vector<std::string> {"Vous n'avez plus de coups d'ouverture."}));
    QCOMPARE(b.liste("LstCoup")->count(), 2); // nothing played

    b.clique_case("ChkBlancAuto");
    QVERIFY(!b.coche("ChkBlancAuto")->isChecked());
    QCOMPARE(b.messages.size(), 1u);
}

void TestFenetrePlateau::joueur_automatique()
{
    Banc b;
    b.clique_case("ChkNoirAuto");
    // Black's first move is played at once, one of the four of the start.
    QVERIFY(b.coche("ChkNoirAuto")->isChecked());
    const QStringList coups = lignes(*b.liste("LstCoup"));
    QCOMPARE(coups.size(), 1);
    QVERIFY2(QStringList({" 1. D3", " 1. C4", " 1. F5", " 1. E6"}).contains(coups.first()),
             qPrintable(coups.first()));
    QCOMPARE(b.texte("nb_noir"), QStringLiteral("4"));

    // Ticking the other box unticks this one; white, to move, answers at once.
    b.clique_case("ChkBlancAuto");
    QVERIFY(b.coche("ChkBlancAuto")->isChecked());
    QVERIFY(!b.coche("ChkNoirAuto")->isChecked());
    QVERIFY(b.liste("LstCoup")->item(0)->text().contains(QStringLiteral(" 2. ")));

    // Stepping back unticks both.
    b.clique("CmdPrecedent");
    QVERIFY(!b.coche("ChkBlancAuto")->isChecked());
    QVERIFY(!b.coche("ChkNoirAuto")->isChecked());
    QVERIFY(b.messages.empty());
}

// A message shows over a window that is up to date: here black's last move, after which the
// automatic white has no library move.
void TestFenetrePlateau::message_sur_une_fenetre_a_jour()
{
    Banc b;
    b.joue(QStringLiteral("F5 D6"));
    b.clique_case("ChkBlancAuto");
    QVERIFY(b.messages.empty());

    int c6_au_message = -1;
    QString coups_au_message;
    b.au_message = [&] {
        c6_au_message = b.image("C6");
        coups_au_message = lignes(*b.liste("LstCoup")).join(QLatin1Char('|'));
    };
    b.clique_tuile("C6");
    QCOMPARE(b.messages, (std::vector<std::string> {"Il n'y a plus de suite pour blanc."}));
    QCOMPARE(c6_au_message, 2);
    QCOMPARE(coups_au_message, QStringLiteral(" 1. F5   2. D6| 3. C6"));
}

QTEST_MAIN(TestFenetrePlateau)
#include "fenetre_plateau_test.moc"
