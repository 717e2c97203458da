#include "documents/DocumentFile.h"

#include "util/Errors.h"

#include <QFileInfo>

void VerifierFichierDocument(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        throw EInOutError(QStringLiteral("Document introuvable : %1").arg(chemin));
    if (!info.isFile())
        throw EInOutError(QStringLiteral("Ce n'est pas un fichier de document : %1").arg(chemin));
}

std::unique_ptr<TFichPb> LireDocument(const QString& chemin)
{
    VerifierFichierDocument(chemin);
    auto document = std::make_unique<TFichPb>();
    bool ok = false;
    bool modif = false;
    document->Lire(chemin, ok, modif);
    if (!ok)
        throw EInOutError(
            QStringLiteral("Le document %1 ne peut pas être lu : %2").arg(chemin, document->DerniereErreur));
    document->CalCRCTabs(document->TexteListeOnglets());
    document->DU.SetModified(modif);
    return document;
}

void EnregistrerDocument(TFichPb& document, const QString& chemin)
{
    document.Ecrire(chemin);
    document.DU.SetModified(false);
}
