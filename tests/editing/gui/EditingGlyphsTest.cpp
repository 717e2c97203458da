#include "editing/gui/EditingGlyphs.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

QImage Peinte(const QIcon& icone, const QRect& cadre, QIcon::Mode mode)
{
    QImage image(QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    icone.paint(&p, cadre, Qt::AlignCenter, mode);
    return image;
}

} // namespace

// The glyphs drawn when their button first shows them are the pictures
// drawn at once, in every mode, at the buttons' size and others.
TEST(GlyphesEdition, DrawnOnDemandGiveTheSamePictures)
{
    const QStringList noms{QStringLiteral("UR_UNDO"),    QStringLiteral("UR_REDO"),     QStringLiteral("UR_LISTE"),
                           QStringLiteral("nav_FIRST"),  QStringLiteral("nav_PRIOR"),   QStringLiteral("nav_NEXT"),
                           QStringLiteral("nav_LAST"),   QStringLiteral("nav_INSERT"),  QStringLiteral("nav_ADD"),
                           QStringLiteral("nav_DELETE"), QStringLiteral("nav_EDIT"),    QStringLiteral("nav_POST"),
                           QStringLiteral("nav_CANCEL"), QStringLiteral("nav_REFRESH")};
    for (const QString& nom : noms) {
        const QIcon reference = GlypheEditionDessinee(nom);
        const QIcon glyphe = GlypheEdition(nom);
        SCOPED_TRACE(nom.toStdString());
        ASSERT_FALSE(reference.isNull());
        EXPECT_FALSE(glyphe.isNull());
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            EXPECT_EQ(glyphe.availableSizes(mode), reference.availableSizes(mode));
            for (int cote : {12, 16, 20, 32}) {
                SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << cote << " px");
                const QSize taille(cote, cote);
                EXPECT_EQ(glyphe.actualSize(taille, mode), reference.actualSize(taille, mode));
                EXPECT_EQ(Image(glyphe.pixmap(taille, mode)), Image(reference.pixmap(taille, mode)));
                EXPECT_EQ(Image(glyphe.pixmap(taille, 2.0, mode)), Image(reference.pixmap(taille, 2.0, mode)));
            }
            for (const QRect& cadre : {QRect(0, 0, 16, 16), QRect(4, 3, 20, 18)})
                EXPECT_EQ(Peinte(glyphe, cadre, mode), Peinte(reference, cadre, mode));
        }
    }
}

TEST(GlyphesEdition, UnknownNameGivesAnEmptyIcon)
{
    EXPECT_TRUE(GlypheEdition(QStringLiteral("nav_INCONNU")).isNull());
    EXPECT_TRUE(GlypheEditionDessinee(QStringLiteral("nav_INCONNU")).isNull());
}
