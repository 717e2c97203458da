#include "DocFichTestSupport.h"
#include "support/FullDisk.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"

#include <cerrno>
#include <unistd.h>

namespace {

// Every write of the file writer stops halfway: the first write gives half its
// bytes, the next ones find the disk full.
class WriteFailsHalfway {
public:
    WriteFailsHalfway()
    {
        setFileWriteCall([this](int fd, const char* data, std::size_t size) -> ssize_t {
            if (writes++ == 0)
                return ::write(fd, data, size / 2);
            errno = ENOSPC;
            return -1;
        });
    }
    ~WriteFailsHalfway() { resetFileWriteCall(); }
    WriteFailsHalfway(const WriteFailsHalfway&) = delete;
    WriteFailsHalfway& operator=(const WriteFailsHalfway&) = delete;

    int writes = 0;
};

// An opened document saved once, so that it has a backup: v1 in the backup,
// v2 in the document, v3 being edited.
class SavedTwiceTest : public DocFichTest {
protected:
    void openWithBackup(const QString& name, const QString& padding = {})
    {
        doc = path(name);
        WriteDocument(doc, QStringLiteral("v1") + padding);
        ASSERT_TRUE(DF.Ouvrir(doc));
        app.Edit(QStringLiteral("v2") + padding);
        ASSERT_TRUE(DF.Enregistrer());
        app.Edit(QStringLiteral("v3") + padding);
        filesBefore = files();
    }
    void expectNothingLost(const QString& padding = {})
    {
        EXPECT_EQ(MemoOf(doc), QStringLiteral("v2") + padding);
        EXPECT_EQ(MemoOf(doc + QStringLiteral(".bak")), QStringLiteral("v1") + padding);
        EXPECT_EQ(files(), filesBefore) << "no temporary file is left behind";
        EXPECT_TRUE(DF.Modified()) << "the changes are still to be saved";
        EXPECT_EQ(app.doc->MemoFich, QStringLiteral("v3") + padding);
    }

