#include "util/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <gtest/gtest.h>

// The build installs DejaVu (proportional and mono); the desktop's fonts may
// add others. The measure must tell them apart whatever the files declare.
TEST(PoliceChasseFixe, TheMeasureTellsProportionalFromFixedFonts)
{
    ASSERT_TRUE(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    EXPECT_FALSE(MesureChasseFixe(QFont(QStringLiteral("DejaVu Sans"), 10)));
    EXPECT_FALSE(MesureChasseFixe(QFont(QStringLiteral("DejaVu Serif"), 10)));
    EXPECT_TRUE(MesureChasseFixe(QFont(QStringLiteral("DejaVu Sans Mono"), 10)));
}

TEST(PoliceChasseFixe, TheChosenFontHasOneWidthForEveryCharacterAtTheAskedSize)
{
    const QFont police = PoliceChasseFixe(10);
    EXPECT_EQ(police.pointSize(), 10);
    EXPECT_TRUE(MesureChasseFixe(police)) << police.family().toStdString();
    // Beyond the sample the measure uses: a whole line of names and values.
    const QFontMetricsF mesure(police);
    const QString ligne = QStringLiteral("Établi par\tJean Dupont 12/03/2026 #@%&()[]{}");
    const qreal largeur = mesure.horizontalAdvance(u'x');
    for (const QChar c : ligne) {
        if (c != u'\t') {
            EXPECT_NEAR(mesure.horizontalAdvance(c), largeur, 0.01 * largeur) << QString(c).toStdString();
        }
    }
}
