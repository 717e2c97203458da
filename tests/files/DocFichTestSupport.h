#pragma once

#include "ApplicationDocument.h"
#include "LockTestSupport.h"
#include "files/FileLocks.h"

#include <QDir>

// A temporary folder that is also the current folder, a scripted desktop, the
// component set up as the main window sets it, and lock waits that only
// return (a lock held elsewhere is refused at once).
class DocFichTest : public ::testing::Test {
protected:
    DocFichTest()
    {
        processFileLocks().setWait([](int) {});
        SetUpLikeTheMainWindow(DF, folder);
    }
    ~DocFichTest() override
    {
        DF.Fermer(false);
        DeverrouillerTousLesAcces();
        processFileLocks().setWait(waitProcessingEvents);
    }

    QString path(const QString& name) const { return folder + QLatin1Char('/') + name; }
    bool hasLockFile(const QString& document) const { return QFileInfo::exists(NomFichierVerrou(document)); }
    // The files of the folder, hidden ones included.
    QStringList files() const
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    FakePlatformServices platform;
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    CurrentFolder current{folder};
    TDocFich DF;
    ApplicationDocument app{DF};
};
