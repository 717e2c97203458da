#include "drawing/gui/FrmPbx.h"

#include "support/FakePlatformServices.h"

#include "drawing/DrawingRenderer.h"

#include <QApplication>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// A host panel of 400 x 323: the drawing area is 400 x 300 above the button bar.
struct Hote {
    QWidget fenetre;
    QWidget* panneau = new QWidget(&fenetre);
    TFrmPbx cadre;

    Hote()
    {
        fenetre.resize(400, 323);
        panneau->setGeometry(0, 0, 400, 323);
        fenetre.show();
        cadre.SetParents(&fenetre, panneau);
    }

    QImage image() { return cadre.PBx->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// Two strokes away from the edges of the area: a black square and a red cross.
const QString kDessin = QStringLiteral("COULEUR\t0\r\nLIGNE\r\n0\t0\r\n1\t0\r\n1\t1\r\n0\t1\r\n0\t0\r\n"
                                       "COULEUR\t255\r\nLIGNE\r\n0.2\t0.5\r\n0.8\t0.5\r\nLIGNE\r\n0.5\t0.2\r\n0.5\t0.8");

// Every pixel of `avant` shows in `apres` moved by (dx, dy), where both exist.
bool decale(const QImage& avant, const QImage& apres, int dx, int dy)
{
    for (int y = 0; y < avant.height(); ++y)
        for (int x = 0; x < avant.width(); ++x) {
            const int x2 = x + dx;
            const int y2 = y + dy;
            if (x2 < 0 || y2 < 0 || x2 >= apres.width() || y2 >= apres.height())
                continue;
            if (avant.pixel(x, y) != apres.pixel(x2, y2))
                return false;
        }
    return true;
}

int pixelsDe(const QImage& image, QColor couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == couleur)
                ++n;
    return n;
}

// Column of the rightmost black pixel of a row.
int dernierNoir(const QImage& image, int y)
{
    for (int x = image.width() - 1; x >= 0; --x)
        if (image.pixelColor(x, y) == QColor(Qt::black))
            return x;
    return -1;
}

void molette(QWidget* cible, QPoint position, int delta)
{
    QWheelEvent evenement(QPointF(position), QPointF(cible->mapToGlobal(position)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(cible, &evenement);
}

TEST(CadreDessin, FillsItsParentAndFitsFromItsFullSize)
{
    Hote hote;
    hote.cadre.Init(0, 0, 1, 3);
    EXPECT_EQ(hote.cadre.parentWidget(), hote.panneau);
    EXPECT_EQ(hote.cadre.ParentForm(), &hote.fenetre);
    EXPECT_TRUE(hote.cadre.isVisible());
    EXPECT_EQ(hote.cadre.size(), QSize(400, 323));
    EXPECT_EQ(hote.cadre.PBx->size(), QSize(400, 300));
    EXPECT_EQ(hote.cadre.PnBtn->height(), TFrmPbx::kHauteurBoutons);
    EXPECT_EQ(hote.cadre.BtTracePP->text(), QStringLiteral("Tracé==>PP"));
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().ech, 0.9 * 323 / 3.0);
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().CtrDessX, 0.5);
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().CtrDessY, 1.5);
    EXPECT_EQ(hote.cadre.Vue().CtrPBxX, 200);
    EXPECT_EQ(hote.cadre.Vue().CtrPBxY, 150);
}

