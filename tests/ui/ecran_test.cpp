// The windows opened on a 1280 x 1024 screen (CTest runs this test at a scale of 1, then of 2):
// each one entirely on the screen whatever the zoom asked for, and, where the screen has the
// room, beside the others rather than over them.

#include "ecran.h"
#include "fenetre_plateau.h"
#include "reglages.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavik;
using namespace tavik::ui;

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
};

QTEST_MAIN(TestEcran)
#include "ecran_test.moc"
