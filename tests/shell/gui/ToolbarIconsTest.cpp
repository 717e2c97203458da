#include "shell/gui/ToolbarIcons.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

#include <memory>

namespace {

QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// The icon painted through QIcon::paint on a picture of that scale.
QImage Peinte(const QIcon& icone, const QRect& cadre, qreal echelle, QIcon::Mode mode, QIcon::State etat)
{
    QImage image(QSize(140, 140) * echelle, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::white);
    QPainter p(&image);
    icone.paint(&p, cadre, Qt::AlignCenter, mode, etat);
    p.end();
    return image;
}

// The file commands of the tool bar, and the extension arrows of the menu
// bar and the tool bars (pictures that are not square).
const QStyle::StandardPixmap kIcones[] = {QStyle::SP_FileIcon,
                                          QStyle::SP_DialogOpenButton,
                                          QStyle::SP_DialogSaveButton,
                                          QStyle::SP_DialogCloseButton,
                                          QStyle::SP_ToolBarHorizontalExtensionButton,
                                          QStyle::SP_ToolBarVerticalExtensionButton};

} // namespace

// The toolbar's icons decode their pictures one by one, yet every answer is
// the one of the style's icon: sizes, pixmaps at every size, scale, mode and
// state, and what QIcon::paint draws.
TEST(IconesBarreOutils, SameAnswersAsTheStylesIconsAtEverySizeScaleAndMode)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(fusion, nullptr);
    for (QStyle::StandardPixmap sp : kIcones) {
        SCOPED_TRACE(testing::Message() << "icône standard " << int(sp));
        const QIcon reference = fusion->standardIcon(sp);
        const QIcon icone = IconeStandard(*fusion, sp);
        ASSERT_FALSE(icone.isNull());
        for (QIcon::State etat : {QIcon::Off, QIcon::On}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                SCOPED_TRACE(testing::Message() << "mode " << mode << ", état " << etat);
                EXPECT_EQ(icone.availableSizes(mode, etat), reference.availableSizes(mode, etat));
                for (int cote : {5, 8, 10, 16, 17, 20, 24, 31, 32, 33, 48, 100, 128, 129, 200}) {
                    SCOPED_TRACE(testing::Message() << cote << " px");
                    const QSize taille(cote, cote);
                    EXPECT_EQ(icone.actualSize(taille, mode, etat), reference.actualSize(taille, mode, etat));
                    for (qreal echelle : {1.0, 1.25, 2.0}) {
                        const QPixmap obtenue = icone.pixmap(taille, echelle, mode, etat);
                        const QPixmap attendue = reference.pixmap(taille, echelle, mode, etat);
                        EXPECT_EQ(obtenue.devicePixelRatio(), attendue.devicePixelRatio()) << "échelle " << echelle;
                        EXPECT_EQ(Image(obtenue), Image(attendue)) << "échelle " << echelle;
                    }
                }
                for (const QRect& cadre : {QRect(2, 3, 20, 20), QRect(0, 0, 16, 16), QRect(5, 5, 130, 40)})
                    for (qreal echelle : {1.0, 2.0})
                        EXPECT_EQ(Peinte(icone, cadre, echelle, mode, etat), Peinte(reference, cadre, echelle, mode, etat))
                            << "peinte dans " << cadre.width() << "×" << cadre.height() << " à l'échelle " << echelle;
            }
        }
    }
}

// A rectangular request and pictures asked in any order, from the largest
// down: each answer is the one of the style's icon.
TEST(IconesBarreOutils, AnswersDoNotDependOnTheOrderOfTheRequests)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(fusion, nullptr);
    const QIcon reference = fusion->standardIcon(QStyle::SP_DialogSaveButton);
    const QIcon icone = IconeStandard(*fusion, QStyle::SP_DialogSaveButton);
    for (const QSize& taille : {QSize(300, 300), QSize(64, 10), QSize(10, 64), QSize(16, 16), QSize(40, 30),
                                QSize(128, 128), QSize(1, 1)}) {
        SCOPED_TRACE(testing::Message() << taille.width() << "×" << taille.height());
        EXPECT_EQ(icone.actualSize(taille), reference.actualSize(taille));
        EXPECT_EQ(Image(icone.pixmap(taille, 1.0)), Image(reference.pixmap(taille, 1.0)));
    }
}

// Right to left, the arrows come from other pictures: the style's icon is
// given, whether the direction is the option's or the application's.
TEST(IconesBarreOutils, RightToLeftGivesTheStylesOwnArrows)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(fusion, nullptr);
    const auto memeIcone = [](const QIcon& obtenue, const QIcon& attendue) {
        EXPECT_EQ(obtenue.availableSizes(), attendue.availableSizes());
        for (int cote : {8, 16, 20, 32})
            EXPECT_EQ(Image(obtenue.pixmap(QSize(cote, cote))), Image(attendue.pixmap(QSize(cote, cote)))) << cote << " px";
    };
    for (QStyle::StandardPixmap sp :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        SCOPED_TRACE(testing::Message() << "icône standard " << int(sp));
        QStyleOption droiteAGauche;
        droiteAGauche.direction = Qt::RightToLeft;
        memeIcone(IconeStandard(*fusion, sp, &droiteAGauche), fusion->standardIcon(sp, &droiteAGauche));
        QStyleOption gaucheADroite;
        gaucheADroite.direction = Qt::LeftToRight;
        memeIcone(IconeStandard(*fusion, sp, &gaucheADroite), fusion->standardIcon(sp, &gaucheADroite));

        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const QIcon obtenue = IconeStandard(*fusion, sp);
        const QIcon attendue = fusion->standardIcon(sp);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        memeIcone(obtenue, attendue);
    }
    // The horizontal arrow does point the other way right to left: the
    // comparison above tells the two directions apart.
    QStyleOption droiteAGauche;
    droiteAGauche.direction = Qt::RightToLeft;
    EXPECT_NE(Image(IconeStandard(*fusion, QStyle::SP_ToolBarHorizontalExtensionButton, &droiteAGauche).pixmap(16, 10)),
              Image(IconeStandard(*fusion, QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 10)));
}
