// The windows driven through their real controls offscreen.

#include "attendu.h"
#include "dossiers.h"
#include "fenetre_info.h"
#include "fenetre_plateau.h"
#include "images.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

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

// The main window on the shipped library, shown; a message fails, the animation's clock is fast.
struct Banc
{
    FonCom com;
    std::unique_ptr<FenetrePlateau> f;

    Banc()
    {
        Hote hote {[](const std::string& texte) { QFAIL(texte.c_str()); },
                   [t = 0.0]() mutable { return t += 0.03; }};
        f = std::make_unique<FenetrePlateau>(com, TAVIK_BIBLIO, hote);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    template <class W = QAbstractButton> W* w(const char* n) const { return f->findChild<W*>(n); }
    QString texte(const char* nom) const { return w<QLabel>(nom)->text(); }
    Tuile* tuile(const char* c) const { return f->tuile((c[1] - '1') * 8 + (c[0] - 'A')); }
    QString images() const
    {
        QStringList l;
        for (int i = 0; i < 64; ++i)
            if (const int n = f->tuile(i)->image(); n != 1)
                l << QStringLiteral("%1%2:%3").arg(QChar(u'A' + i % 8)).arg(i / 8 + 1).arg(n);
        return l.join(QLatin1Char(' '));
    }
};

} // namespace

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
        QVERIFY(clics == 1 && b.w("chk_voir_coup")->isChecked());
        QCOMPARE(b.images(), QStringLiteral("D4:3 E4:2 F4:4 D5:2 E5:2 F5:2 D6:4 F6:4"));
        clique(*b.f, "chk_voir_coup");
        QVERIFY(clics == 2 && !b.w("chk_voir_coup")->isChecked());
        QCOMPARE(b.images(), apres_f5);

        // "<" unticks the automatic box in the core and on the screen, and redraws the tiles
        // (the keyboard's test presses the other commands).
        clique(*b.f, "ChkNoirAuto"); // white to move: nothing is played
        QVERIFY(b.w("ChkNoirAuto")->isChecked());
        clique(*b.f, "CmdPrecedent");
        QVERIFY(!b.w("ChkNoirAuto")->isChecked());
        QCOMPARE(b.images(), depart);
    }

    // "Ouvertures" twice, an opening loaded, then the main window closed.
    void fenetre_des_ouvertures()
    {
        Banc b;
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
        QCOMPARE(b.texte("LblOuverture"), QStringLiteral("Tigre"));
        QCOMPARE(b.images(), QStringLiteral("E3:3 C4:2 D4:2 E4:3 D5:2 E5:2 F5:2 E6:3 F6:2"));

        QVERIFY(b.f->close());
        QTRY_VERIFY(choix.isNull());
    }

    // "Jouer" reads the library file again: the open chooser lists the new file, no entry
    // selected, so "Charger" never loads a row of the new file under an old name.
    void ouverture_suit_la_relecture()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("biblio.csv"));
        const auto ecrit = [&](const char* contenu) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(contenu);
        };
        ecrit("Nom\nAncienne;;C4E3\nAutre;;C4C3\n");
        FonCom com;
        FenetrePlateau f(com, chemin.toStdString(),
                         {[](const std::string& t) { QFAIL(t.c_str()); }, {}});
        clique(f, "CmdChager");
        FenetreOuverture* choix = f.fenetre_ouverture();
        auto* liste = choix->findChild<QListWidget*>(QStringLiteral("LstOuverture"));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        QCOMPARE(liste->selectedItems().size(), 1);

        ecrit("Nom\nNouvelle;;C4C3\n");
        clique(f, "cmd_jouer");
        QCOMPARE(liste->count(), 1);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("Nouvelle"));
        QVERIFY(liste->selectedItems().isEmpty());
        clique(*choix, "Cmdcharger");
        QCOMPARE(f.plateau().num_rejoue, 0);
    }

    // The address lines point to the version and to the installed documentation, or, where
    // the program is not installed, to its own help; "OK" closes the box (the keyboard's test
    // opens it as the modal window).
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
            if (dossier == &vide) {
                QCOMPARE(doc->text(), QStringLiteral("tavik --help"));
                continue;
            }
            QCOMPARE(doc->text(), QStringLiteral("documentation installée"));
            QCOMPARE(doc->toolTip(), QDir::toNativeSeparators(installee.path()));
            QCOMPARE(doc->cursor().shape(), Qt::PointingHandCursor);
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
};

QTEST_MAIN(TestUi)
#include "ui_test.moc"
