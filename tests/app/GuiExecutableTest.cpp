#include "CliRun.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The desktop application itself, started on a document as the desktop starts
// it: the document is locked while it runs, and a normal end (the session
// asks it to close) gives the lock back.
TEST(ApplicationGraphique, HoldsTheDocumentLockWhileItRunsAndGivesItBackWhenClosed)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("eglise.Tolvane"));
    ASSERT_TRUE(QFile::copy(CheminExemple("eglise-contreforts.Tolvane"), chemin));
    QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner);
    const QString verrou = dossier.filePath(QStringLiteral("eglise.~Tolvane"));

    QProcess tolvane;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environnement.insert(QStringLiteral("XDG_CONFIG_HOME"), dossier.filePath(QStringLiteral("config")));
    tolvane.setProcessEnvironment(environnement);
    tolvane.start(QStringLiteral(TOLVANE_GUI_PATH), {chemin});
    ASSERT_TRUE(tolvane.waitForStarted());

    // The lock is taken while the document opens; the wait only bounds a hang.
    const QDeadlineTimer limite(60000);
    while (!QFileInfo::exists(verrou) && tolvane.state() == QProcess::Running && !limite.hasExpired())
        tolvane.waitForFinished(50);
    ASSERT_EQ(tolvane.state(), QProcess::Running) << tolvane.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo::exists(verrou));

    tolvane.terminate();
    ASSERT_TRUE(tolvane.waitForFinished(60000));
    EXPECT_EQ(tolvane.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tolvane.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(verrou));
    EXPECT_TRUE(QFileInfo::exists(chemin));
}
