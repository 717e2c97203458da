#pragma once

#include "support/Sections.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// The built tolvane-cli, run as a user runs it.
struct Execution {
    int status = -1;
    bool normalExit = false;
    QByteArray out;
    QString err;
    QString sortie() const { return QString::fromUtf8(out); }
};

inline Execution LancerCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TOLVANE_CLI_PATH), arguments);
    // Generous: under the sanitizers, on a loaded machine, refusing a 50 MB
    // file that is no document takes tens of seconds.
    process.waitForFinished(300000);
    return {process.exitCode(), process.exitStatus() == QProcess::NormalExit, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QString CheminExemple(const char* nom)
{
    return QStringLiteral(TOLVANE_EXAMPLES_DIR "/") + QString::fromLatin1(nom);
}

