#include "files/LockFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// How many times an attempt starts over when the file was replaced between its
// opening and its locking, before it counts as in use.
inline constexpr int kReplacedFileRetries = 3;

// Closes the descriptor unless handed over.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int handOver() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// A lock on the whole file, owned by the open file description: a second
// description of the same file, even in this process, is refused.
bool lockWholeFile(int fd, short type)
{
    struct flock request = {};
    request.l_type = type;
    request.l_whence = SEEK_SET;
    request.l_start = 0;
    request.l_len = 0;
    return ::fcntl(fd, F_OFD_SETLK, &request) == 0;
}

bool refusedByAnotherLock(int error) { return error == EAGAIN || error == EACCES; }

// True when the name still leads to the file described by opened: a holder
// that released its lock deletes the file, and the next one creates another.
bool nameStillLeadsTo(const QByteArray& name, const struct stat& opened)
{
    struct stat current = {};
    return ::lstat(name.constData(), &current) == 0 && current.st_dev == opened.st_dev
        && current.st_ino == opened.st_ino;
}

bool isRegularFile(const QByteArray& name)
{
    struct stat current = {};
    return ::lstat(name.constData(), &current) == 0 && S_ISREG(current.st_mode);
}

// A lock file we may read but not write, left by another user: it is deleted
// when nobody holds it, as another user's stale lock file would be. A read lock
// keeps any holder out while we check and delete (the system has no "delete if
// unchanged", so two instances clearing the same stale file in the same instant
// as a third creates its own remain a theoretical gap). Returns true when the
// name is free again.
bool removeIfStale(const QByteArray& name)
{
    Descriptor file(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat opened = {};
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return false;
    if (!lockWholeFile(file.get(), F_RDLCK))
        return false;
    if (!nameStillLeadsTo(name, opened))
        return true;
    return ::unlink(name.constData()) == 0;
}

void writeRecord(int fd, const QByteArray& record)
{
    // The record only informs whoever looks at the file; the lock stands
    // without it, so a full disk does not refuse the document.
    if (::ftruncate(fd, 0) != 0)
        return;
    qsizetype written = 0;
    while (written < record.size()) {
        const ssize_t n = ::pwrite(fd, record.constData() + written, record.size() - written, written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        written += n;
    }
}

} // namespace

LockFile::Taken LockFile::take(const QString& fileName, const QByteArray& record)
{
    const QByteArray name = QFile::encodeName(fileName);
    for (int round = 0; round < kReplacedFileRetries; ++round) {
        // No link is followed: a planted link must not make us truncate its target.
        Descriptor file(::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666));
        if (file.get() < 0) {
            if ((errno == EACCES || errno == EPERM) && isRegularFile(name)) {
                if (removeIfStale(name))
                    continue;
                return {Status::InUse, nullptr};
            }
            return {Status::CannotCreate, nullptr};
        }
        struct stat opened = {};
        if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
            return {Status::CannotCreate, nullptr};
        if (!lockWholeFile(file.get(), F_WRLCK)) {
            // A file system without such locks cannot guard the document.
            return {refusedByAnotherLock(errno) ? Status::InUse : Status::CannotCreate, nullptr};
        }
        if (!nameStillLeadsTo(name, opened))
            continue; // released and deleted by its holder while we opened it
        writeRecord(file.get(), record);
        return {Status::Held, std::make_unique<LockFile>(Key{}, fileName, name, file.handOver())};
    }
    return {Status::InUse, nullptr};
}

LockFile::LockFile(Key, QString fileName, QByteArray encodedName, int descriptor)
    : fileName_(std::move(fileName)), encodedName_(std::move(encodedName)), descriptor_(descriptor)
{
}

LockFile::~LockFile() { release(); }

void LockFile::release()
{
    if (descriptor_ < 0)
        return;
    struct stat mine = {};
    // The file may have been removed by hand and the name reused by another
    // instance: only our own file is deleted.
    if (::fstat(descriptor_, &mine) == 0 && nameStillLeadsTo(encodedName_, mine))
        ::unlink(encodedName_.constData());
    ::close(descriptor_);
    descriptor_ = -1;
}