TEST(CadreDessin, PaintsTheTextOverItsBackground)
{
    Hote hote;
    hote.cadre.Init(0, 0, 1, 1);
    hote.cadre.Trace(QString(), 16711680);
    const QImage vide = hote.image();
    EXPECT_EQ(pixelsDe(vide, QColor(0, 0, 255)), vide.width() * vide.height());

    hote.cadre.Trace(kDessin, 16777215);
    const QImage image = hote.image();
    // The unit square, 0.9 x 323 pixels a side, centred in the area.
    EXPECT_EQ(image.pixelColor(200 - 145, 150 + 145), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(200 + 145, 150 - 145), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(200 + 146, 150 - 145), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(200, 150), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(hote.cadre.Texte(), kDessin);
}

// On screen the frame paints as an image is painted (arrows met again put
// down as the pixels of the first, upright and level steps filled as
// rectangles): the very pixels of every segment stroked on its own, as a
// picture replays them.
TEST(CadreDessin, PaintsThePixelsOfEverySegmentStrokedAlone)
{
    Hote hote;
    hote.cadre.Init(-1, -1, 11, 8);
    QString texte;
    for (int i = 0; i < 30; ++i) {
        const double x = 0.3 * (i % 10);
        const double y = 2.5 * (i / 10);
        texte += QStringLiteral("COULEUR\t%1\r\nEPTRAIT\t%2\r\nFLECHE\t%3\t%4\t%5\t%6\r\n")
                     .arg(i % 2 ? 16711680 : 255)
                     .arg(1 + i % 3)
                     .arg(x)
                     .arg(y)
                     .arg(x + 1.7)
                     .arg(y + 0.6);
        texte += QStringLiteral("LIGNE\r\n%1\t%2\r\n%1\t%3\r\n%4\t%3\r\n%4\t%2\r\n")
                     .arg(x + 5)
                     .arg(y)
                     .arg(y + 0.05 * i)
                     .arg(x + 5.1);
    }
    hote.cadre.Trace(texte, 16777215);
    const QImage ecran = hote.image();

    QPicture segments;
    {
        QPainter painter(&segments);
        PeindreDessin(painter, texte, hote.cadre.Vue(), ecran.size(), hote.cadre.CouleurFond());
    }
    QImage unParUn(ecran.size(), QImage::Format_RGB32);
    unParUn.fill(Qt::magenta);
    {
        QPainter painter(&unParUn);
        painter.drawPicture(0, 0, segments);
    }
    EXPECT_EQ(ecran, unParUn);
    EXPECT_GT(pixelsDe(ecran, QColor(255, 0, 0)), 500);
    EXPECT_GT(pixelsDe(ecran, QColor(0, 0, 255)), 500);
}

TEST(CadreDessin, DragMovesTheDrawingWithTheMouse)
{
    Hote hote;
    hote.cadre.Init(0, 0, 1, 1);
    hote.cadre.Trace(kDessin, 16777215);
    const QImage avant = hote.image();
    QTest::mousePress(hote.cadre.PBx, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(hote.cadre.PBx, Qt::LeftButton, Qt::NoModifier, QPoint(130, 120));
    const QImage apres = hote.image();
    EXPECT_NE(avant, apres);
    EXPECT_TRUE(decale(avant, apres, 30, 20));

    // The right button pans the same way; a release without a press does not.
    QTest::mousePress(hote.cadre.PBx, Qt::RightButton, Qt::NoModifier, QPoint(130, 120));
    QTest::mouseRelease(hote.cadre.PBx, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(hote.image(), avant);
    QTest::mouseRelease(hote.cadre.PBx, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(hote.image(), avant);
}

TEST(CadreDessin, WheelZoomsAroundTheCursor)
{
    Hote hote;
    hote.cadre.Init(0, 0, 1, 1);
    hote.cadre.Trace(kDessin, 16777215);
    const double depart = hote.cadre.Vue().ech;
    const QImage avant = hote.image();
    // The bottom-left corner of the square stays under the cursor.
    const QPoint coin(200 - 145, 150 + 145);
    ASSERT_EQ(avant.pixelColor(coin), QColor(Qt::black));

    molette(hote.cadre.PBx, coin, 120);
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().ech, depart * 1.1);
    const QImage agrandi = hote.image();
    EXPECT_EQ(agrandi.pixelColor(coin), QColor(Qt::black));
    // The square grows by a tenth away from the cursor.
    const int cote = dernierNoir(avant, coin.y() - 100) - coin.x();
    EXPECT_EQ(cote, 290);
    EXPECT_NEAR(dernierNoir(agrandi, coin.y() - 100) - coin.x(), 1.1 * cote, 1.0);

    molette(hote.cadre.PBx, coin, -120);
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().ech, depart * 0.99);
    EXPECT_EQ(hote.image().pixelColor(coin), QColor(Qt::black));
    EXPECT_NE(hote.image(), avant);
}

TEST(CadreDessin, RefitsWhenItsParentIsResizedDiscardingPanAndZoom)
{
    Hote hote;
    hote.cadre.Init(0, 0, 1, 1);
    hote.cadre.Trace(kDessin, 16777215);
    molette(hote.cadre.PBx, QPoint(10, 10), 120);
    QTest::mousePress(hote.cadre.PBx, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(hote.cadre.PBx, Qt::LeftButton, Qt::NoModifier, QPoint(130, 120));

    hote.panneau->resize(600, 223);
    EXPECT_EQ(hote.cadre.size(), QSize(600, 223));
    EXPECT_EQ(hote.cadre.PBx->size(), QSize(600, 200));
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().ech, 0.9 * 223);
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().CtrDessX, 0.5);
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().CtrDessY, 0.5);
    EXPECT_EQ(hote.cadre.Vue().CtrPBxX, 300);
    EXPECT_EQ(hote.cadre.Vue().CtrPBxY, 100);

    // Moving into another panel refits there.
    QWidget autre(&hote.fenetre);
    autre.setGeometry(0, 0, 200, 123);
    hote.cadre.SetParents(&hote.fenetre, &autre);
    EXPECT_EQ(hote.cadre.size(), QSize(200, 123));
    EXPECT_DOUBLE_EQ(hote.cadre.Vue().ech, 0.9 * 123);
    hote.panneau->resize(300, 300); // the former panel no longer drives it
    EXPECT_EQ(hote.cadre.size(), QSize(200, 123));
    hote.cadre.setParent(nullptr);
}

TEST(CadreDessin, CopyPutsTheAreaPixelsOnTheClipboard)
{
    FakePlatformServices services;
    Hote hote;
    hote.cadre.Init(0, 0, 1, 1);
    hote.cadre.Trace(kDessin, 16777215);
    QTest::mouseClick(hote.cadre.BtTracePP, Qt::LeftButton);
    ASSERT_FALSE(services.clipboardImage.isNull());
    EXPECT_EQ(services.clipboardImage.size(), QSize(400, 300));
    EXPECT_EQ(services.clipboardImage.convertToFormat(QImage::Format_RGB32), hote.image());
    EXPECT_GT(pixelsDe(services.clipboardImage.convertToFormat(QImage::Format_RGB32), QColor(255, 0, 0)), 100);
}

} // namespace
