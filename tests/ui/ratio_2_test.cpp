// The main window on a screen of device pixel ratio 2 (CTest runs it with QT_SCALE_FACTOR=2):
// the tiles, the side-to-move box, the logo and the frame reach the window drawn at full
// resolution, not as pictures of half the size with doubled pixels.

#include "attendu.h"
#include "fenetre_plateau.h"
#include "images.h"

#include <QSet>
#include <QTest>

using namespace tavik;
using namespace tavik::ui;

namespace {

// The rectangle `zone`, in pixels of the window, of its grab at 2 device pixels per pixel.
QImage zone(const QImage& fenetre, QRect zone)
{
    return fenetre.copy(zone.x() * 2, zone.y() * 2, zone.width() * 2, zone.height() * 2);
}

// The 2 x 2 blocks of device pixels that make one pixel and do not share one colour: detail
// finer than a pixel, which a picture drawn at ratio 1 and doubled never has.
int blocs_nuances(const QImage& image)
{
    int n = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            n += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c
                || image.pixel(x + 1, y + 1) != c;
        }
    return n;
}

// How many colours an image holds: many along a smoothed edge, a handful on a jagged one.
int nuances(const QImage& image)
{
    QSet<QRgb> couleurs;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) couleurs.insert(image.pixel(x, y));
    return static_cast<int>(couleurs.size());
}

// A disc of colour `disque` on a tile (64 x 64 device pixels): a smooth edge, sharp grid lines:
// the two last columns and rows are the line's colour, the one before is the square's green.
void tuile_nette(const QImage& tuile, QRgb disque, const char* quoi)
{
    QVERIFY2(tuile.pixel(31, 31) == disque, quoi);
    const int fins = blocs_nuances(tuile), teintes = nuances(tuile);
    QVERIFY2(fins >= 60 && teintes >= 16,
             qPrintable(QString::asprintf("%s: %d fine blocks, %d shades", quoi, fins, teintes)));
    const QRgb vert = tuile.pixel(4, 4);
    QVERIFY2(attendu::est_vert(vert), quoi);
    for (int i = 0; i < 64; ++i)
        for (int j : {62, 63})
            QVERIFY2(tuile.pixel(j, i) == attendu::ligne && tuile.pixel(i, j) == attendu::ligne,
                     quoi);
    for (int i = 0; i < 6; ++i)
        QVERIFY2(tuile.pixel(61, i) == vert && tuile.pixel(i, 61) == vert, quoi);
}

} // namespace

class TestRatio2 : public QObject
{
    Q_OBJECT

private slots:
    void discs_side_to_move_logo_and_frame()
    {
        // The pictures drawn at ratio 1 first: a cache that forgot the ratio would serve them.
        for (int n = 1; n <= nb_images_pion; ++n) image_pion(n, 1);
        image_logo(1);
        image_cadre(1);
        FonCom com;
        FenetrePlateau f(com, TAVIK_BIBLIO);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY2(f.devicePixelRatioF() == 2.0, "run with QT_SCALE_FACTOR=2");
        const QImage e = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(e.size(), QSize(962, 1078));

        tuile_nette(zone(e, {128, 160, 32, 32}), attendu::blanc, "white disc on D4");
        tuile_nette(zone(e, {160, 160, 32, 32}), attendu::noir, "black disc on E4");
        tuile_nette(zone(e, {320, 64, 32, 32}), attendu::noir, "side to move");
        // An empty square (A1) is flat: no fine blocks.
        QCOMPARE(blocs_nuances(zone(e, {32, 64, 32, 32})), 0);

        // The logo's discs and name, the frame's coordinates: detail finer than a pixel.
        QVERIFY(blocs_nuances(zone(e, {8, 8, 100, 30})) >= 1000);
        QVERIFY(blocs_nuances(zone(e, {8, 64, 24, 256})) >= 150); // row digits
        QVERIFY(blocs_nuances(zone(e, {32, 40, 256, 24})) >= 150); // column letters
        // The frame's edges fall on whole pixels: its outer light edge is two pixels of one
        // colour, the border inside it another one.
        const QImage cadre = zone(e, {8, 40, 304, 304});
        for (int x = 0; x < 4; ++x) QCOMPARE(cadre.pixel(x, 300), cadre.pixel(0, 300));
        QVERIFY(cadre.pixel(4, 300) != cadre.pixel(3, 300));
        QCOMPARE(cadre.pixel(4, 300), cadre.pixel(20, 300));
    }
};

QTEST_MAIN(TestRatio2)
#include "ratio_2_test.moc"
