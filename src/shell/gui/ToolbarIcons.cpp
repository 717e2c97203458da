#include "shell/gui/ToolbarIcons.h"

#include "util/DeferredIcon.h"

#include <QFile>

namespace {

// The stem of Qt's resource pictures for that icon, empty for the others.
QString RacineImages(QStyle::StandardPixmap icone)
{
    switch (icone) {
    case QStyle::SP_FileIcon: return QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-");
    case QStyle::SP_DialogOpenButton:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-open-");
    case QStyle::SP_DialogSaveButton:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-save-");
    case QStyle::SP_DialogCloseButton:
        return QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-close-");
    default: return {};
    }
}

} // namespace

QIcon IconeStandard(const QStyle& style, QStyle::StandardPixmap icone)
{
    const QString racine = RacineImages(icone);
    const bool stylePropre = style.name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
    if (racine.isEmpty() || !stylePropre || !QIcon::themeName().isEmpty())
        return style.standardIcon(icone);
    QList<TImageIcone> images;
    for (int cote : {16, 32, 128}) {
        const QString fichier = racine + QString::number(cote) + QStringLiteral(".png");
        // Another version of Qt may have other pictures: its own icon then.
        if (!QFile::exists(fichier))
            return style.standardIcon(icone);
        images.append({fichier, QSize(cote, cote)});
    }
    return IconeDeFichiers(images);
}
