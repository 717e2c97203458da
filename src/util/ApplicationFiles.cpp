#include "util/ApplicationFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList DossiersFichiersApplication(const QString& executableFolder)
{
    const QDir executable(executableFolder);
    return {QDir::cleanPath(executable.absolutePath()),
            QDir::cleanPath(executable.absoluteFilePath(QStringLiteral("../share/tolvane")))};
}

QString CheminFichierApplication(const QString& nom, const QString& executableFolder)
{
    const QStringList dossiers = DossiersFichiersApplication(executableFolder);
    for (const QString& dossier : dossiers) {
        const QString chemin = QDir(dossier).filePath(nom);
        if (QFileInfo::exists(chemin))
            return chemin;
    }
    return QDir(dossiers.first()).filePath(nom);
}

QString CheminFichierApplication(const QString& nom)
{
    const QString executable =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return CheminFichierApplication(nom, executable);
}
