#pragma once

#include "model/DonneesAppli.h"

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
    process.waitForFinished(60000);
    return {process.exitCode(), process.exitStatus() == QProcess::NormalExit, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QString CheminExemple(const char* nom)
{
    return QStringLiteral(TOLVANE_EXAMPLES_DIR "/") + QString::fromLatin1(nom);
}

// A valid section without loads: 0.8 m wide, 2000 daN/m³, 5 MPa, 0.6 rad.
inline TSection SectionDeTest(double niveau, double longueur = 1.0)
{
    TSection s;
    s.se_niveau = niveau;
    s.se_htrsec = longueur;
    s.se_lrgsec = 0.8;
    s.se_mvol = 2000;
    s.se_resistance = 5;
    s.se_angfrottrad = 0.6;
    return s;
}
