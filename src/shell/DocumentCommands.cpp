#include "shell/DocumentCommands.h"

#include "documents/FichPb.h"
#include "shell/DocumentSession.h"
#include "util/DoUndo.h"
#include "util/PlatformServices.h"

#include <QDir>
#include <QFileInfo>

TCommandesDocument::TCommandesDocument(TDocumentSession& session)
    : FSession(session)
    , FDossier(QDir::homePath())
{
}

QString TCommandesDocument::Filtre()
{
    return QStringLiteral("fichiers Tolvane (*.Tolvane);;tous fichiers (*)");
}

bool TCommandesDocument::Modified() const
{
    TDoUndo* DU = FSession.CompteurModifications();
    return DU && DU->Modified();
}

bool TCommandesDocument::Nouveau()
{
    if (!Fermer(true))
        return false;
    // The first free name: a new document never takes the name of a file
    // already there, which its first save would overwrite.
    QString PF;
    do {
        PF = QDir(FDossier).filePath(QStringLiteral("NC%1.Tolvane").arg(++FNumeroNouveau, 2, 10, QLatin1Char('0')));
    } while (QFileInfo::exists(PF));
    TDoUndo* DU = nullptr;
    bool ok = false;
    FSession.DFNouveau({}, PF, DU, ok);
    FDocNouveau = ok;
    FSession.MAJCommandes();
    return ok;
}

bool TCommandesDocument::Ouvrir(const QString& PF)
{
    QString chemin = PF;
    if (chemin.isEmpty()) {
        const auto choisi = services().openFileName(QStringLiteral("Ouvrir"), FDossier, Filtre());
        if (!choisi || choisi->isEmpty())
            return false;
        chemin = *choisi;
    }
    if (!Fermer(true))
        return false;
    chemin = QFileInfo(chemin).absoluteFilePath();
    TDoUndo* DU = nullptr;
    bool ok = false;
    bool modif = false;
    FSession.DFLire(chemin, 0, DU, ok, modif);
    FDocNouveau = false;
    if (ok)
        FDossier = QFileInfo(chemin).absolutePath();
    return ok;
}

bool TCommandesDocument::Ecrire(const QString& PF, int mode)
{
    TDoUndo* DU = nullptr;
    bool ok = false;
    bool modif = false;
    FSession.DFEcrire(PF, mode, DU, ok, modif);
    if (ok) {
        FDocNouveau = false;
        FDossier = QFileInfo(PF).absolutePath();
    }
    return ok;
}

bool TCommandesDocument::Enregistrer()
{
    if (!FSession.DocumentOuvert())
        return true;
    if (FDocNouveau)
        return EnregistrerSous();
    return Ecrire(FSession.Document()->pathF, 1);
}

bool TCommandesDocument::EnregistrerSous()
{
    if (!FSession.DocumentOuvert())
        return true;
    const QString actuel = FSession.Document()->pathF;
    const QString propose = FDocNouveau ? QDir(FDossier).filePath(QFileInfo(actuel).fileName()) : actuel;
    const auto choisi = services().saveFileName(QStringLiteral("Enregistrer sous"), propose, Filtre());
    if (!choisi || choisi->isEmpty())
        return false;
    QString chemin = QFileInfo(*choisi).absoluteFilePath();
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += QStringLiteral(".Tolvane");
    return Ecrire(chemin, 2);
}

bool TCommandesDocument::Fermer(bool CheckSiModifie)
{
    if (!FSession.DocumentOuvert())
        return true;
    if (CheckSiModifie && Modified()) {
        const QString nom = QFileInfo(FSession.Document()->pathF).fileName();
        switch (services().ask(QStringLiteral("Le document « %1 » a été modifié.\nEnregistrer les modifications ?").arg(nom),
                               PlatformServices::Buttons::YesNoCancel, QStringLiteral("Tolvane"))) {
        case PlatformServices::Answer::Yes:
            if (!Enregistrer())
                return false;
            break;
        case PlatformServices::Answer::No:
            break;
        default:
            return false;
        }
    }
    FSession.DFInit();
    FDocNouveau = false;
    FSession.AfficherTitre();
    return true;
}
