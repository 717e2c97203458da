#include "files/LockOwner.h"

#include <gtest/gtest.h>

namespace {

TEST(LockOwnerTest, RecordHoldsTheNameInCapitalsThenZeros)
{
    struct Case {
        QString name;
        QByteArray expected; // length byte then characters, in the ANSI code page
    };
    const Case cases[] = {
        {QStringLiteral("dupont"), QByteArray("\x06" "DUPONT")},
        {QStringLiteral("Élodie Hervé"), QByteArray("\x0C" "\xC9LODIE HERV\xC9")},
        {QString(70, QLatin1Char('a')), QByteArray(1, '\x40') + QByteArray(64, 'A')},
        {QString(), QByteArray(1, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QByteArray record = lockRecord(c.name);
        ASSERT_EQ(record.size(), kLockRecordSize);
        EXPECT_EQ(record.left(c.expected.size()), c.expected);
        EXPECT_EQ(record.mid(c.expected.size()), QByteArray(kLockRecordSize - c.expected.size(), '\0'));
    }
}

TEST(LockOwnerTest, TheSystemNamesTheUserAndTheComputer)
{
    for (const int mode : {kVerrouNomPC, kVerrouNomUtil}) {
        SCOPED_TRACE(mode);
        const OwnerName owner = systemOwnerName(mode);
        EXPECT_TRUE(owner.error.isEmpty()) << owner.error.toStdString();
        EXPECT_FALSE(owner.name.isEmpty());
    }
}

} // namespace
