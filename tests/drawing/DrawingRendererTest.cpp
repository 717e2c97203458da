#include "drawing/DrawingRenderer.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr std::uint32_t kNoir = 0;
constexpr std::uint32_t kBlanc = 16777215;
constexpr std::uint32_t kRouge = 255;
constexpr std::uint32_t kBleu = 16711680;

// 10 pixels per unit, the drawing origin at pixel (50, 50) of a 100 x 100 area.
ViewMapping vueEssai(double ech = 10)
{
    ViewMapping vue;
    vue.ech = ech;
    vue.CtrPBxX = 50;
    vue.CtrPBxY = 50;
    return vue;
}

QImage rendre(const QString& texte, std::uint32_t fond = kNoir, const ViewMapping& vue = vueEssai())
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::magenta); // anything the renderer leaves unpainted shows
    QPainter painter(&image);
    PeindreDessin(painter, texte, vue, image.size(), fond);
    return image;
}

QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

bool seulementFond(const QImage& image, const QColor& fond)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != fond)
                return false;
    return true;
}

// Pixels different from the background in column x between rows y0 and y1.
int epaisseurColonne(const QImage& image, int x, int y0, int y1, const QColor& fond)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        if (image.pixelColor(x, y) != fond)
            ++n;
    return n;
}

int epaisseurLigne(const QImage& image, int y, int x0, int x1, const QColor& fond)
{
    int n = 0;
    for (int x = x0; x <= x1; ++x)
        if (image.pixelColor(x, y) != fond)
            ++n;
    return n;
}

