#include "windows/placement.h"
#include "windows/zoom.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace tavik::test {

namespace {

// A 1280 x 1024 screen; the windows with their frames (8 pixels of border, a 30-pixel title):
// the main window 481 x 539, the chooser 336 x 539, the training window 330 x 539.
const Rectangle ecran {0, 0, 1280, 1024};
constexpr int l_plateau = 489, l_choix = 344, l_entrainement = 338, h = 569;

bool sur_aucune(const Rectangle& r, const std::vector<Rectangle>& ouvertes)
{
    for (const Rectangle& o : ouvertes)
        if (recouvrement(r, o) > 0) return false;
    return true;
}

} // namespace

// Each window beside the one it belongs to, or beside the others when that place is taken,
// or on the other side when the screen ends; never beyond the screen.
TEST(Placement, BesideTheNeighbourThenBesideTheOthersAlwaysOnTheScreen)
{
    const Rectangle plateau {0, 0, l_plateau, h};
    const Rectangle choix {l_plateau, 0, l_choix, h};
    // The chooser at the main window's right, top aligned.
    EXPECT_EQ(place_fenetre(l_choix, h, ecran, std::vector {plateau}, &plateau), choix);
    // The training window opened while the chooser is open: after it, not over it, nor 190
    // pixels off the screen.
    const std::vector ouvertes {plateau, choix};
    const Rectangle entrainement = place_fenetre(l_entrainement, h, ecran, ouvertes, &plateau);
    EXPECT_EQ(entrainement, (Rectangle {l_plateau + l_choix, 0, l_entrainement, h}));
    // And the other way round: the chooser opened while training goes after the training
    // window.
    const Rectangle seance {l_plateau, 0, l_entrainement, h};
    EXPECT_EQ(place_fenetre(l_choix, h, ecran, std::vector {plateau, seance}, &plateau).x,
              l_plateau + l_entrainement);

    // No room on the right: on the left of the main window, top aligned.
    const Rectangle a_droite {700, 100, l_plateau, h};
    EXPECT_EQ(place_fenetre(l_choix, h, ecran, std::vector {a_droite}, &a_droite),
              (Rectangle {700 - l_choix, 100, l_choix, h}));
    // Low on the screen: raised until its bottom is on it.
    const Rectangle bas {0, 600, l_plateau, h};
    EXPECT_EQ(place_fenetre(l_choix, h, ecran, std::vector {bas}, &bas),
              (Rectangle {l_plateau, 1024 - h, l_choix, h}));

    // Alone, in the middle of a second screen whose top is taken by a panel.
    const Rectangle second {1280, 30, 1024, 738};
    EXPECT_EQ(place_fenetre(l_plateau, h, second, {}),
              (Rectangle {1280 + 267, 30 + 84, l_plateau, h}));
    // Larger than the screen: from its top-left corner.
    EXPECT_EQ(place_fenetre(1400, 1100, second, {}), (Rectangle {1280, 30, 1400, 1100}));
}

// On an 800 x 600 screen the third window cannot stay clear of the others: it covers them as
// little as it can, and stays on the screen.
TEST(Placement, NoRoomLeftCoversTheLeast)
{
    const Rectangle petit {0, 0, 800, 600};
    const Rectangle plateau {0, 0, l_plateau, h};
    const std::vector ouvertes {plateau,
                                place_fenetre(264, h, petit, std::vector {plateau}, &plateau)};
    ASSERT_TRUE(sur_aucune(ouvertes[1], {plateau}));
    const Rectangle r = place_fenetre(l_entrainement, h, petit, ouvertes, &plateau);
    EXPECT_TRUE(petit.contient(r));
    // The columns that it must cover: from 800 - 338 to the chooser's right edge, 291; the
    // rows: all but the 31 that the screen has below the windows.
    EXPECT_EQ(recouvrement(r, ouvertes[0]) + recouvrement(r, ouvertes[1]), 291 * (h - 31));
}

// A place kept from an earlier run is taken again only where the whole frame lies on one
// screen's available area: here a 1280 x 1024 screen with a 30-pixel panel at its top, and a
// 1024 x 768 screen on its left.
TEST(Placement, AKeptPlaceMustLieWhollyOnOneScreen)
{
    const std::vector ecrans {Rectangle {0, 30, 1280, 994}, Rectangle {-1024, 0, 1024, 768}};
    // Inside one screen, its edges touching the area's: taken.
    EXPECT_TRUE(place_acceptable({0, 30, 1280, 994}, ecrans));
    EXPECT_TRUE(place_acceptable({700, 400, 520, 573}, ecrans));
    EXPECT_TRUE(place_acceptable({-1024, 0, 489, 569}, ecrans));
    // Across the two screens, though each part is on one of them.
    EXPECT_FALSE(place_acceptable({-200, 100, 489, 569}, ecrans));
    // One pixel beyond the right, the bottom, the left; under the panel.
    EXPECT_FALSE(place_acceptable({792, 100, 489, 569}, ecrans));
    EXPECT_FALSE(place_acceptable({0, 456, 489, 569}, ecrans));
    EXPECT_FALSE(place_acceptable({-1025, 0, 489, 569}, ecrans));
    EXPECT_FALSE(place_acceptable({100, 29, 489, 569}, ecrans));
    // A screen gone: the place kept on it is on none of those left.
    EXPECT_FALSE(place_acceptable({1400, 100, 489, 569}, ecrans));
    // Larger than every screen, wherever it is.
    EXPECT_FALSE(place_acceptable({0, 30, 1281, 994}, ecrans));
    EXPECT_FALSE(place_acceptable({-1024, 0, 1024, 995}, ecrans));
    // No screen known, or no frame at all.
    EXPECT_FALSE(place_acceptable({0, 30, 489, 569}, {}));
    EXPECT_FALSE(place_acceptable({100, 100, 0, 569}, ecrans));
    EXPECT_FALSE(place_acceptable({100, 100, 489, -1}, ecrans));
}

