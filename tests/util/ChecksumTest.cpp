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