TEST(Couleurs, LowestByteIsRed)
{
    EXPECT_EQ(CouleurBGR(255), QColor(255, 0, 0));
    EXPECT_EQ(CouleurBGR(16711680), QColor(0, 0, 255));
    EXPECT_EQ(CouleurBGR(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(CouleurBGR(0xFF000000), QColor(0, 0, 0));
}

class RienDessine : public ::testing::TestWithParam<const char*> {};

TEST_P(RienDessine, AreaHoldsOnlyTheBackground)
{
    EXPECT_TRUE(seulementFond(rendre(QString::fromUtf8(GetParam()), kBleu), QColor(0, 0, 255))) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Textes, RienDessine,
                         ::testing::Values("", "1\t1", "LIGNE\r\n1\t1", "LIGNE\r\n1\t1\r\nLIGNE",
                                           "LIGNE\r\n1\t1\r\nLIGNE\r\n2\t2\r\nLIGNE\r\n3\t3",
                                           "COULEUR\t255\r\nEPTRAIT\t3", "FLECHE\t1\t1\t1\t1",
                                           "1\t1\r\n1\t1"));

TEST(Peinture, PenStartsWhiteSolidOnePixel)
{
    const QImage image = rendre(QStringLiteral("0\t0\r\n3\t0"));
    EXPECT_EQ(pixel(image, 65, 50), QColor(Qt::white));
    EXPECT_EQ(epaisseurColonne(image, 65, 40, 60, Qt::black), 1);
    EXPECT_EQ(pixel(image, 40, 50), QColor(Qt::black));
}

TEST(Peinture, CouleurSetsThePenInBgrLayout)
{
    const QImage rouge = rendre(QStringLiteral("COULEUR\t255\r\n0\t0\r\n3\t0"));
    EXPECT_EQ(pixel(rouge, 65, 50), QColor(255, 0, 0));
    const QImage bleu = rendre(QStringLiteral("COULEUR\t16711680\r\n0\t0\r\n3\t0"));
    EXPECT_EQ(pixel(bleu, 65, 50), QColor(0, 0, 255));
}

TEST(Peinture, LigneStartsANewPolyline)
{
    // Two segments: (0,0)-(1,0) and (1,0)-(1,1).
    const QImage deux = rendre(QStringLiteral("LIGNE\r\n0\t0\r\n1\t0\r\n1\t1"));
    EXPECT_EQ(pixel(deux, 55, 50), QColor(Qt::white));
    EXPECT_EQ(pixel(deux, 60, 45), QColor(Qt::white));
    EXPECT_EQ(pixel(deux, 55, 45), QColor(Qt::black));

    // The pen is lifted between (1,0) and (1,1).
    const QImage coupe = rendre(QStringLiteral("0\t0\r\n1\t0\r\nLIGNE\r\n1\t1\r\n2\t1"));
    EXPECT_EQ(pixel(coupe, 55, 50), QColor(Qt::white));
    EXPECT_EQ(pixel(coupe, 60, 45), QColor(Qt::black));
    EXPECT_EQ(pixel(coupe, 65, 40), QColor(Qt::white));
}

TEST(Peinture, KeywordWithoutTabIsAPointAtOrigin)
{
    const QImage image = rendre(QStringLiteral("3\t0\r\nCOULEUR"));
    EXPECT_EQ(pixel(image, 55, 50), QColor(Qt::white));
}

TEST(Peinture, EptraitWidensLinesArrowsAndAxesUntilTheNextOne)
{
    const QColor noir(Qt::black);
    const QImage image = rendre(QStringLiteral("EPTRAIT\t2\r\n"
                                               "LIGNE\r\n-4\t3\r\n-1\t3\r\n"     // row 20
                                               "FLECHE\t-4\t-3\t-1\t-3\r\n"      // row 80
                                               "EPTRAIT\t1\r\n"
                                               "LIGNE\r\n1\t3\r\n4\t3"));        // row 20 again
    EXPECT_EQ(epaisseurColonne(image, 20, 14, 26, noir), 2);
    EXPECT_EQ(epaisseurColonne(image, 20, 74, 86, noir), 2);
    EXPECT_EQ(epaisseurColonne(image, 75, 14, 26, noir), 1);

    const QImage axesFins = rendre(QStringLiteral("REPERE\t255"));
    const QImage axesLarges = rendre(QStringLiteral("EPTRAIT\t2\r\nREPERE\t255"));
    EXPECT_EQ(epaisseurColonne(axesFins, 70, 40, 60, noir), 1);
    EXPECT_EQ(epaisseurColonne(axesLarges, 70, 40, 60, noir), 2);
    EXPECT_EQ(epaisseurLigne(axesFins, 30, 40, 60, noir), 1);
    EXPECT_EQ(epaisseurLigne(axesLarges, 30, 40, 60, noir), 2);
}

struct CasFleche {
    double ech;
    double x2; // arrow from (0,0) to (x2, 0)
};

class TeteFleche : public ::testing::TestWithParam<CasFleche> {};

// The head is ten pixels long and ten wide whatever the scale.
TEST_P(TeteFleche, HeadIsTenPixelsLongAndWide)
{
    const CasFleche cas = GetParam();
    const QImage image =
        rendre(QStringLiteral("FLECHE\t0\t0\t%1\t0").arg(cas.x2), kNoir, vueEssai(cas.ech));
    const int pointe = 50 + int(std::lround(cas.x2 * cas.ech));
    const int base = pointe - 10;
    const QColor noir(Qt::black);
    EXPECT_EQ(pixel(image, pointe, 50), QColor(Qt::white));
    EXPECT_EQ(pixel(image, pointe + 1, 50), noir);
    // The base: a vertical segment from 5 pixels above to 5 pixels below.
    EXPECT_EQ(epaisseurColonne(image, base, 40, 60, noir), 11);
    EXPECT_EQ(pixel(image, base, 45), QColor(Qt::white));
    EXPECT_EQ(pixel(image, base, 55), QColor(Qt::white));
    EXPECT_EQ(epaisseurColonne(image, base - 2, 40, 60, noir), 1); // only the shaft behind the head
}

INSTANTIATE_TEST_SUITE_P(Echelles, TeteFleche,
                         ::testing::Values(CasFleche{10, 3}, CasFleche{20, 1.5}, CasFleche{2.5, 16},
                                           CasFleche{100, 0.4}));

TEST(Peinture, ArrowPointsAlongItsDirection)
{
    // Downwards onto the origin: the head's base lies ten pixels above the tip.
    const QImage image = rendre(QStringLiteral("FLECHE\t0\t3\t0\t0"));
    const QColor noir(Qt::black);
    EXPECT_EQ(epaisseurLigne(image, 40, 30, 70, noir), 11);
    EXPECT_EQ(epaisseurLigne(image, 60, 30, 70, noir), 0);
    EXPECT_EQ(pixel(image, 50, 50), QColor(Qt::white));
}

TEST(Peinture, RepereDrawsBothAxesAndRestoresThePen)
{
    const QImage image = rendre(QStringLiteral("COULEUR\t16711680\r\nREPERE\t255\r\nLIGNE\r\n-4\t-2\r\n-1\t-2"));
    const QColor rouge(255, 0, 0);
    const QColor noir(Qt::black);
    // Horizontal axis from the origin's pixel to two pixels short of the right edge.
    EXPECT_EQ(pixel(image, 50, 50), rouge);
    EXPECT_EQ(pixel(image, 75, 50), rouge);
    EXPECT_EQ(pixel(image, 98, 50), rouge);
    EXPECT_EQ(pixel(image, 99, 50), noir);
    EXPECT_EQ(pixel(image, 40, 50), noir);
    // Its head: base ten pixels from the edge, five pixels either side.
    EXPECT_EQ(epaisseurColonne(image, 90, 40, 60, noir), 11);
    // Vertical axis up to row 2, head base on row 12.
    EXPECT_EQ(pixel(image, 50, 30), rouge);
    EXPECT_EQ(pixel(image, 50, 2), rouge);
    EXPECT_EQ(pixel(image, 50, 1), noir);
    EXPECT_EQ(pixel(image, 50, 60), noir);
    EXPECT_EQ(epaisseurLigne(image, 12, 40, 60, noir), 11);
    // The pen is blue again after the axes.
    EXPECT_EQ(pixel(image, 25, 70), QColor(0, 0, 255));
}

// Height of the rows holding dark pixels.
int hauteurEncre(const QImage& image)
{
    int haut = -1;
    int bas = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                if (haut < 0)
                    haut = y;
                bas = y;
            }
    return haut < 0 ? 0 : bas - haut + 1;
}

int pixelsSombres(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++n;
    return n;
}

TEST(Texte, WrittenBelowRightOfItsPointOverABackgroundBox)
{
    const QImage image = rendre(QStringLiteral("COULEUR\t255\r\nLIGNE\r\n-5\t-0.5\r\n5\t-0.5\r\n"
                                               "TEXTE\tDejaVu Sans\t-20\t\t0\t0\tHH"),
                                kBlanc);
    const QColor rouge(255, 0, 0);
    int sombres = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            if (qGray(image.pixel(x, y)) < 100 && image.pixelColor(x, y) != rouge) {
                ++sombres;
                EXPECT_GE(x, 50);
                EXPECT_GE(y, 50);
            }
        }
    EXPECT_GT(sombres, 20);
    // The red line at row 55 is hidden by the text's box, kept outside it.
    EXPECT_EQ(pixel(image, 45, 55), rouge);
    EXPECT_EQ(pixel(image, 55, 55).red(), pixel(image, 55, 55).blue());
}

