#include "files/AutoSaveRecovery.h"

#include "util/PlatformServices.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Horodatage(const QString& path)
{
    return QFileInfo(path).lastModified().toString(QStringLiteral("dd/MM/yyyy 'à' HH:mm:ss"));
}

QString Natif(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

QString NomFichierSvg(const QString& documentPath)
{
    return QFileInfo(documentPath + QStringLiteral(".SVG")).absoluteFilePath();
}

std::optional<QString> SvgAbandonne(const QString& documentPath, const QStringList& sideFilesOfThisRun)
{
    const QString svg = NomFichierSvg(documentPath);
    const QFileInfo cote(svg);
    const QFileInfo document(documentPath);
    // This run's own side file holds changes the user has just chosen to drop
    // or still has open: nothing to recover there.
    if (!cote.isFile() || !document.isFile() || sideFilesOfThisRun.contains(svg))
        return std::nullopt;
    if (cote.lastModified() <= document.lastModified())
        return std::nullopt;
    return svg;
}

QString TitreRecuperation() { return QStringLiteral("Récupération d'une sauvegarde automatique"); }

QString QuestionRecuperation(const QString& documentPath, const QString& sidePath)
{
    return QStringLiteral("Une version enregistrée automatiquement du document, plus récente que lui, a été trouvée.\n\n"
                          "Document :\n  %1\n  enregistré le %4\n"
                          "Version enregistrée automatiquement :\n  %2\n  du %3\n\n"
                          "Tolvane s'est sans doute arrêté avant que ces modifications soient enregistrées.\n\n"
                          "Voulez-vous ouvrir la version enregistrée automatiquement ?\n"
                          "  Oui : l'ouvrir ; le document garde son nom et reste à enregistrer.\n"
                          "  Non : ouvrir le document tel qu'il a été enregistré.\n"
                          "  Annuler : ne rien ouvrir.")
        .arg(Natif(documentPath), Natif(sidePath), Horodatage(sidePath), Horodatage(documentPath));
}

ChoixRecuperation DemanderRecuperation(const QString& documentPath, const QString& sidePath)
{
    const QString titre = TitreRecuperation();
    switch (services().ask(QuestionRecuperation(documentPath, sidePath), PlatformServices::Buttons::YesNoCancel, titre)) {
    case PlatformServices::Answer::Yes: return ChoixRecuperation::OuvrirVersionRecuperee;
    case PlatformServices::Answer::No: break;
    default: return ChoixRecuperation::NePasOuvrir;
    }
    // The unsaved changes are lost for good once the side file is gone: that
    // takes a second, explicit answer.
    const QString suppression =
        QStringLiteral("Faut-il supprimer définitivement la version enregistrée automatiquement\n%1 ?\n\n"
                       "  Oui : la supprimer ; ses modifications seront perdues.\n"
                       "  Non : la conserver à côté du document.")
            .arg(Natif(sidePath));
    if (services().ask(suppression, PlatformServices::Buttons::YesNo, titre) == PlatformServices::Answer::Yes
        && !QFile::remove(sidePath))
        services().showMessage(
            QStringLiteral("La version enregistrée automatiquement « %1 » n'a pas pu être supprimée.").arg(Natif(sidePath)),
            PlatformServices::Icon::Warning, titre);
    return ChoixRecuperation::OuvrirDocument;
}
