// The drawn pictures and the fit of the texts in the fixed-size controls.

#include "aide.h"
#include "elements.h"
#include "fenetre_info.h"
#include "images.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace tavik;
using namespace tavik::ui;
using namespace tavik::ui::test;

namespace {

// The colour of logical pixel (x, y) of a picture: every device pixel that it covers must
// have it, so a line or a dot drawn across pixel boundaries (blurred) is caught.
QRgb couleur(const QPixmap& pixmap, int x, int y)
{
    const QImage image = pixmap.toImage();
    const int r = qRound(pixmap.devicePixelRatio());
    const QRgb c = image.pixel(x * r, y * r);
    for (int dy = 0; dy < r; ++dy)
        for (int dx = 0; dx < r; ++dx)
            if (image.pixel(x * r + dx, y * r + dy) != c) return qRgba(0, 0, 0, 0);
    return c;
}

// Every single-line text shown by `fenetre` fits its control, and a caption ends before the
// control that follows it on its row.
void textes_loges(QWidget& fenetre)
{
    const QList<QLabel*> etiquettes = fenetre.findChildren<QLabel*>();
    for (QLabel* l : etiquettes) {
        if (l->text().isEmpty() || l->wordWrap() || !l->isVisibleTo(&fenetre)) continue;
        const int largeur = l->fontMetrics().horizontalAdvance(l->text());
        QVERIFY2(largeur <= l->width(), qPrintable(l->text()));
        QVERIFY2(l->fontMetrics().height() <= l->height() + 3, qPrintable(l->text()));
        for (QLabel* voisine : etiquettes)
            if (voisine != l && voisine->parent() == l->parent() && voisine->y() == l->y()
                && voisine->x() > l->x() && !voisine->text().isEmpty())
                QVERIFY2(l->x() + largeur <= voisine->x(), qPrintable(l->text()));
    }
    for (QAbstractButton* b : fenetre.findChildren<QAbstractButton*>())
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4,
                 qPrintable(b->text()));
}

} // namespace

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void images_des_cases_data();
    void images_des_cases();
    void logo_cadre_et_icones();
    void textes_dans_leurs_controles();
    void etiquette_sur_plusieurs_lignes();
};

void TestPresentation::images_des_cases_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("écran ordinaire") << 1.0;
    QTest::newRow("haute densité") << 2.0;
}