TEST(Texte, StyleLettersAndHeightConvention)
{
    const auto texte = [](const char* style, int hauteur) {
        return rendre(QStringLiteral("TEXTE\tDejaVu Sans\t%1\t%2\t-4\t4\tHH").arg(hauteur).arg(QLatin1String(style)),
                      kBlanc);
    };
    const QImage simple = texte("", -20);
    EXPECT_GT(pixelsSombres(texte("G", -20)), pixelsSombres(simple));
    EXPECT_GT(pixelsSombres(texte("g", -20)), pixelsSombres(simple));
    EXPECT_GT(hauteurEncre(texte("S", -20)), hauteurEncre(simple));
    EXPECT_GT(hauteurEncre(texte("s", -20)), hauteurEncre(simple));
    EXPECT_NE(texte("i", -20), simple);
    EXPECT_EQ(texte("X", -20), simple);
    // A positive height is the whole cell, so the characters come out smaller.
    EXPECT_GT(hauteurEncre(simple), hauteurEncre(texte("", 20)));
    EXPECT_GT(hauteurEncre(texte("", -30)), hauteurEncre(simple));
}

TEST(Texte, FontIsKeptForLaterTexte)
{
    // The style is read anew by each line; the height 0 keeps the last one.
    const QImage deux = rendre(QStringLiteral("TEXTE\tDejaVu Sans\t-30\t\t-4\t4\tH\r\n"
                                              "TEXTE\tDejaVu Sans\t0\t\t1\t4\tH"),
                               kBlanc);
    QImage gauche = deux.copy(0, 0, 50, 100);
    QImage droite = deux.copy(50, 0, 50, 100);
    EXPECT_EQ(hauteurEncre(gauche), hauteurEncre(droite));
}

