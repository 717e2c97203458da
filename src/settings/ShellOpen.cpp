#include "settings/ShellOpen.h"

#include "util/PlatformServices.h"

#include <QDir>
#include <QFileInfo>

int ExecuterOuvrir(const QString& fichier, const TOuvreurFichiers& ouvreur)
{
    const QFileInfo info(fichier);
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? kShellFichierIntrouvable : kShellCheminIntrouvable;
    if (!info.isReadable())
        return kShellAccesRefuse;
    if (!ouvreur(QUrl::fromLocalFile(info.absoluteFilePath())))
        return kShellAucuneAssociation;
    return kReussiteShell + 10;
}

QString TexteEchecShell(int code)
{
    switch (code) {
    case 2: return QStringLiteral("pas trouvé le fichier spécifié");
    case 3: return QStringLiteral("chemin pas trouvé");
    case 5: return QStringLiteral("accès refusé");
    case 8: return QStringLiteral("pas assez de mémoire pour effectuer l'opération");
    case 26: return QStringLiteral("violation de partage");
    case 27: return QStringLiteral("association incomplète ou invalide");
    case 28: return QStringLiteral("requête DDE : délai de réponse dépassé");
    case 29: return QStringLiteral("erreur DDE");
    case 30: return QStringLiteral("DDE occupé");
    case 31: return QStringLiteral("aucune application associée à cette extension");
    case 32: return QStringLiteral("une bibliothèque nécessaire est introuvable");
    default: return QStringLiteral("erreur inconnue (%1)").arg(code);
    }
}

void OuvrirAvecShell(const QString& fichier, const TOuvreurFichiers& ouvreur)
{
    const TOuvreurFichiers bureau = ouvreur ? ouvreur : TOuvreurFichiers([](const QUrl& url) { return services().openUrl(url); });
    const int resultat = ExecuterOuvrir(fichier, bureau);
    if (resultat <= kReussiteShell)
        services().showMessage(QDir::toNativeSeparators(fichier) + QStringLiteral(" :\n") + TexteEchecShell(resultat),
                               PlatformServices::Icon::Error);
}
