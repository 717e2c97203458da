#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// One lock file held open by this process with an open-file-description lock.
// The lock, not the file's presence, says that a document is in use: any other
// process, and any other attempt of this one, is refused while it stands, and
// the system drops it when the process ends however it ends, so a file left
// behind without a lock on it is stale and may be taken over.
class LockFile {
public:
    enum class Status {
        Held,         // the lock is ours and the record is written
        InUse,        // another holder has it (or a stale file we may not remove)
        CannotCreate, // no lock file can be made there (missing or read-only folder...)
    };
    struct Taken {
        Status status;
        std::unique_ptr<LockFile> file; // set when Held
    };

    // One attempt at holding the lock file fileName, writing record into it.
    static Taken take(const QString& fileName, const QByteArray& record);

    // Releases the lock and deletes the file, see release().
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Deletes the file while the lock still stands, so that nobody can have
    // taken it over in between, then closes it. Failures are absorbed: the
    // lock goes with the close whatever happens to the file.
    void release();

    const QString& fileName() const { return fileName_; }

private:
    // Only take() makes one.
    struct Key {
        explicit Key() = default;
    };

public:
    LockFile(Key, QString fileName, QByteArray encodedName, int descriptor);

private:

    QString fileName_;
    QByteArray encodedName_; // kept so that release() needs nothing but the system
    int descriptor_;
};