// Nothing in a command text can fail, and far-away values stay drawable.
TEST(Robustesse, ExtremeValuesAreClippedNotFatal)
{
    const QImage loin = rendre(QStringLiteral("0\t0\r\n1E300\t1E300"));
    EXPECT_EQ(pixel(loin, 60, 40), QColor(Qt::white));
    EXPECT_EQ(pixel(loin, 40, 60), QColor(Qt::black));

    const QImage flecheLointaine = rendre(QStringLiteral("FLECHE\t-1E300\t0\t1\t0"));
    EXPECT_EQ(pixel(flecheLointaine, 5, 50), QColor(Qt::white));
    EXPECT_EQ(epaisseurColonne(flecheLointaine, 45, 0, 99, Qt::black), 1);
    EXPECT_EQ(epaisseurColonne(flecheLointaine, 50, 0, 99, Qt::black), 11);

    const QImage large = rendre(QStringLiteral("EPTRAIT\t2000000000\r\n0\t0\r\n1\t0"));
    EXPECT_TRUE(seulementFond(large, Qt::white));

    const QImage negatif = rendre(QStringLiteral("EPTRAIT\t-4\r\n0\t0\r\n3\t0"));
    EXPECT_EQ(epaisseurColonne(negatif, 65, 40, 60, Qt::black), 1);

    for (const char* texte : {"TEXTE", "TEXTE\t\t2000000000\tGIS\t1E300\t-1E300\tx", "TEXTE\tx\t-2147483648\t\t0\t0\tx",
                              "REPERE", "FLECHE", "COULEUR\t-1\r\n0\t0\r\n1\t0", "\t\t\t"}) {
        const QImage image = rendre(QString::fromUtf8(texte));
        EXPECT_NE(image.pixelColor(0, 0), QColor(Qt::magenta)) << texte;
    }
}

struct CasLointain {
    double ech;
    double x2, y2; // a segment from the origin, far out of the area at this scale
};

class SegmentLointain : public ::testing::TestWithParam<CasLointain> {};

// Deep in a zoom, a segment that runs far out of the area still shows along
// its own direction where it crosses the area.
TEST_P(SegmentLointain, KeepsItsDirectionAcrossTheArea)
{
    const CasLointain cas = GetParam();
    const QImage image = rendre(QStringLiteral("0\t0\r\n%1\t%2").arg(cas.x2).arg(cas.y2), kNoir, vueEssai(cas.ech));
    ASSERT_EQ(epaisseurColonne(image, 90, 0, 99, Qt::black), 1);
    int ligne = 0;
    while (pixel(image, 90, ligne) != QColor(Qt::white))
        ++ligne;
    EXPECT_NEAR(ligne, 50 - 40 * cas.y2 / cas.x2, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, SegmentLointain,
                         ::testing::Values(CasLointain{1e6, 30, 3}, CasLointain{1e8, 0.5, -0.05},
                                           CasLointain{1e9, 20, 5}, CasLointain{10, 3e6, 1e6}));

TEST(Peinture, FitsAWholeExtentToAnImage)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    // An extent of 4 x 1 units: scale 0.9 x min(200/4, 100/1) = 45.
    PeindreDessinAjuste(painter, QStringLiteral("COULEUR\t0\r\n0\t0\r\n4\t1"), {0, 0, 4, 1}, image.size(), kBlanc);
    painter.end();
    EXPECT_EQ(image.pixelColor(100 - 90, 50 + 23), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100 + 90, 50 - 23), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100 + 91, 50 - 23), QColor(Qt::white));
}

// A varied drawing: pens of one to three pixels, polylines, arrows in every
// direction and of every size, the axes, points far outside the area.
QString dessinVarie(unsigned graine)
{
    std::mt19937 hasard(graine);
    const auto entre = [&hasard](double a, double b) {
        return a + (b - a) * double(hasard() % 100001) / 100000.0;
    };
    QString texte;
    for (int i = 0; i < 400; ++i) {
        switch (hasard() % 8) {
        case 0:
            texte += QStringLiteral("COULEUR\t%1\r\n").arg(hasard() % 16777216);
            break;
        case 1:
            texte += QStringLiteral("EPTRAIT\t%1\r\n").arg(hasard() % 2 ? 2 : 1 + hasard() % 3);
            break;
        case 2:
            texte += QStringLiteral("LIGNE\r\n");
            break;
        case 3:
            texte += QStringLiteral("FLECHE\t%1\t%2\t%3\t%4\r\n")
                         .arg(entre(-12, 12))
                         .arg(entre(-9, 9))
                         .arg(entre(-12, 12))
                         .arg(entre(-9, 9));
            break;
        case 4:
            if (hasard() % 10 == 0)
                texte += QStringLiteral("REPERE\t%1\r\n").arg(hasard() % 16777216);
            else if (hasard() % 2 == 0) // upright or level, as loads often are
                texte += QStringLiteral("FLECHE\t%1\t%2\t%1\t%3\r\n").arg(entre(-12, 12)).arg(entre(-9, 9)).arg(entre(-9, 9));
            else
                texte += QStringLiteral("FLECHE\t%2\t%1\t%3\t%1\r\n").arg(entre(-9, 9)).arg(entre(-12, 12)).arg(entre(-12, 12));
            break;
        case 5: // a point far away now and then
            texte += QStringLiteral("%1\t%2\r\n").arg(entre(-500, 500)).arg(entre(-400, 400));
            break;
        default: // mostly short segments, as a buttress and its loads give
            texte += QStringLiteral("%1\t%2\r\n").arg(entre(-12, 12)).arg(entre(-9, 9));
            break;
        }
    }
    return texte;
}

