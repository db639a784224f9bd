// The nine tile pictures at ratios 1 and 2: grid lines, discs, dots and shadings with the
// colours and sizes that they must have, read from the pictures' pixels.

#include "attendu.h"
#include "images.h"

#include <QTest>
#include <functional>

using namespace tavik::ui;

namespace {

// Tile picture `numero` drawn at ratio `r`, read in pixels of the board.
struct ImageCase
{
    QImage image;
    int r; // device pixels per pixel
    int cote() const { return 32 * r; }
    QRgb at(int x, int y) const { return image.pixel(x * r, y * r); } // in pixels
    QRgb centre() const { return at(15, 15); }
};

ImageCase image_case(int numero, int r)
{
    return {image_pion(numero, r).toImage().convertToFormat(QImage::Format_RGB32), r};
}

// Device pixels of the centre row, left to right, that `dans` accepts: the width of a disc.
int largeur(const ImageCase& c, const std::function<bool(QRgb)>& dans)
{
    int n = 0;
    for (int x = 0; x < c.cote(); ++x) n += dans(c.image.pixel(x, 15 * c.r + c.r / 2));
    return n;
}

// Squared distance between two colours.
int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b), v = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
    return r * r + v * v + bl * bl;
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    // Every case runs at ratio 1 and at ratio 2.
    void initTestCase_data()
    {
        QTest::addColumn<int>("r");
        QTest::newRow("ratio 1") << 1;
        QTest::newRow("ratio 2") << 2;
    }

    // Each picture is 32 x 32 pixels with the grid lines along its right and bottom edges,
    // one pixel wide, and the green inside them; the empty square is that green only.
    void lignes_et_case_vide()
    {
        QFETCH_GLOBAL(int, r);
        const QRgb vert = image_case(1, r).centre(); // the empty square's middle
        QVERIFY(attendu::est_vert(vert));
        for (int numero = 1; numero <= nb_images_pion; ++numero) {
            const ImageCase c = image_case(numero, r);
            const QByteArray quoi = "picture " + QByteArray::number(numero);
            QCOMPARE(c.image.size(), QSize(32, 32) * r);
            for (int i = 0; i < c.cote(); ++i)
                for (int j = c.cote() - r; j < c.cote(); ++j)
                    QVERIFY2(c.image.pixel(j, i) == attendu::ligne
                                 && c.image.pixel(i, j) == attendu::ligne,
                             quoi);
            QVERIFY2(c.at(30, 2) == vert && c.at(2, 30) == vert && c.at(2, 2) == vert, quoi);
            QVERIFY2(c.at(30, 30) != attendu::ligne, quoi); // the lines are one pixel wide
        }
        const ImageCase vide = image_case(1, r);
        for (int y = 0; y < vide.cote() - r; ++y)
            for (int x = 0; x < vide.cote() - r; ++x) QCOMPARE(vide.image.pixel(x, y), vert);
        QVERIFY(image_pion(0, r).isNull() && image_pion(10, r).isNull());
    }

    // The discs: their colour in the middle, about 28 pixels across. The dots: 5 x 5 pixels of
    // their colour in the middle of the square, on the plain green.
    void disques_et_points()
    {
        QFETCH_GLOBAL(int, r);
        const QRgb vert = image_case(1, r).centre();
        for (const auto& [numero, teinte] : {std::pair {2, attendu::noir}, {3, attendu::blanc}}) {
            const ImageCase c = image_case(numero, r);
            QCOMPARE(c.centre(), teinte);
            const int l = largeur(
                c, [&, t = teinte](QRgb p) { return distance(p, t) < distance(p, vert); });
            QVERIFY2(l >= 26 * r && l <= 30 * r, qPrintable(QStringLiteral("%1 across").arg(l)));
        }
        for (const auto& [numero, couleur] :
             {std::pair {4, attendu::point_rouge}, {5, attendu::point_jaune}}) {
            const ImageCase c = image_case(numero, r);
            const attendu::Tache t = attendu::tache(c.image, couleur);
            QCOMPARE(t.cadre.size(), QSize(5, 5) * r);
            QCOMPARE(t.pixels, 25 * r * r);
            const QPointF milieu = QRectF(t.cadre).center() / r;
            QVERIFY2(qMax(qAbs(milieu.x() - 16), qAbs(milieu.y() - 16)) <= 1,
                     "a dot in the middle");
            for (int y = 0; y < c.cote() - r; ++y)
                for (int x = 0; x < c.cote() - r; ++x)
                    QVERIFY(t.cadre.contains(x, y) || c.image.pixel(x, y) == vert);
        }
    }

    // The library marks: a disc-shaped shading of the green, darker for black (6) and lighter
    // for white (7); 8 and 9 are the same with the red dot of picture 4.
    void ombres()
    {
        QFETCH_GLOBAL(int, r);
        const QRgb vert = image_case(1, r).centre();
        for (const int numero : {6, 7}) {
            const ImageCase c = image_case(numero, r);
            const QRgb ombre = c.centre();
            QVERIFY(attendu::est_vert(ombre));
            const int ecart = attendu::clarte(ombre) - attendu::clarte(vert);
            QVERIFY2(numero == 6 ? ecart <= -8 && ecart >= -60 : ecart >= 8 && ecart <= 60,
                     qPrintable(QStringLiteral("%1 off the green").arg(ecart)));
            // A disc: the middle of an edge is shaded, the corner of its square is not.
            QCOMPARE(c.at(15, 3), ombre);
            QCOMPARE(c.at(4, 4), vert);
            const int l = largeur(c, [vert](QRgb p) { return p != vert; });
            QVERIFY(l >= 20 * r && l <= 30 * r);

            const ImageCase avec_point = image_case(numero + 2, r);
            const attendu::Tache t = attendu::tache(avec_point.image, attendu::point_rouge);
            QCOMPARE(t.cadre, attendu::tache(image_case(4, r).image, attendu::point_rouge).cadre);
            for (int y = 0; y < c.cote(); ++y)
                for (int x = 0; x < c.cote(); ++x)
                    QVERIFY(t.cadre.contains(x, y)
                            || avec_point.image.pixel(x, y) == c.image.pixel(x, y));
        }
    }
};

QTEST_MAIN(TestImages)
#include "images_test.moc"
