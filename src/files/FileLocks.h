#pragma once

#include "files/FileLockRegistry.h"
#include "files/LockFileName.h"
#include "files/LockOwner.h"

#include <QString>

// The document locks of the whole process, as the document component uses them:
// a lock is taken when a document is opened for editing or written under a new
// path, and released when it is closed or moves to another path.

// The registry behind the procedures below; it releases what it still holds
// when the process ends normally.
FileLockRegistry& processFileLocks();

// True when this process now holds the document's lock; mode is kVerrouNomPC or
// kVerrouNomUtil. False for a blank path, a document in use elsewhere or already
// locked here, or a folder where no lock file can be made: the caller offers the
// document read-only.
bool VerrouillerAccesAuFichier(const QString& documentPath, int mode);

// Releases the document's lock if this process holds it; harmless otherwise.
void DeverrouillerAccesAuFichier(const QString& documentPath);

// Releases every lock this process holds (at shut-down).
void DeverrouillerTousLesAcces();
