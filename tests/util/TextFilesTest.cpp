#include "util/Errors.h"
#include "util/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

QString writeBytes(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(LireFichierTexte, DetectsTheEncoding)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"utf8.txt", QByteArray("caf\xC3\xA9"), QStringLiteral("café")},
        {"utf8bom.txt", QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9"), QStringLiteral("café")},
        {"ansi.txt", QByteArray("\xE9"), QStringLiteral("é")},
        {"ansi-euro.txt", QByteArray("\x80 \x9C"), QStringLiteral("€ œ")},
        {"utf16le.txt", QByteArray("\xFF\xFE" "a\0\xE9\0", 6), QStringLiteral("aé")},
        {"utf16be.txt", QByteArray("\xFE\xFF" "\0a\0\xE9", 6), QStringLiteral("aé")},
        {"ascii.txt", QByteArray("a\r\nb"), QStringLiteral("a\r\nb")},
        {"empty.txt", QByteArray(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LireFichierTexte(writeBytes(dir, c.name, c.bytes)), c.text) << c.name;
    EXPECT_EQ(LireFichierTexte(dir.filePath(QStringLiteral("absent.txt"))), QString());
}

TEST(LireFichierTexte, RetriesWithGrowingWaitsForAboutTenSecondsThenFails)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("un-dossier"));
    QDir().mkpath(folder); // exists but cannot be read as a file
    std::vector<int> waits;
    setFileRetryWait([&](int ms) { waits.push_back(ms); });
    EXPECT_THROW(LireFichierTexte(folder), EInOutError);
    setFileRetryWait([](int) {});
    // An unreadable default calculation file once froze the window for about
    // 41 minutes (99 waits growing by 500 ms).
    EXPECT_EQ(waits, (std::vector<int>{500, 1000, 1500, 2000, 2500, 2500}));
    EXPECT_EQ(std::accumulate(waits.begin(), waits.end(), 0), kFileReadRetryBudgetMs);
}

TEST(EcrireFichierTexte, WritesAnsiWithoutMarkAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sortie.txt"));
    EcrireFichierTexte(QStringLiteral("déjà\r\n"), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("d\xE9j\xE0\r\n"));
    EXPECT_EQ(LireFichierTexte(path), QStringLiteral("déjà\r\n"));
    EXPECT_THROW(EcrireFichierTexte(QStringLiteral("x"), dir.filePath(QStringLiteral("absent/x.txt"))), EInOutError);
}
