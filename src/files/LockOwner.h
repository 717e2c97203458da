#pragma once

#include <QByteArray>
#include <QString>

// Who holds a lock, as other users see it in the lock file.

// Lock modes: whose name goes into the lock file. They are the ordinals of the
// document component's locking choice, 0 meaning no lock at all.
inline constexpr int kVerrouNomPC = 1;
inline constexpr int kVerrouNomUtil = 2;

// A name asked of the system: empty with the system's error text when it was
// refused.
struct OwnerName {
    QString name;
    QString error;
};

// The computer name (mode 1) or the logged-on user's name (mode 2), as the
// system gives it. Any other mode gives an empty name without an error.
OwnerName systemOwnerName(int mode);

// Size of the record written into every lock file.
inline constexpr int kLockRecordSize = 65;

// The record: one byte holding the length n of the owner name in upper case
// (at most 64 characters), the n characters in the ANSI code page, zeros up to
// kLockRecordSize bytes.
QByteArray lockRecord(const QString& ownerName);
