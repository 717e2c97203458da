#include "LockTestSupport.h"
#include "files/LockFileName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LockFileNameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("vrai")));
        QFile document(folder + QStringLiteral("/vrai/nc01.Tolvane"));
        ASSERT_TRUE(document.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/vrai/nc01.Tolvane"), folder + QStringLiteral("/vrai/lien.Tolvane")));
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/vrai"), folder + QStringLiteral("/raccourci")));
        ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("vrai/sous")));
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/vrai/sous"), folder + QStringLiteral("/profond")));
    }

    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
};

TEST_F(LockFileNameTest, TildeGoesAfterTheDotOfTheExtension)
{
    struct Case {
        const char* document;
        const char* lockFile;
    };
    const Case cases[] = {
        {"/vrai/nc01.tolvane", "/vrai/nc01.~tolvane"},
        {"/vrai/NC01.Tolvane", "/vrai/NC01.~Tolvane"}, // case is kept
        {"/vrai/essai", "/vrai/essai.~"},
        {"/vrai/a.b.c", "/vrai/a.b.~c"},
        {"/vrai/note.", "/vrai/note.~"},
        {"/dossier.d/essai", "/dossier.d/essai.~"}, // a dot in a folder is no extension
        {"/absent/sous/nc01.Tolvane", "/absent/sous/nc01.~Tolvane"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        EXPECT_EQ(NomFichierVerrou(folder + QString::fromUtf8(c.document)), folder + QString::fromUtf8(c.lockFile));
    }
}

TEST_F(LockFileNameTest, BlankPathHasNoLockFile)
{
    EXPECT_TRUE(NomFichierVerrou(QString()).isEmpty());
    EXPECT_TRUE(NomFichierVerrou(QStringLiteral(" \t ")).isEmpty());
}

TEST_F(LockFileNameTest, EverySpellingOfOneDocumentGivesOneLockFile)
{
    const CurrentFolder inFolder(folder);
    const QString expected = folder + QStringLiteral("/vrai/nc01.~Tolvane");
    const QString spellings[] = {
        folder + QStringLiteral("/vrai/nc01.Tolvane"),
        QStringLiteral("  ") + folder + QStringLiteral("/vrai/nc01.Tolvane\t"),
        folder + QStringLiteral("/vrai/lien.Tolvane"),      // link to the document
        folder + QStringLiteral("/raccourci/nc01.Tolvane"), // link to its folder
        folder + QStringLiteral("/raccourci/lien.Tolvane"),
        folder + QStringLiteral("/vrai/../vrai/./nc01.Tolvane"),
        QStringLiteral("vrai/nc01.Tolvane"), // relative to the current folder
        QStringLiteral("raccourci/../vrai/nc01.Tolvane"),
        QStringLiteral("profond/../nc01.Tolvane"), // ".." after a link leads to its target's parent
    };
    for (const QString& spelling : spellings) {
        SCOPED_TRACE(spelling.toStdString());
        EXPECT_EQ(NomFichierVerrou(spelling), expected);
    }
}

TEST_F(LockFileNameTest, DocumentNotWrittenYetIsReachedThroughItsFolder)
{
    // Saving under a new name locks a path that does not exist yet.
    const CurrentFolder inFolder(folder + QStringLiteral("/raccourci"));
    const QString expected = folder + QStringLiteral("/vrai/nouveau.~Tolvane");
    EXPECT_EQ(NomFichierVerrou(folder + QStringLiteral("/raccourci/nouveau.Tolvane")), expected);
    EXPECT_EQ(NomFichierVerrou(QStringLiteral("nouveau.Tolvane")), expected);
    EXPECT_EQ(NomFichierVerrou(folder + QStringLiteral("/profond/../nouveau.Tolvane")), expected);
}

TEST_F(LockFileNameTest, SpellingsThatDifferInCaseAreTwoDocuments)
{
    EXPECT_NE(NomFichierVerrou(folder + QStringLiteral("/vrai/nc01.Tolvane")),
              NomFichierVerrou(folder + QStringLiteral("/vrai/NC01.TOLVANE")));
}

} // namespace
