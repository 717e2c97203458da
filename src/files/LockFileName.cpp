#include "files/LockFileName.h"

#include <QDir>
#include <QFileInfo>

QString canonicalDocumentPath(const QString& documentPath)
{
    const QString trimmed = documentPath.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QFileInfo document(trimmed);
    if (document.exists())
        return document.canonicalFilePath();
    // A document about to be written does not exist yet, but its folder may be
    // reached through a link, which must give the same lock as the real folder.
    // The folder is resolved as the system would walk it: "link/.." is the
    // parent of the link's target, not the folder holding the link.
    const QString absolute = QDir::isAbsolutePath(trimmed) ? trimmed : QDir::currentPath() + QLatin1Char('/') + trimmed;
    const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
    const QString name = absolute.mid(slash + 1);
    const QString folder = QFileInfo(slash == 0 ? QStringLiteral("/") : absolute.left(slash)).canonicalFilePath();
    if (folder.isEmpty() || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QDir::cleanPath(absolute);
    return QDir(folder).filePath(name);
}

QString NomFichierVerrou(const QString& documentPath)
{
    QString name = canonicalDocumentPath(documentPath);
    if (name.isEmpty())
        return {};
    const qsizetype fileNameStart = name.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < fileNameStart)
        return name + QStringLiteral(".~");
    return name.insert(dot + 1, QLatin1Char('~'));
}
