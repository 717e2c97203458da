#include "files/FileLocks.h"

FileLockRegistry& processFileLocks()
{
    static FileLockRegistry registry;
    return registry;
}

bool VerrouillerAccesAuFichier(const QString& documentPath, int mode)
{
    return processFileLocks().acquire(documentPath, mode).held();
}

void DeverrouillerAccesAuFichier(const QString& documentPath) { processFileLocks().release(documentPath); }

void DeverrouillerTousLesAcces() { processFileLocks().releaseAll(); }
