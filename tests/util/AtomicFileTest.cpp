#include "support/FileBytes.h"
#include "support/FullDisk.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray contentOf(const QString& path) { return OctetsFichier(path); }

void put(const QString& path, const QByteArray& bytes) { ASSERT_TRUE(EcrireOctetsFichier(path, bytes)); }

// Nothing but the named files in the folder: no temporary file left behind.
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Injects failures into the writer's system writes for the life of the object.
class WriteFault {
public:
    // The first `allowed` bytes go through, then every write fails with errnum.
    WriteFault(qsizetype allowed, int errnum)
    {
        setFileWriteCall([allowed, errnum, written = qsizetype(0)](int fd, const char* data, std::size_t size) mutable
                         -> ssize_t {
            if (written >= allowed) {
                errno = errnum;
                return -1;
            }
            const std::size_t part = std::min<std::size_t>(size, std::size_t(allowed - written));
            const ssize_t result = ::write(fd, data, part);
            if (result > 0)
                written += result;
            return result;
        });
    }
    WriteFault(const WriteFault&) = delete;
    WriteFault& operator=(const WriteFault&) = delete;
    ~WriteFault() { resetFileWriteCall(); }
};

// Runs body as the unprivileged user "nobody" in a child process (permissions
// do not stop the superuser who runs the tests in CI); its exit status.
int runAsNobody(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

} // namespace

TEST(AtomicFile, WritesReplacesAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.Tolvane"));
    EXPECT_FALSE(writeFileAtomically(path, "premier"));
    EXPECT_EQ(contentOf(path), "premier");
    ::chmod(QFile::encodeName(path).constData(), 0640);
    EXPECT_FALSE(writeFileAtomically(path, QByteArray(100000, 'b')));
    EXPECT_EQ(contentOf(path), QByteArray(100000, 'b'));
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
    EXPECT_FALSE(writeFileAtomically(path, ""));
    EXPECT_EQ(contentOf(path), "");
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("doc.Tolvane")});
}

TEST(AtomicFile, FollowsALinkAndRefusesWhatIsNotARegularFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("vrai.Tolvane"));
    const QString link = dir.filePath(QStringLiteral("lien.Tolvane"));
    put(target, "ancien");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(writeFileAtomically(link, "nouveau"));
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link stays a link";
    EXPECT_EQ(contentOf(target), "nouveau");

    const struct {
        QString path;
        QString reason;
    } refused[] = {
        {QStringLiteral("/dev/null"), QStringLiteral("ce n'est pas un fichier ordinaire")},
        {dir.path(), QStringLiteral("c'est un dossier")},
        {dir.filePath(QStringLiteral("absent/doc.Tolvane")), QStringLiteral("dossier ou fichier introuvable")},
        {QString(), QStringLiteral("nom de fichier vide")},
    };
    for (const auto& c : refused)
        EXPECT_EQ(writeFileAtomically(c.path, "x").value_or(QString()), c.reason) << c.path.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << "the device is still a device";
}

TEST(AtomicFile, AFailedWriteLeavesThePreviousFileAndGivesTheReasonInFrench)
{
    const struct {
        qsizetype allowed;
        int errnum;
        const char* reason;
    } cases[] = {
        {0, ENOSPC, "disque plein"},
        {5000, ENOSPC, "disque plein"},
        {20000, EIO, "erreur d'entrée-sortie du support"},
        {10, EDQUOT, "quota d'espace disque dépassé"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.Tolvane"));
        put(path, "version précédente");
        {
            WriteFault fault(c.allowed, c.errnum);
            EXPECT_EQ(writeFileAtomically(path, QByteArray(40000, 'n')).value_or(QString()), QString::fromUtf8(c.reason));
            EXPECT_THROW(writeFileAtomicallyOrThrow(path, QByteArray(40000, 'n')), EInOutError);
        }
        EXPECT_EQ(contentOf(path), QByteArray("version précédente")) << c.allowed;
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("doc.Tolvane")}) << c.allowed;
    }
}

TEST(AtomicFile, ARealFullDiskLeavesThePreviousFileWhateverTheSize)
{
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here; the injected failures cover the writer";
    const QString path = disk.filePath(QStringLiteral("doc.Tolvane"));
    put(path, "version précédente");
    disk.fill();
    // A typical document (2 KB) is the case the disk cache used to hide.
    for (const qsizetype size : {qsizetype(2000), qsizetype(15000), qsizetype(17000), qsizetype(300000)}) {
        EXPECT_EQ(writeFileAtomically(path, QByteArray(size, 'n')).value_or(QString()), QStringLiteral("disque plein"))
            << size;
        EXPECT_EQ(contentOf(path), QByteArray("version précédente")) << size;
    }
    EXPECT_EQ(entries(disk.filePath(QString())),
              (QStringList{QStringLiteral(".remplissage"), QStringLiteral("doc.Tolvane")}));
    disk.empty();
    EXPECT_FALSE(writeFileAtomically(path, QByteArray(2000, 'n')));
    EXPECT_EQ(contentOf(path).size(), 2000);
}

TEST(AtomicFile, AReadOnlyFolderRefusesAndAWritableFileInItIsRewrittenOnlyWhenAllowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "the test becomes the user nobody, which needs the superuser";
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString locked = dir.filePath(QStringLiteral("verrouille.txt"));
    const QString shared = dir.filePath(QStringLiteral("partage.txt"));
    put(locked, "ancien");
    put(shared, "ancien");
    ::chmod(QFile::encodeName(locked).constData(), 0644);
    ::chmod(QFile::encodeName(shared).constData(), 0666);

    // Exit codes: 0 as expected, otherwise the step that went wrong.
    const int status = runAsNobody([&]() -> int {
        if (writeFileAtomically(locked, "nouveau").value_or(QString()) != QStringLiteral("accès refusé"))
            return 1;
        if (writeFileAtomically(shared, "nouveau").value_or(QString()) != QStringLiteral("accès refusé"))
            return 2; // no temporary file can be made and no fallback was asked for
        FileWriteOptions fallback;
        fallback.directWriteFallback = true;
        if (writeFileAtomically(shared, "nouveau", fallback))
            return 3;
        EcrireFichierTexte(QStringLiteral("défaut"), shared);
        return 0;
    });
    ASSERT_NE(status, 99) << "cannot become an unprivileged user here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contentOf(locked), "ancien");
    EXPECT_EQ(contentOf(shared), "d\xE9" "faut");
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("partage.txt"), QStringLiteral("verrouille.txt")}));
}
