#pragma once

#include "files/LockFile.h"
#include "files/LockOwner.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// What came of asking for a document's lock.
enum class LockOutcome {
    Held,         // this process now holds the lock
    InUse,        // still held by another instance (or by this one) after every attempt
    CannotCreate, // no lock file can be made beside the document
    NoDocument,   // blank path: nothing to lock
    InvalidMode,  // neither kVerrouNomPC nor kVerrouNomUtil
};

struct LockAttempt {
    LockOutcome outcome;
    int attempts; // attempts made at the lock file, 0 when none was made
    bool held() const { return outcome == LockOutcome::Held; }
};

// Waits while the user interface keeps handling its events, so that timers and
// input go on while a lock is awaited.
void waitProcessingEvents(int milliseconds);

// The locks this process holds on documents, one lock file each. A lock that is
// held elsewhere is tried kAttempts times, kWaitMilliseconds apart; a lock this
// process already holds is refused the same way, since it cannot be taken twice.
// Destroying the registry releases every lock it holds.
class FileLockRegistry {
public:
    static constexpr int kAttempts = 10;
    static constexpr int kWaitMilliseconds = 250;

    using Wait = std::function<void(int milliseconds)>;
    using OwnerNameSource = std::function<OwnerName(int mode)>;

    // Waits with waitProcessingEvents and asks the system for the owner's name.
    FileLockRegistry();
    FileLockRegistry(Wait wait, OwnerNameSource ownerNames);
    ~FileLockRegistry();
    FileLockRegistry(const FileLockRegistry&) = delete;
    FileLockRegistry& operator=(const FileLockRegistry&) = delete;

    void setWait(Wait wait);
    void setOwnerNameSource(OwnerNameSource ownerNames);

    // Takes the lock of the document for this process, writing the owner named
    // by mode into the lock file, with the wait cursor shown. Only an invalid
    // mode and a refused owner name show a message: the caller decides what a
    // refusal means to the user.
    LockAttempt acquire(const QString& documentPath, int mode);

    // Releases the document's lock and deletes its lock file; a document this
    // process holds no lock on is ignored.
    void release(const QString& documentPath);

    // Releases every lock, the latest first.
    void releaseAll();

    bool holds(const QString& documentPath) const;
    bool empty() const { return entries_.empty(); }

private:
    struct Entry {
        QString lockFileName;
        // The path as the caller spelled it, absolute: the document's link or
        // folder may have changed by the time it is closed, and its lock must
        // still be found.
        QString documentPath;
        std::unique_ptr<LockFile> file;
    };

    std::vector<Entry>::iterator find(const QString& documentPath);
    std::vector<Entry>::const_iterator find(const QString& documentPath) const;

    std::vector<Entry> entries_;
    Wait wait_;
    OwnerNameSource ownerNames_;
};
