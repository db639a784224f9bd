// The windows opened on a 1280 x 1024 screen (CTest runs this test at a scale of 1, then of 2):
// each one entirely on the screen whatever the zoom asked for, and, where the screen has the
// room, beside the others rather than over them; each one back where the user left it, in the
// same run and the next, unless that place is off the screen.

#include "ecran.h"
#include "fenetre_plateau.h"
#include "places_retenues.h"
#include "reglages.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavik;
using namespace tavik::ui;

namespace {

// The main window as the program opens it: where it was left, else in the middle.
struct Lancement
{
    FonCom com;
    FenetrePlateau f;
    explicit Lancement(const QTemporaryDir& dossier)
        : f(com, TAVIK_BIBLIO,
            {.carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()})
    {
        if (!remet_a_sa_place(f)) place_a_cote(f, nullptr);
        f.show();
    }
};

// The chooser, the training window and the games window, each opened by its button.
const std::pair<const char*, QWidget* (*)(const FenetrePlateau&)> secondaires[] {
    {"CmdChager", [](const FenetrePlateau& f) -> QWidget* { return f.fenetre_ouverture(); }},
    {"CmdEntrainer", [](const FenetrePlateau& f) -> QWidget* { return f.fenetre_entrainement(); }},
    {"CmdParties", [](const FenetrePlateau& f) -> QWidget* { return f.fenetre_parties(); }},
};

QWidget* ouvre(FenetrePlateau& f, int i)
{
    QTest::mouseClick(f.findChild<QPushButton*>(QLatin1String(secondaires[i].first)),
                      Qt::LeftButton);
    return secondaires[i].second(f);
}

QString texte(const QRect& r)
{
    return QDebug::toString(r);
}

} // namespace

