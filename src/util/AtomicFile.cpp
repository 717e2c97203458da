#include "util/AtomicFile.h"

#include "util/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ssize_t systemWrite(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

FileWriteCall& writeCall()
{
    static FileWriteCall call = systemWrite;
    return call;
}

// Closes the descriptor it holds, if still open, whatever path leaves the scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now: the last chance for the system to report a delayed write error.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// 0 when every byte went out, otherwise the errno of the failing write.
int writeAll(int fd, QByteArrayView bytes)
{
    const char* data = bytes.data();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = writeCall()(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= std::size_t(written);
    }
    return 0;
}

// Writes, flushes to the disk and closes; 0 or the errno of the first failure.
int writeFlushClose(Descriptor& fd, QByteArrayView bytes)
{
    if (const int error = writeAll(fd.get(), bytes))
        return error;
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    if (fd.close() != 0)
        return errno;
    return 0;
}

// A temporary file beside target, created exclusively with the usual
// permissions (the umask applies); its path in tmpPath.
int createTemporary(const QByteArray& target, QByteArray& tmpPath, int& error)
{
    static std::atomic<unsigned> counter{0};
    const int slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray name = target.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmpPath = folder + '.' + name + ".tmp" + QByteArray::number(::getpid()) + '-'
                  + QByteArray::number(counter.fetch_add(1));
        const int fd = ::open(tmpPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            error = errno;
            return -1;
        }
    }
    error = EEXIST;
    return -1;
}

// The folder's entry is made durable too, so a power cut right after a save
// cannot bring back the previous content.
void syncFolder(const QByteArray& target)
{
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    const int fd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Rewrites target in place, for folders that refuse new files.
int writeInPlace(const QByteArray& target, QByteArrayView bytes)
{
    Descriptor fd(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (!fd.valid())
        return errno;
    if (const int error = writeAll(fd.get(), bytes))
        return error;
    if (::ftruncate(fd.get(), off_t(bytes.size())) != 0)
        return errno;
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return fd.close() == 0 ? 0 : errno;
}

// The file the path designates: a symbolic link is followed, link after link.
QString resolvedTarget(const QString& path)
{
    QString target = QFileInfo(path).absoluteFilePath();
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

} // namespace

QString systemErrorText(int errnum)
{
    switch (errnum) {
    case ENOSPC:
        return QStringLiteral("disque plein");
    case EDQUOT:
        return QStringLiteral("quota d'espace disque dépassé");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case EROFS:
        return QStringLiteral("support en lecture seule");
    case ENOENT:
        return QStringLiteral("dossier ou fichier introuvable");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie du support");
    case ENAMETOOLONG:
        return QStringLiteral("nom de fichier trop long");
    case EFBIG:
        return QStringLiteral("fichier trop volumineux");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("fichier occupé");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers ouverts");
    case ENOMEM:
        return QStringLiteral("mémoire insuffisante");
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
        return QStringLiteral("partage réseau inaccessible");
    case EXDEV:
        return QStringLiteral("déplacement impossible entre deux supports");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques");
    case EEXIST:
        return QStringLiteral("un fichier de ce nom existe déjà");
    default:
        return QStringLiteral("erreur système %1 (%2)").arg(errnum).arg(QString::fromLocal8Bit(std::strerror(errnum)));
    }
}

std::optional<QString> writeFileAtomically(const QString& path, QByteArrayView bytes, const FileWriteOptions& options)
{
    if (path.isEmpty())
        return QStringLiteral("nom de fichier vide");
    const QByteArray target = QFile::encodeName(resolvedTarget(path));

    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return systemErrorText(EISDIR);
    if (exists && !S_ISREG(existing.st_mode))
        return QStringLiteral("ce n'est pas un fichier ordinaire");

    QByteArray tmpPath;
    int error = 0;
    Descriptor fd(createTemporary(target, tmpPath, error));
    if (!fd.valid()) {
        const bool folderRefusesNewFiles = error == EACCES || error == EPERM;
        if (options.directWriteFallback && exists && folderRefusesNewFiles && ::access(target.constData(), W_OK) == 0) {
            if (const int inPlace = writeInPlace(target, bytes))
                return systemErrorText(inPlace);
            return std::nullopt;
        }
        return systemErrorText(error);
    }

    // The new file keeps the permissions and, where allowed, the owner of the one it replaces.
    if (exists) {
        ::fchmod(fd.get(), existing.st_mode & 07777);
        if (::fchown(fd.get(), existing.st_uid, existing.st_gid) != 0) {
            // Only the superuser may give the file away; the user's own file stays his.
        }
    }
    error = writeFlushClose(fd, bytes);
    if (error == 0 && ::rename(tmpPath.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tmpPath.constData());
        return systemErrorText(error);
    }
    syncFolder(target);
    return std::nullopt;
}

void writeFileAtomicallyOrThrow(const QString& path, QByteArrayView bytes, const FileWriteOptions& options)
{
    if (const auto failure = writeFileAtomically(path, bytes, options))
        throw EInOutError(QStringLiteral("Impossible d'enregistrer le fichier \"%1\" : %2").arg(path, *failure));
}

void setFileWriteCall(FileWriteCall call) { writeCall() = std::move(call); }

void resetFileWriteCall() { writeCall() = systemWrite; }
