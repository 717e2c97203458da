#include "util/Checksum.h"

#include <gtest/gtest.h>

TEST(Checksum, MatchesTheReferenceValues)
{
    EXPECT_EQ(Checksum::ofText(QStringLiteral("abc")), 0x1B957D29u);
    EXPECT_EQ(Checksum::ofText(QString()), 0xFFFFFFFFu);
    EXPECT_EQ(Checksum::ofBuffer(nullptr, 0), 0xDEBB20E3u);
    const char bytes[] = {'a', 0, 'b', 0, 'c', 0};
    EXPECT_EQ(Checksum::ofBuffer(bytes, sizeof bytes), 0x1B957D29u);
}

TEST(Checksum, TellsTextsApart)
{
    EXPECT_NE(Checksum::ofText(QStringLiteral("ab")), Checksum::ofText(QStringLiteral("ba")));
    EXPECT_NE(Checksum::ofText(QStringLiteral("même début, fin A")), Checksum::ofText(QStringLiteral("même début, fin B")));
    EXPECT_NE(Checksum::ofText(QStringLiteral("é")), Checksum::ofText(QStringLiteral("e")));
}

TEST(Checksum, InPiecesEqualsTheWholeText)
{
    const QString texte = QStringLiteral("1\r\nPile nord été\r\n2\r\n0\t0.6\t");
    for (qsizetype coupe = 0; coupe <= texte.size(); ++coupe) {
        Checksum::Cumul cumul;
        cumul.ajouter(QStringView(texte).left(coupe));
        cumul.ajouter(QStringView(texte).mid(coupe));
        EXPECT_EQ(cumul.valeur(), Checksum::ofText(texte)) << coupe;
    }
    Checksum::Cumul vide;
    vide.ajouter(QStringView());
    EXPECT_EQ(vide.valeur(), Checksum::ofText(QString()));
}
