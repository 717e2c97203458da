#include "files/FileLockRegistry.h"

#include "files/LockFileName.h"
#include "util/PlatformServices.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <exception>

namespace {

// The interface handles its events this often during a wait.
inline constexpr int kEventSliceMilliseconds = 10;

QString absoluteSpelling(const QString& documentPath)
{
    return QDir::cleanPath(QFileInfo(documentPath.trimmed()).absoluteFilePath());
}

} // namespace

void waitProcessingEvents(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        const auto slice = std::min<qint64>(kEventSliceMilliseconds, deadline.remainingTime());
        if (slice > 0)
            QThread::msleep(static_cast<unsigned long>(slice));
    }
}

FileLockRegistry::FileLockRegistry() : FileLockRegistry(waitProcessingEvents, systemOwnerName) {}

FileLockRegistry::FileLockRegistry(Wait wait, OwnerNameSource ownerNames)
    : wait_(std::move(wait)), ownerNames_(std::move(ownerNames))
{
}

FileLockRegistry::~FileLockRegistry() { releaseAll(); }

void FileLockRegistry::setWait(Wait wait) { wait_ = std::move(wait); }

void FileLockRegistry::setOwnerNameSource(OwnerNameSource ownerNames) { ownerNames_ = std::move(ownerNames); }

LockAttempt FileLockRegistry::acquire(const QString& documentPath, int mode)
{
    if (documentPath.trimmed().isEmpty())
        return {LockOutcome::NoDocument, 0};
    if (mode != kVerrouNomPC && mode != kVerrouNomUtil) {
        services().showMessage(QStringLiteral("err.conception:VerrouillerAccesAuFichier, mode doit être 1 ou 2"),
                               PlatformServices::Icon::Error);
        return {LockOutcome::InvalidMode, 0};
    }
    const OwnerName owner = ownerNames_(mode);
    if (!owner.error.isEmpty())
        services().showMessage(owner.error, PlatformServices::Icon::Error);
    const QByteArray record = lockRecord(owner.name);
    const QString lockFileName = NomFichierVerrou(documentPath);

    const WaitCursor hourglass;
    int attempt = 0;
    try {
        while (true) {
            ++attempt;
            LockFile::Taken taken = LockFile::take(lockFileName, record);
            switch (taken.status) {
            case LockFile::Status::Held:
                entries_.push_back({lockFileName, absoluteSpelling(documentPath), std::move(taken.file)});
                return {LockOutcome::Held, attempt};
            case LockFile::Status::CannotCreate:
                return {LockOutcome::CannotCreate, attempt};
            case LockFile::Status::InUse:
                if (attempt >= kAttempts)
                    return {LockOutcome::InUse, attempt};
                wait_(kWaitMilliseconds);
                break;
            }
        }
    } catch (const std::exception&) {
        return {LockOutcome::CannotCreate, attempt};
    }
}

void FileLockRegistry::release(const QString& documentPath)
{
    if (documentPath.trimmed().isEmpty())
        return;
    const auto entry = find(documentPath);
    if (entry == entries_.end())
        return;
    entry->file->release();
    entries_.erase(entry);
}

void FileLockRegistry::releaseAll()
{
    while (!entries_.empty()) {
        entries_.back().file->release();
        entries_.pop_back();
    }
}

bool FileLockRegistry::holds(const QString& documentPath) const
{
    return !documentPath.trimmed().isEmpty() && find(documentPath) != entries_.end();
}

std::vector<FileLockRegistry::Entry>::iterator FileLockRegistry::find(const QString& documentPath)
{
    const auto found = std::as_const(*this).find(documentPath);
    return entries_.begin() + (found - entries_.cbegin());
}

std::vector<FileLockRegistry::Entry>::const_iterator FileLockRegistry::find(const QString& documentPath) const
{
    const QString lockFileName = NomFichierVerrou(documentPath);
    const auto byLockFile = std::find_if(entries_.begin(), entries_.end(),
                                         [&](const Entry& e) { return e.lockFileName == lockFileName; });
    if (byLockFile != entries_.end())
        return byLockFile;
    const QString spelling = absoluteSpelling(documentPath);
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.documentPath == spelling; });
}
