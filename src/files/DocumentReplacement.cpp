#include "files/DocumentReplacement.h"

#include "util/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void syncFolderOf(const QByteArray& path)
{
    const QByteArray folder = path.left(path.lastIndexOf('/') + 1);
    const int fd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A copy of the file at source, written safely to target (for file systems
// that have no hard links).
bool copyFile(const QString& source, const QString& target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return !writeFileAtomically(target, bytes).has_value();
}

} // namespace

DocumentReplacement::DocumentReplacement(QString documentPath) : FDocument(std::move(documentPath)) {}

DocumentReplacement::~DocumentReplacement()
{
    if (!FEnPlace && !FTemporaire.isEmpty())
        QFile::remove(FTemporaire);
}

std::optional<QString> DocumentReplacement::Preparer()
{
    static std::atomic<unsigned> counter{0};
    const QFileInfo info(FDocument);
    const QString folder = info.absolutePath() + u'/';
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        const QString candidate = folder + u'.' + info.fileName() + QStringLiteral(".enr%1-%2")
                                                                          .arg(::getpid())
                                                                          .arg(counter.fetch_add(1));
        const int fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            FTemporaire = candidate;
            return std::nullopt;
        }
        error = errno;
    }
    return systemErrorText(error);
}

bool DocumentReplacement::FaireBak(const QString& backupPath)
{
    const QByteArray document = QFile::encodeName(FDocument);
    struct stat existing {};
    if (::stat(document.constData(), &existing) != 0)
        return true;
    // A second name for the current file, then one rename over the previous
    // backup: at no moment is there no backup, and the document is untouched.
    const QByteArray backup = QFile::encodeName(backupPath);
    const QByteArray link = backup + ".enr" + QByteArray::number(::getpid());
    ::unlink(link.constData());
    if (::link(document.constData(), link.constData()) == 0) {
        if (::rename(link.constData(), backup.constData()) == 0)
            return true;
        ::unlink(link.constData());
        return false;
    }
    return copyFile(FDocument, backupPath);
}

std::optional<QString> DocumentReplacement::MettreEnPlace()
{
    const QByteArray temporary = QFile::encodeName(FTemporaire);
    const QByteArray document = QFile::encodeName(FDocument);
    struct stat existing {};
    if (::stat(document.constData(), &existing) == 0) {
        ::chmod(temporary.constData(), existing.st_mode & 07777);
        if (::chown(temporary.constData(), existing.st_uid, existing.st_gid) != 0) {
            // Only the superuser may give the file away; the user's own file stays his.
        }
    }
    if (::rename(temporary.constData(), document.constData()) != 0)
        return systemErrorText(errno);
    FEnPlace = true;
    syncFolderOf(document);
    return std::nullopt;
}
