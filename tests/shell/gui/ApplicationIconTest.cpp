#include "shell/gui/ApplicationIcon.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// The icon as it was made before it was drawn on demand: one picture for
// each size, drawn at once.
QIcon IconeDeReference()
{
    QIcon icone;
    for (int cote : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap image(cote, cote);
        image.fill(Qt::transparent);
        QPainter p(&image);
        DessinerIconeApplication(p, cote);
        p.end();
        icone.addPixmap(image);
    }
    return icone;
}

QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// The same icon painted on a white picture through QIcon::paint.
QImage Peinte(const QIcon& icone, const QSize& taille, const QRect& cadre, QIcon::Mode mode)
{
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    icone.paint(&p, cadre, Qt::AlignCenter, mode);
    return image;
}

} // namespace

// The window managers and the task bar get exactly the pictures they got
// when the icon was drawn at start-up, at every size and state they ask for.
TEST(IconeApplication, DrawnOnDemandGivesTheSamePictures)
{
    const QIcon reference = IconeDeReference();
    const QIcon icone = IconeApplication();
    EXPECT_FALSE(icone.isNull());
    EXPECT_EQ(icone.availableSizes(), reference.availableSizes());
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        for (int cote : {8, 16, 20, 24, 30, 32, 48, 50, 64, 100, 128, 256, 300}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << cote << " px");
            const QSize taille(cote, cote);
            EXPECT_EQ(icone.actualSize(taille, mode), reference.actualSize(taille, mode));
            EXPECT_EQ(Image(icone.pixmap(taille, mode)), Image(reference.pixmap(taille, mode)));
            for (qreal echelle : {1.0, 1.5, 2.0}) {
                const QPixmap obtenue = icone.pixmap(taille, echelle, mode);
                const QPixmap attendue = reference.pixmap(taille, echelle, mode);
                EXPECT_EQ(obtenue.devicePixelRatio(), attendue.devicePixelRatio()) << "scale " << echelle;
                EXPECT_EQ(Image(obtenue), Image(attendue)) << "scale " << echelle;
            }
        }
        for (const QRect& cadre : {QRect(0, 0, 16, 16), QRect(3, 5, 20, 20), QRect(0, 0, 40, 25), QRect(2, 2, 64, 64)}) {
            SCOPED_TRACE(testing::Message() << "painted in " << cadre.width() << "x" << cadre.height());
            EXPECT_EQ(Peinte(icone, {80, 80}, cadre, mode), Peinte(reference, {80, 80}, cadre, mode));
        }
    }
    // A copy is the same icon; the copy's pictures are those of the original.
    QIcon copie = icone;
    EXPECT_EQ(Image(copie.pixmap(QSize(32, 32))), Image(reference.pixmap(QSize(32, 32))));
}
