#include "documents/DocumentFile.h"

#include "util/Errors.h"
#include "util/TextFields.h"
#include "util/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

bool EstDocumentTolvane(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    // The first line is all that is looked at: a few kilobytes hold it.
    const QString debut = DecoderTexte(fichier.read(4096));
    const qsizetype fin = debut.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    const QString ligne = fin < 0 ? debut : debut.left(fin);
    if (ligne == TFileHeader::kIdentification)
        return true;
    bool lu = false;
    const int version = ChampNumero(0, ligne, QStringLiteral("_")).toInt(&lu);
    return lu && version >= 1;
}

void EnregistrerDocument(TFichPb& document, const QString& chemin)
{
    document.Ecrire(chemin);
    document.DU.SetModified(false);
}