// The image painted directly, and painted segment by segment through a
// picture (the painter of a picture, like those of PDF and SVG, gets every
// segment stroked on its own).
// With a margin, the area is painted inside a larger image through a
// translated painter, as a frame paints its drawing area: what is drawn
// beyond the area, on the rest of the image, counts too.
std::pair<QImage, QImage> directEtUnParUn(const QString& texte, const ViewMapping& vue, QSize zone, int marge = 0)
{
    const QSize taille = zone + QSize(2 * marge, 2 * marge);
    QImage direct(taille, QImage::Format_RGB32);
    direct.fill(Qt::magenta);
    {
        QPainter painter(&direct);
        painter.translate(marge, marge);
        PeindreDessin(painter, texte, vue, zone, kNoir);
    }
    QPicture image;
    {
        QPainter painter(&image);
        PeindreDessin(painter, texte, vue, zone, kNoir);
    }
    QImage unParUn(taille, QImage::Format_RGB32);
    unParUn.fill(Qt::magenta);
    {
        QPainter painter(&unParUn);
        painter.translate(marge, marge);
        painter.drawPicture(0, 0, image);
    }
    return {direct, unParUn};
}

// Upright and level segments of one and two pixels, of every length from 1 to
// 30 pixels, both ways, filled as rectangles, cover the pixels their stroke
// covers; so do polylines of upright and level steps going on, turning and
// coming back over themselves (their rectangles joined), and segments
// running out of the image.
TEST(Peinture, UprightAndLevelThinAndThickSegmentsGiveTheirStrokesPixels)
{
    for (int epaisseur : {1, 2}) {
        QString texte = QStringLiteral("COULEUR\t255\r\nEPTRAIT\t%1\r\n").arg(epaisseur);
        for (int n = 1; n <= 30; ++n) {
            const double x = -4.5 + 0.1 * (n % 10); // one unit is 10 pixels
            const double y = -4.5 + 0.3 * (n / 10);
            texte += QStringLiteral("LIGNE\r\n%1\t%2\r\n%3\t%2\r\n").arg(x).arg(y).arg(x + 0.1 * n);
            texte += QStringLiteral("LIGNE\r\n%1\t%2\r\n%1\t%3\r\n").arg(-x).arg(y + 0.1 * n).arg(y);
        }
        // Steps: down, down, back up, right, right, left past the start, down.
        texte += QStringLiteral("COULEUR\t65280\r\nLIGNE\r\n2\t2\r\n2\t1.9\r\n2\t1.7\r\n2\t1.8\r\n"
                                "2.2\t1.8\r\n2.5\t1.8\r\n1.5\t1.8\r\n1.5\t1.2\r\n");
        // Level and upright runs of one pixel each, then out of the image.
        texte += QStringLiteral("COULEUR\t16711680\r\nLIGNE\r\n0\t2\r\n0.1\t2\r\n0.2\t2\r\n0.2\t2.1\r\n"
                                "0.2\t2.2\r\n0.3\t2.2\r\n");
        texte += QStringLiteral("LIGNE\r\n-4.7\t0.5\r\n-7\t0.5\r\nLIGNE\r\n4.2\t-3\r\n4.2\t-9\r\n"
                                "LIGNE\r\n3\t4.95\r\n3\t80\r\nLIGNE\r\n-20\t-4\r\n20\t-4\r\n");
        const auto [direct, unParUn] = directEtUnParUn(texte, vueEssai(), QSize(100, 100), epaisseur == 1 ? 0 : 7);
        EXPECT_EQ(direct, unParUn) << epaisseur;
        EXPECT_FALSE(seulementFond(direct, Qt::black));
    }
}