class TestEcran : public QObject
{
    Q_OBJECT

private slots:
    void fenetres_sur_l_ecran_et_cote_a_cote()
    {
        const QTemporaryDir dossier;
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        const qreal echelle = QGuiApplication::primaryScreen()->devicePixelRatio();
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(ecran.size() * echelle, QSize(1280, 1024));

        for (const double zoom_voulu : {1.0, 3.0}) {
            reglages()->setValue(QStringLiteral("plateau/zoom"), zoom_voulu);
            FonCom com;
            FenetrePlateau f(
                com, TAVIK_BIBLIO,
                {.carnet = dossier.filePath(QStringLiteral("carnet.sqlite")).toStdString()});
            place_a_cote(f, nullptr);
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            // The about box, modal: looked at while it is open, then closed.
            QRect info;
            QTimer::singleShot(0, this, [&info] {
                if (QWidget* boite = QApplication::activeModalWidget()) {
                    info = boite->frameGeometry();
                    boite->close();
                }
            });
            QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("CmdInfo")), Qt::LeftButton);
            QVERIFY2(ecran.contains(info), qPrintable(QDebug::toString(info)));
            QVERIFY2(f.frameGeometry().width() + info.width() > ecran.width()
                         || !info.intersects(f.frameGeometry()),
                     qPrintable(QDebug::toString(info)));
            QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("CmdChager")),
                              Qt::LeftButton);
            QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("CmdEntrainer")),
                              Qt::LeftButton);
            const QWidget* fenetres[] {&f, f.fenetre_ouverture(), f.fenetre_entrainement()};
            int largeurs = 0;
            for (const QWidget* w : fenetres) {
                QVERIFY(w && w->isVisible());
                const QString quoi = QStringLiteral("%1 at zoom %2: %3")
                                         .arg(w->objectName())
                                         .arg(zoom_voulu)
                                         .arg(QDebug::toString(w->frameGeometry()));
                QVERIFY2(ecran.contains(w->frameGeometry()), qPrintable(quoi));
                largeurs += w->frameGeometry().width();
            }
            // The main window as large as the screen lets it be, no larger (its frame unknown
            // until shown, a usual title bar is allowed for).
            QVERIFY(f.zoom() <= zoom_voulu);
            QVERIFY(f.zoom() == zoom_voulu || f.frameGeometry().height() >= ecran.height() - 40);
            if (largeurs > ecran.width()) continue; // no room to keep them apart
            for (const QWidget* a : fenetres)
                for (const QWidget* b : fenetres)
                    QVERIFY2(
                        a == b || !a->frameGeometry().intersects(b->frameGeometry()),
                        qPrintable(a->objectName() + QStringLiteral(" over ") + b->objectName()));
        }
        reglages_dans({});
    }

    // Moved (and the chooser and the games window resized), closed and opened again, each
    // window comes back where it was left; the next run too.
    void fenetres_rouvertes_ou_elles_etaient()
    {
        const QTemporaryDir dossier;
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QPoint plateau;
        QRect laissees[3];
        {
            Lancement l(dossier);
            // Never moved: in the middle of the screen.
            const QRect cadre = l.f.frameGeometry();
            QVERIFY2(
                std::abs((cadre.left() - ecran.left()) - (ecran.right() - cadre.right())) <= 8
                    && std::abs((cadre.top() - ecran.top()) - (ecran.bottom() - cadre.bottom()))
                        <= 34,
                qPrintable(texte(cadre)));
            // At the screen's right edge (the frame's width allowed for), at its top.
            plateau = QPoint(ecran.right() + 1 - cadre.width() - 8, ecran.top());
            l.f.move(plateau);
            for (int i = 0; i < 3; ++i) {
                QWidget* w = ouvre(l.f, i);
                QVERIFY(w && w->isVisible());
                if (w->minimumSize() != w->maximumSize()) w->resize(400 - 50 * i, 300 - 30 * i);
                // Apart from the other two, at the screen's left, lower than its top when
                // there is room.
                const int marge = ecran.height() - w->frameGeometry().height();
                w->move(ecran.left() + 10 + 30 * i, ecran.top() + std::min(5 + 20 * i, marge));
                laissees[i] = w->geometry();
                QVERIFY(w->close());
                QTRY_VERIFY(!secondaires[i].second(l.f)); // deleted once closed
                w = ouvre(l.f, i);
                QVERIFY2(w->geometry() == laissees[i],
                         qPrintable(QStringLiteral("%1: %2 instead of %3")
                                        .arg(i)
                                        .arg(texte(w->geometry()), texte(laissees[i]))));
            }
            QVERIFY(l.f.close()); // the others close with it
        }
        Lancement l(dossier);
        QCOMPARE(l.f.pos(), plateau);
        for (int i = 0; i < 3; ++i) {
            const QWidget* w = ouvre(l.f, i);
            QVERIFY2(w->geometry() == laissees[i], qPrintable(texte(w->geometry())));
        }
        reglages_dans({});
    }

    // Two copies of the program: each window comes back where the copy that closed it last
    // left it.
    void deux_copies_la_derniere_fermee_l_emporte()
    {
        const QTemporaryDir dossier;
        reglages_dans(dossier.filePath(QStringLiteral("reglages.ini")));
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QPoint choix;
        {
            Lancement a(dossier), b(dossier);
            QWidget* choix_a = ouvre(a.f, 0);
            QWidget* choix_b = ouvre(b.f, 0);
            choix_b->move(ecran.topLeft() + QPoint(3, 0));
            choix_a->move(ecran.topLeft() + QPoint(7, 0));
            choix_b->close();
            choix_a->close();
            choix = choix_a->pos();
            b.f.move(ecran.topLeft() + QPoint(1, 0));
            a.f.move(ecran.topLeft() + QPoint(5, 0));
            a.f.close(); // its chooser closed already: the one of b closed after it stays
            b.f.close();
        }
        Lancement l(dossier);
        QCOMPARE(l.f.pos(), ecran.topLeft() + QPoint(1, 0));
        QCOMPARE(ouvre(l.f, 0)->pos(), choix);
        reglages_dans({});
    }

    // A place kept that is off the screen now, partly or wholly, or that is no place at all,
    // is ignored: the windows open where they would with none kept.
    void place_hors_de_l_ecran_ignoree()
    {
        const QTemporaryDir dossier;
        reglages_dans(dossier.filePath(QStringLiteral("vierges.ini")));
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QRect habituelles[4];
        {
            Lancement l(dossier);
            habituelles[0] = l.f.geometry();
            for (int i = 0; i < 3; ++i) habituelles[i + 1] = ouvre(l.f, i)->geometry();
        } // no window closed: nothing kept
        QVERIFY(reglages()->allKeys().filter(QStringLiteral("fenetres")).isEmpty());

        reglages_dans(dossier.filePath(QStringLiteral("hors_ecran.ini")));
        const auto garde = [](const char* cle, const QVariant& v) {
            reglages()->setValue(QLatin1String(cle), v);
        };
        // 100 pixels too far right; below the screen; at the right size for a screen gone;
        // too large for the screen.
        garde("fenetres/plateau",
              QStringLiteral("%1 %2").arg(ecran.right() + 1 - habituelles[0].width() + 100).arg(0));
        garde("fenetres/ouvertures", QStringLiteral("0 %1 300 300").arg(ecran.bottom()));
        garde("fenetres/entrainement", QStringLiteral("%1 0").arg(ecran.right() + 200));
        garde("fenetres/parties",
              QStringLiteral("%1 %2 %3 400")
                  .arg(ecran.left())
                  .arg(ecran.top())
                  .arg(ecran.width() + 1));
        for (int passe = 0; passe < 2; ++passe) {
            Lancement l(dossier);
            QVERIFY2(l.f.geometry() == habituelles[0], qPrintable(texte(l.f.geometry())));
            for (int i = 0; i < 3; ++i) {
                const QWidget* w = ouvre(l.f, i);
                QVERIFY2(w->geometry() == habituelles[i + 1],
                         qPrintable(QStringLiteral("%1: %2").arg(i).arg(texte(w->geometry()))));
            }
            // Then no place: a list, a point's text, words.
            garde("fenetres/plateau", QStringList {QStringLiteral("10"), QStringLiteral("20")});
            garde("fenetres/ouvertures", QStringLiteral("@Point(10 20)"));
            garde("fenetres/entrainement", QStringLiteral("à gauche"));
            garde("fenetres/parties", QStringLiteral("10 20 0 300"));
        }
        reglages_dans({});
    }
};

QTEST_MAIN(TestEcran)
#include "ecran_test.moc"
