#include "shell/gui/ToolbarIcons.h"

#include "util/DeferredIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QStyleOption>
#include <utility>

namespace {

// Qt's resource pictures of an icon: the stem of their names, followed by
// the number each name ends with and the size of the picture it holds.
struct TImagesStandard {
    QString racine;
    QList<std::pair<int, QSize>> images;
};

TImagesStandard ImagesStandard(QStyle::StandardPixmap icone)
{
    const QString dossier = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");
    const QList<std::pair<int, QSize>> carrees = {
        {16, QSize(16, 16)}, {32, QSize(32, 32)}, {128, QSize(128, 128)}};
    switch (icone) {
    case QStyle::SP_FileIcon: return {dossier + QStringLiteral("file-"), carrees};
    case QStyle::SP_DialogOpenButton: return {dossier + QStringLiteral("standardbutton-open-"), carrees};
    case QStyle::SP_DialogSaveButton: return {dossier + QStringLiteral("standardbutton-save-"), carrees};
    case QStyle::SP_DialogCloseButton: return {dossier + QStringLiteral("standardbutton-close-"), carrees};
    case QStyle::SP_ToolBarHorizontalExtensionButton:
        return {dossier + QStringLiteral("toolbar-ext-h-"), {{8, QSize(8, 5)}, {16, QSize(16, 10)}, {32, QSize(32, 20)}}};
    case QStyle::SP_ToolBarVerticalExtensionButton:
        return {dossier + QStringLiteral("toolbar-ext-v-"), {{5, QSize(5, 8)}, {10, QSize(10, 16)}, {20, QSize(20, 32)}}};
    default: return {};
    }
}

} // namespace

QIcon IconeStandard(const QStyle& style, QStyle::StandardPixmap icone, const QStyleOption* option, const QWidget* widget)
{
    const TImagesStandard standard = ImagesStandard(icone);
    const bool stylePropre = style.name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
    // Right to left, the arrows point the other way, from other pictures.
    const bool droiteAGauche = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    if (standard.racine.isEmpty() || !stylePropre || !QIcon::themeName().isEmpty() || droiteAGauche)
        return style.standardIcon(icone, option, widget);
    QList<TImageIcone> images;
    for (const auto& [numero, taille] : standard.images) {
        const QString fichier = standard.racine + QString::number(numero) + QStringLiteral(".png");
        // Another version of Qt may have other pictures: its own icon then.
        if (!QFile::exists(fichier))
            return style.standardIcon(icone, option, widget);
        images.append({fichier, taille});
    }
    return IconeDeFichiers(images);
}