    QString doc;
    QStringList filesBefore;
};

TEST_F(SavedTwiceTest, WriteFailingHalfwayLeavesTheDocumentAndItsBackupAndSaysWhy)
{
    openWithBackup(QStringLiteral("calcul.tolvane"));
    {
        WriteFailsHalfway failure;
        try {
            DF.Enregistrer();
            ADD_FAILURE() << "the failed save was reported as done";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : disque plein").arg(doc));
        }
        EXPECT_GE(failure.writes, 2);
    }
    expectNothingLost();
    EXPECT_GT(app.refreshes, 0);

    // Once the disk has room again, the same save goes through.
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(MemoOf(doc), QStringLiteral("v3"));
    EXPECT_EQ(MemoOf(doc + QStringLiteral(".bak")), QStringLiteral("v2"));
}

TEST_F(SavedTwiceTest, FullFileSystemLosesNothingWhateverTheDocumentSize)
{
    // Under and over 16 KB: the small document fits in one write, the large
    // one needs many.
    for (const int size : {200, 64 * 1024}) {
        FullDisk disk(512);
        if (!disk.mounted())
            GTEST_SKIP() << "a full file system needs the superuser to mount it";
        DF.Fermer(false);
        const QString padding(size, u'x');
        doc = disk.filePath(QStringLiteral("plein.tolvane"));
        WriteDocument(doc, QStringLiteral("v1") + padding);
        ASSERT_TRUE(DF.Ouvrir(doc));
        app.Edit(QStringLiteral("v2") + padding);
        ASSERT_TRUE(DF.Enregistrer());
        app.Edit(QStringLiteral("v3") + padding);
        const QStringList before = QDir(QFileInfo(doc).path()).entryList(QDir::Files | QDir::Hidden);

        disk.fill();
        EXPECT_THROW(DF.Enregistrer(), EInOutError) << size;
        disk.empty();
        EXPECT_EQ(MemoOf(doc), QStringLiteral("v2") + padding) << size;
        EXPECT_EQ(MemoOf(doc + QStringLiteral(".bak")), QStringLiteral("v1") + padding) << size;
        EXPECT_EQ(QDir(QFileInfo(doc).path()).entryList(QDir::Files | QDir::Hidden), before) << size;
        EXPECT_TRUE(DF.Modified());
        ASSERT_TRUE(DF.Enregistrer());
        EXPECT_EQ(MemoOf(doc), QStringLiteral("v3") + padding) << size;
        DF.Fermer(false);
    }
}

TEST_F(SavedTwiceTest, FolderThatRefusesNewFilesKeepsTheDocumentAndSaysWhy)
{
    openWithBackup(QStringLiteral("calcul.tolvane"));
    // The temporary file is the first file the save makes in the folder.
    app.beforeWrite = [](int mode) {
        if (mode == TDocFich::kEcrireChemin)
            throw EInOutError(QStringLiteral("Impossible d'enregistrer le fichier : accès refusé"));
    };
    EXPECT_THROW(DF.Enregistrer(), EInOutError);
    expectNothingLost();
}

TEST_F(DocFichTest, DocumentDeletedOrReplacedWhileOpenIsWrittenAgainAndTheOtherContentKept)
{
    const QString doc = path(QStringLiteral("ouvert.tolvane"));
    WriteDocument(doc, QStringLiteral("ouvert"));
    ASSERT_TRUE(DF.Ouvrir(doc));

    ASSERT_TRUE(QFile::remove(doc));
    app.Edit(QStringLiteral("le mien"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(MemoOf(doc), QStringLiteral("le mien"));
    EXPECT_FALSE(QFileInfo::exists(doc + QStringLiteral(".bak")));

    // Another program put its own file there: it becomes the backup.
    ASSERT_TRUE(QFile::remove(doc));
    WriteDocument(doc, QStringLiteral("de quelqu'un d'autre"));
    app.Edit(QStringLiteral("le mien encore"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(MemoOf(doc), QStringLiteral("le mien encore"));
    EXPECT_EQ(MemoOf(doc + QStringLiteral(".bak")), QStringLiteral("de quelqu'un d'autre"));
}

TEST_F(DocFichTest, SavedFileKeepsThePermissionsOfTheOneItReplaces)
{
    const QString doc = path(QStringLiteral("droits.tolvane"));
    WriteDocument(doc, QStringLiteral("v1"));
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                             | QFileDevice::WriteGroup;
    ASSERT_TRUE(QFile::setPermissions(doc, permissions));
    ASSERT_TRUE(DF.Ouvrir(doc));
    app.Edit(QStringLiteral("v2"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(QFileInfo(doc).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
              permissions);
}

} // namespace

namespace {

TEST_F(DocFichTest, BackupThatCannotBeMadeIsReportedAndTheSaveGoesOn)
{
    const QString doc = path(QStringLiteral("sans-bak.tolvane"));
    WriteDocument(doc, QStringLiteral("v1"));
    // Something that no file can replace sits at the backup's name.
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sans-bak.tolvane.bak")));
    ASSERT_TRUE(DF.Ouvrir(doc));
    app.Edit(QStringLiteral("v2"));
    ASSERT_TRUE(DF.Enregistrer());
    EXPECT_EQ(platform.messages, std::vector<QString>{QStringLiteral("erreur à la création du bak de ") + doc});
    EXPECT_EQ(MemoOf(doc), QStringLiteral("v2"));
    EXPECT_FALSE(DF.Modified());
}

TEST_F(DocFichTest, RenamingSavesUnderTheNewNameThenDeletesTheOldFile)
{
    const QString ancien = path(QStringLiteral("ancien.tolvane"));
    WriteDocument(ancien, QStringLiteral("contenu"));
    ASSERT_TRUE(DF.Ouvrir(ancien));
    platform.fileNames.push_back(path(QStringLiteral("Nouveau Nom")));
    ASSERT_TRUE(DF.Renommer());
    const QString nouveau = path(QStringLiteral("nouveau nom.tolvane"));
    EXPECT_EQ(DF.PathFichier(), nouveau);
    EXPECT_EQ(MemoOf(nouveau), QStringLiteral("contenu"));
    EXPECT_FALSE(QFileInfo::exists(ancien));
    EXPECT_FALSE(hasLockFile(ancien));
    EXPECT_TRUE(hasLockFile(nouveau));

    // Renamed onto itself, nothing is deleted.
    platform.fileNames.push_back(nouveau);
    platform.answers.push_back(PlatformServices::Answer::Yes);
    EXPECT_FALSE(DF.Renommer()) << "its own lock cannot be taken twice";
    EXPECT_TRUE(QFileInfo::exists(nouveau));
}

} // namespace