void TestPresentation::images_des_cases()
{
    QFETCH(qreal, ratio);
    const QRgb centre[10] {0,
                           couleurs::vert,
                           couleurs::noir,
                           couleurs::blanc,
                           couleurs::point_rouge,
                           couleurs::point_jaune,
                           couleurs::ombre_sombre,
                           couleurs::ombre_claire,
                           couleurs::point_rouge,
                           couleurs::point_rouge};
    const QRgb disque[10] {0,
                           couleurs::vert,
                           couleurs::noir,
                           couleurs::blanc,
                           couleurs::vert,
                           couleurs::vert,
                           couleurs::ombre_sombre,
                           couleurs::ombre_claire,
                           couleurs::ombre_sombre,
                           couleurs::ombre_claire};
    for (int n = 1; n <= nb_images_pion; ++n) {
        const QPixmap p = image_pion(n, ratio);
        QCOMPARE(p.deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(p.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
        // The grid lines, one pixel wide, on the right and bottom edges only.
        for (int k : {0, 15, 30}) {
            QCOMPARE(couleur(p, 31, k), couleurs::ligne);
            QCOMPARE(couleur(p, k, 31), couleurs::ligne);
        }
        QCOMPARE(couleur(p, 0, 0), couleurs::vert);
        QCOMPARE(couleur(p, 30, 0), couleurs::vert);
        // The centre, and a point of the disc away from the dot.
        QCOMPARE(couleur(p, 15, 15), centre[n]);
        QCOMPARE(couleur(p, 8, 15), disque[n]);
        QCOMPARE(couleur(p, 15, 22), disque[n]);
    }
    // The dots are 5 x 5 pixels.
    const QPixmap point = image_pion(4, ratio);
    for (int k = 13; k <= 17; ++k) {
        QCOMPARE(couleur(point, k, 13), couleurs::point_rouge);
        QCOMPARE(couleur(point, 17, k), couleurs::point_rouge);
    }
    QCOMPARE(couleur(point, 12, 15), couleurs::vert);
    QCOMPARE(couleur(point, 18, 15), couleurs::vert);
    QCOMPARE(couleur(point, 15, 12), couleurs::vert);
    QCOMPARE(couleur(point, 15, 18), couleurs::vert);
    // The discs are about 28 pixels across.
    const QPixmap noir = image_pion(2, ratio);
    QCOMPARE(couleur(noir, 3, 15), couleurs::noir);
    QCOMPARE(couleur(noir, 27, 15), couleurs::noir);
    QCOMPARE(couleur(noir, 0, 15), couleurs::vert);
    QVERIFY(image_pion(0, ratio).isNull());
    QVERIFY(image_pion(10, ratio).isNull());
}

void TestPresentation::logo_cadre_et_icones()
{
    for (qreal ratio : {1.0, 2.0}) {
        QCOMPARE(image_logo(ratio).deviceIndependentSize(), QSizeF(100, 30));
        QCOMPARE(image_cadre(ratio).deviceIndependentSize(), QSizeF(304, 304));
        QCOMPARE(image_cadre(ratio).size(), QSize(qRound(304 * ratio), qRound(304 * ratio)));
    }
    for (const QIcon& icone : {icone_plateau(), icone_fenetres()}) {
        QVERIFY(icone.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icone.availableSizes().contains(QSize(32, 32)));
    }
    QVERIFY(icone_plateau().pixmap(32).toImage() != icone_fenetres().pixmap(32).toImage());

    Banc b;
    b.clique("CmdChager");
    QCOMPARE(b.fenetre->windowIcon().pixmap(32).toImage(), icone_plateau().pixmap(32).toImage());
    QCOMPARE(b.fenetre->fenetre_ouverture()->windowIcon().pixmap(32).toImage(),
             icone_fenetres().pixmap(32).toImage());
    FenetreInfo info(b.fenetre.get());
    QCOMPARE(info.windowIcon().pixmap(32).toImage(), icone_fenetres().pixmap(32).toImage());
}

void TestPresentation::textes_dans_leurs_controles()
{
    Banc b;
    textes_loges(*b.fenetre);
    b.clique("CmdChager");
    textes_loges(*b.fenetre->fenetre_ouverture());
    FenetreInfo info(b.fenetre.get());
    textes_loges(info);
    // A full game's counts and the longest move numbers fit too.
    b.fenetre->plateau().controles.nb_noir.legende = "64";
    b.fenetre->actualise();
    textes_loges(*b.fenetre);
}

// The comment label shows its line breaks and wraps; three lines fit its 41 pixels.
void TestPresentation::etiquette_sur_plusieurs_lignes()
{
    Banc b;
    auto* commentaire = b.fenetre->findChild<Libelle*>(QStringLiteral("LblCommentaire"));
    QVERIFY(commentaire);
    QVERIFY(commentaire->wordWrap());
    QVERIFY(3 * commentaire->pas_de_ligne() <= commentaire->height());

    b.fenetre->plateau().controles.LblCommentaire.legende = "Première ligne\nSeconde ligne";
    b.fenetre->actualise();
    const QImage deux = commentaire->grab().toImage();
    // Ink on the first two lines and none below.
    const auto encre = [&](const QImage& image, int haut, int bas) {
        const QRgb fond = image.pixel(image.width() - 1, image.height() - 1);
        for (int y = haut; y < bas; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != fond) return true;
        return false;
    };
    const int pas = commentaire->pas_de_ligne();
    QVERIFY(encre(deux, 0, pas));
    QVERIFY(encre(deux, pas, 2 * pas));
    QVERIFY(!encre(deux, 2 * pas + 2, deux.height()));
}

QTEST_MAIN(TestPresentation)
#include "presentation_test.moc"
