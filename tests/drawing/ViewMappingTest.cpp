#include "drawing/ViewMapping.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CasAjustement {
    EtendueDessin etendue;
    QSize cadre;
    double echelle;
};

class Ajustement : public ::testing::TestWithParam<CasAjustement> {};

TEST_P(Ajustement, ScaleIsNineTenthsOfTheSmallerRatio)
{
    const CasAjustement& cas = GetParam();
    EXPECT_DOUBLE_EQ(EchelleAjustee(cas.etendue, cas.cadre), cas.echelle);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Etendues, Ajustement,
    ::testing::Values(
        CasAjustement{{0, 0, 1, 3}, QSize(400, 323), 0.9 * 323 / 3.0},     // limited by the height
        CasAjustement{{0, 0, 4, 1}, QSize(200, 300), 0.9 * 200 / 4.0},     // limited by the width
        CasAjustement{{-1, 2, 3, 2}, QSize(400, 323), 0.9 * 400 / 4.0},    // one section: width alone
        CasAjustement{{5, -1, 5, 4}, QSize(400, 323), 0.9 * 323 / 5.0},    // flat along x
        CasAjustement{{2, 2, 2, 2}, QSize(400, 323), 1.0},                 // a single point
        CasAjustement{{0, 0, 1, 3}, QSize(0, 0), 1.0},                     // frame not laid out yet
        CasAjustement{{4, 3, 0, 0}, QSize(400, 300), 0.9 * 300 / 3.0},     // reversed extent
        CasAjustement{{0, 0, kInf, 1}, QSize(400, 300), 1.0},
        CasAjustement{{0, 0, kNaN, 1}, QSize(400, 300), 1.0}));

TEST(Ajustement, CentreIsMiddleOfExtentAndHalfTheAreaRoundedDown)
{
    const ViewMapping vue = AjusterVue({-1, 2, 3, 8}, QSize(201, 122), QSize(201, 99));
    EXPECT_DOUBLE_EQ(vue.CtrDessX, 1);
    EXPECT_DOUBLE_EQ(vue.CtrDessY, 5);
    EXPECT_EQ(vue.CtrPBxX, 100);
    EXPECT_EQ(vue.CtrPBxY, 49);
    EXPECT_DOUBLE_EQ(vue.ech, 0.9 * 122 / 6.0); // the frame's full height, not the area's

    const ViewMapping illisible = AjusterVue({kNaN, 0, 1, kInf}, QSize(100, 100), QSize(100, 77));
    EXPECT_TRUE(std::isfinite(illisible.CtrDessX));
    EXPECT_TRUE(std::isfinite(illisible.CtrDessY));
}

struct CasPixel {
    double x, y;
    double px, py;
};

class Correspondance : public ::testing::TestWithParam<CasPixel> {};

TEST_P(Correspondance, DrawingPointToNearestPixelWithYDownwards)
{
    ViewMapping vue;
    vue.ech = 10;
    vue.CtrDessX = 1;
    vue.CtrDessY = 1;
    vue.CtrPBxX = 50;
    vue.CtrPBxY = 40;
    const CasPixel& cas = GetParam();
    const QPointF p = vue.versPixel(cas.x, cas.y);
    EXPECT_DOUBLE_EQ(p.x(), cas.px);
    EXPECT_DOUBLE_EQ(p.y(), cas.py);
}

INSTANTIATE_TEST_SUITE_P(Points, Correspondance,
                         ::testing::Values(CasPixel{1, 1, 50, 40}, CasPixel{1.26, 0.74, 53, 43},
                                           CasPixel{0.96, 1.04, 50, 40}, CasPixel{-2, 4, 20, 10},
                                           CasPixel{1e300, -1e300, 50 + kPixelLimite, 40 + kPixelLimite}));

// The drawing point under a pixel, by inverting the mapping.
double sousPixelX(const ViewMapping& v, double px) { return v.CtrDessX + (px - v.CtrPBxX) / v.ech; }
double sousPixelY(const ViewMapping& v, double py) { return v.CtrDessY + (v.CtrPBxY - py) / v.ech; }

TEST(Zoom, NotchForwardThenBackLeavesPointNineNineAndKeepsCursorPoint)
{
    ViewMapping vue = AjusterVue({0, 0, 1, 3}, QSize(400, 323), QSize(400, 300));
    const double depart = vue.ech;
    const QPoint curseur(310, 42);
    const double x = sousPixelX(vue, curseur.x());
    const double y = sousPixelY(vue, curseur.y());

    ZoomerVue(vue, curseur, 120);
    EXPECT_DOUBLE_EQ(vue.ech, depart * 1.1);
    EXPECT_NEAR(sousPixelX(vue, curseur.x()), x, 1e-12);
    EXPECT_NEAR(sousPixelY(vue, curseur.y()), y, 1e-12);

    ZoomerVue(vue, curseur, -120);
    EXPECT_DOUBLE_EQ(vue.ech, depart * 1.1 * 0.9);
    EXPECT_NEAR(sousPixelX(vue, curseur.x()), x, 1e-12);
    EXPECT_NEAR(sousPixelY(vue, curseur.y()), y, 1e-12);

    ZoomerVue(vue, curseur, 240); // two notches at once
    EXPECT_DOUBLE_EQ(vue.ech, depart * 0.99 * 1.2);
}

TEST(Zoom, ScaleStaysFiniteAndPositive)
{
    // A fast backwards spin can carry ten notches or more in one message.
    for (const int delta : {-1200, -2400, -120000}) {
        ViewMapping vue = AjusterVue({0, 0, 1, 3}, QSize(400, 323), QSize(400, 300));
        const double depart = vue.ech;
        ZoomerVue(vue, QPoint(10, 10), delta);
        EXPECT_DOUBLE_EQ(vue.ech, depart * 0.1) << delta;
        EXPECT_TRUE(std::isfinite(vue.CtrDessX) && std::isfinite(vue.CtrDessY)) << delta;
    }
    ViewMapping vue;
    for (int i = 0; i < 1000; ++i)
        ZoomerVue(vue, QPoint(3, 7), 1200);
    EXPECT_LE(vue.ech, kEchelleMax);
    EXPECT_GT(vue.ech, kEchelleMax / 11);
    for (int i = 0; i < 1000; ++i)
        ZoomerVue(vue, QPoint(3, 7), -1200);
    EXPECT_GE(vue.ech, kEchelleMin);
    EXPECT_TRUE(std::isfinite(vue.CtrDessX) && std::isfinite(vue.CtrDessY));
}

TEST(Deplacement, DragMovesEveryPointByTheMouseDisplacement)
{
    ViewMapping vue = AjusterVue({0, 0, 1, 3}, QSize(400, 323), QSize(400, 300));
    const QPointF avant = vue.versPixel(0.6, 3);
    const QPointF origine = vue.versPixel(0, 0);
    DeplacerVue(vue, QPoint(100, 100), QPoint(130, 120));
    EXPECT_EQ(vue.versPixel(0.6, 3), avant + QPointF(30, 20));
    EXPECT_EQ(vue.versPixel(0, 0), origine + QPointF(30, 20));
    DeplacerVue(vue, QPoint(130, 120), QPoint(100, 100));
    EXPECT_EQ(vue.versPixel(0.6, 3), avant);
}

} // namespace