// The place as the settings keep it, read back as written; any other text is no place.
TEST(Placement, AKeptPlaceIsReadBackAndAnythingElseIgnored)
{
    EXPECT_EQ(texte_place({120, 80, 520, 539}, false), "120 80");
    EXPECT_EQ(texte_place({-1024, 30, 520, 539}, true), "-1024 30 520 539");
    EXPECT_EQ(lit_place("120 80"), (Rectangle {120, 80, 0, 0}));
    EXPECT_EQ(lit_place("-1024 30 520 539"), (Rectangle {-1024, 30, 520, 539}));
    EXPECT_EQ(lit_place(" 5  7 "), (Rectangle {5, 7, 0, 0})); // edited by hand
    for (const char* faux :
         {"", " ", "120", "120 80 520", "120 80 520 539 1", "abc", "120,80", "12x 80", "120 80.5",
          "+120 80", "120 80 0 539", "120 80 520 -539", "99999999999 80", "2000000 80",
          "120 -2000000", "120 80 2000000 539", "@Point(120 80)"}) {
        SCOPED_TRACE(faux);
        EXPECT_EQ(lit_place(faux), std::nullopt);
    }
}

// The 64 tiles at any zoom still touch, without gaps, and the board keeps its square; at 100 %
// every place is the same.
TEST(Zoom, ControlsGrowTogetherAndTilesStillTouch)
{
    for (const double z : {1.0, 0.9, 1.1, 1.25, 1.5, 1.75, 2.0 / 3}) {
        SCOPED_TRACE(z);
        for (int i = 0; i < 64; ++i) {
            const Rectangle t = a_l_echelle({32 + 32 * (i % 8), 64 + 32 * (i / 8), 32, 32}, z);
            const Rectangle droite = a_l_echelle({64 + 32 * (i % 8), 64 + 32 * (i / 8), 32, 32}, z);
            const Rectangle dessous
                = a_l_echelle({32 + 32 * (i % 8), 96 + 32 * (i / 8), 32, 32}, z);
            EXPECT_EQ(t.droite(), droite.x);
            EXPECT_EQ(t.bas(), dessous.y);
            EXPECT_LE(std::abs(t.largeur - 32 * z), 1.0);
        }
        const Rectangle plateau = a_l_echelle({32, 64, 256, 256}, z);
        EXPECT_LE(std::abs(plateau.largeur - plateau.hauteur), 1);
    }
    EXPECT_EQ(a_l_echelle({320, 328, 153, 19}, 1.0), (Rectangle {320, 328, 153, 19}));
    EXPECT_EQ(a_l_echelle({320, 328, 153, 19}, 1.5), (Rectangle {480, 492, 230, 29}));
}

// Ctrl++ and Ctrl+- go by steps, from a zoom between two steps to the next one; the bounds hold.
TEST(Zoom, StepsAndBounds)
{
    EXPECT_DOUBLE_EQ(zoom_plus(1.0), 1.1);
    EXPECT_DOUBLE_EQ(zoom_moins(1.0), 0.9);
    EXPECT_DOUBLE_EQ(zoom_plus(1.2), 1.25);
    EXPECT_DOUBLE_EQ(zoom_moins(1.2), 1.1);
    EXPECT_DOUBLE_EQ(zoom_plus(1.5), 1.75);
    EXPECT_DOUBLE_EQ(zoom_plus(3.0), 3.0);
    EXPECT_DOUBLE_EQ(zoom_moins(0.5), 0.5);
    EXPECT_DOUBLE_EQ(zoom_borne(7.0), 3.0);
    EXPECT_DOUBLE_EQ(zoom_borne(0.1), 0.5);
    EXPECT_DOUBLE_EQ(zoom_borne(std::nan("")), 1.0);
    // A window resized by hand to 962 x 800: the controls fill its height.
    EXPECT_NEAR(zoom_pour(481, 539, 962, 800), 800.0 / 539, 1e-9);
    EXPECT_DOUBLE_EQ(zoom_pour(481, 539, 10'000, 10'000), 3.0);
}

// The main window never outgrows the screen: at a scale of 2 a 1280 x 1024 screen is 640 x 512
// pixels, where 539 pixels and a 30-pixel title do not fit at 100 %.
TEST(Zoom, TheWindowFitsTheScreenAtAnyZoomAndScale)
{
    const Rectangle double_echelle {0, 0, 640, 512};
    const double z = zoom_logeable(1.0, 481, 539, 8, 30, double_echelle);
    const Rectangle fenetre = a_l_echelle({0, 0, 481, 539}, z);
    EXPECT_LE((fenetre.hauteur + 30) * 2, 1024);
    EXPECT_GE((fenetre.hauteur + 30) * 2, 1020); // no smaller than it must be
    EXPECT_LE(fenetre.largeur + 8, 640);

    EXPECT_DOUBLE_EQ(zoom_logeable(1.5, 481, 539, 8, 30, ecran), 1.5);
    const double grand = zoom_logeable(2.0, 481, 539, 8, 30, ecran);
    EXPECT_LE(a_l_echelle({0, 0, 481, 539}, grand).hauteur + 30, 1024);
    EXPECT_GE(a_l_echelle({0, 0, 481, 539}, grand).hauteur + 30, 1022);
}

} // namespace tavik::test