// One pixel per unit, the origin at the middle of the area: whole numbers of
// the text are whole pixels.
ViewMapping vuePixels(QSize zone)
{
    ViewMapping vue;
    vue.ech = 1;
    vue.CtrPBxX = zone.width() / 2;
    vue.CtrPBxY = zone.height() / 2;
    return vue;
}

QString segmentEpais(int epaisseur, std::uint32_t couleur, int x1, int y1, int x2, int y2)
{
    return QStringLiteral("EPTRAIT\t%1\r\nCOULEUR\t%2\r\nLIGNE\r\n%3\t%4\r\n%5\t%6\r\n")
        .arg(epaisseur)
        .arg(couleur)
        .arg(x1)
        .arg(y1)
        .arg(x2)
        .arg(y2);
}

// Every run and rise from -12 to 12 pixels, pens of 2 and 3 pixels: a slanting
// segment put down again as the pixels of the first one stroked covers what
// its own stroke covers, wherever it lies on the image.
TEST(Peinture, RepeatedSlantingSegmentsGiveTheirStrokesPixels)
{
    const QSize zone(700, 400);
    for (int epaisseur : {2, 3}) {
        QString texte;
        int n = 0;
        for (int dx = -12; dx <= 12; ++dx)
            for (int dy = -12; dy <= 12; ++dy, ++n) {
                // Three times each: the first stroked, the others put down.
                const int x = -330 + 26 * (n % 25);
                const int y = -180 + 14 * (n / 25);
                for (int fois = 0; fois < 3; ++fois)
                    texte += segmentEpais(epaisseur, 255u << (8 * fois), x + fois * 3, y + fois * 130, x + fois * 3 + dx,
                                          y + fois * 130 + dy);
            }
        const auto [direct, unParUn] = directEtUnParUn(texte, vuePixels(zone), zone, epaisseur == 3 ? 21 : 0);
        EXPECT_EQ(direct, unParUn) << epaisseur;
        EXPECT_FALSE(seulementFond(direct, Qt::black));
    }
}

class SegmentsObliques : public ::testing::TestWithParam<unsigned> {};

// Random segments between whole pixels, long and short, of one to nine pixels
// wide, each run and rise drawn at several places, some across the edge of
// the image; far from the origin too (pixel coordinates in the thousands).
TEST_P(SegmentsObliques, RepeatedAtRandomPlacesGiveTheirStrokesPixels)
{
    std::mt19937 hasard(GetParam());
    const QSize zone(2600, 1900);
    QString texte;
    for (int i = 0; i < 120; ++i) {
        const int epaisseur = 1 + int(hasard() % 9);
        const int limite = hasard() % 4 == 0 ? 300 : 25;
        const int dx = int(hasard() % (2 * limite + 1)) - limite;
        const int dy = int(hasard() % (2 * limite + 1)) - limite;
        for (int fois = 1 + int(hasard() % 4); fois > 0; --fois) {
            const int x = int(hasard() % 2700) - 1350;
            const int y = int(hasard() % 2000) - 1000;
            texte += segmentEpais(epaisseur, hasard() % 16777216, x, y, x + dx, y + dy);
        }
    }
    const auto [direct, unParUn] = directEtUnParUn(texte, vuePixels(zone), zone, GetParam() % 2 ? 13 : 0);
    EXPECT_EQ(direct, unParUn) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Graines, SegmentsObliques, ::testing::Range(1u, 11u));

class DessinsVaries : public ::testing::TestWithParam<unsigned> {};

// On an image the segments of an arrow or of a polyline reach the painter
// together, those out of sight not at all, and 2-pixel ones upright or level
// as rectangles; through a picture (as for PDF and SVG) each one alone is
// stroked. Both give the very same pixels.
TEST_P(DessinsVaries, SegmentsTogetherOrOneByOneGiveTheSamePixels)
{
    const QString texte = dessinVarie(GetParam());
    const QSize zone(300, 200);
    ViewMapping vue;
    vue.ech = GetParam() % 2 ? 11.5 : 47; // zoomed in: many segments out of sight
    vue.CtrPBxX = 150;
    vue.CtrPBxY = 100;

    const auto [ensemble, unParUn] = directEtUnParUn(texte, vue, zone, GetParam() % 3 == 0 ? 37 : 0);
    ASSERT_FALSE(seulementFond(ensemble, Qt::black));
    EXPECT_EQ(ensemble, unParUn) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Graines, DessinsVaries, ::testing::Range(1u, 81u));

} // namespace
