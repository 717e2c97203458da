#pragma once

#include "documents/DocumentFile.h"
#include "documents/FichPb.h"
#include "files/DocFich.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// The application's side of the document hooks, reduced to one problem file
// whose memo the tests edit: new, read, write and discard as the main window
// does them, with every call recorded.
class ApplicationDocument {
public:
    struct Write {
        QString path;
        int mode;
    };

    explicit ApplicationDocument(TDocFich& DF)
    {
        DF.OnNouveau = [this](const QString&, QString& PF, TCtrlFic*, TDoUndo*& DU, bool& ok) {
            doc = std::make_unique<TFichPb>();
            doc->pathF = PF;
            DU = &doc->DU;
            DU->ClearActions();
            ok = true;
        };
        DF.OnLire = [this](const QString& PF, TCtrlFic* HF, int mode, TDoUndo*& DU, bool& ok, bool& modif) {
            readModes.push_back(mode);
            readSources.push_back(HF ? HF->FFichierRecupere : QString());
            doc = std::make_unique<TFichPb>();
            // A recovered version is read from its side file; the document keeps its path.
            doc->Lire(HF && !HF->FFichierRecupere.isEmpty() ? HF->FFichierRecupere : PF, ok, modif);
            doc->pathF = PF;
            DU = ok ? &doc->DU : nullptr;
            if (!ok)
                doc.reset();
        };
        DF.OnEcrire = [this](const QString& PF, TCtrlFic*, int mode, TDoUndo*&, bool& ok, bool&) {
            writes.push_back({PF, mode});
            if (beforeWrite)
                beforeWrite(mode);
            doc->Ecrire(PF);
            if (mode == TDocFich::kEcrireNouveauChemin)
                doc->pathF = PF;
            ok = true;
            if (afterWrite)
                afterWrite(mode);
        };
        DF.OnInit = [this] {
            ++discards;
            doc.reset();
        };
        DF.OnMaj = [this] { ++refreshes; };
    }

    // An edit of the memo, as the data control records it.
    void Edit(const QString& memo)
    {
        doc->MemoFich = memo;
        doc->CalCRC();
    }

    std::unique_ptr<TFichPb> doc;
    std::vector<Write> writes;
    std::vector<int> readModes;
    // The side file each read took its content from ("" for the document itself).
    std::vector<QString> readSources;
    int discards = 0;
    int refreshes = 0;
    std::function<void(int mode)> beforeWrite;
    std::function<void(int mode)> afterWrite;
};

// A document file holding this memo.
inline void WriteDocument(const QString& path, const QString& memo)
{
    TFichPb document;
    document.MemoFich = memo;
    document.Ecrire(path);
}

// The memo of a document file; "<illisible>" when it cannot be read.
inline QString MemoOf(const QString& path)
{
    try {
        return LireDocument(path)->MemoFich;
    } catch (const std::exception&) {
        return QStringLiteral("<illisible>");
    }
}

// The component as the main window sets it up.
inline void SetUpLikeTheMainWindow(TDocFich& DF, const QString& folder)
{
    DF.ExtensionFichiers = QStringLiteral("Tolvane");
    DF.setExtBak(QStringLiteral("+bak"));
    DF.FiltreFichiers = QStringLiteral("fichiers Tolvane (*.Tolvane)|*.Tolvane|tous fichiers (*.*)|*.*");
    DF.FormatNouveau = QStringLiteral("NC%2.2d");
    DF.NomHisto = QStringLiteral("HistoFichiers");
    DF.MaxHisto = 0;
    DF.VerrouillerAcces = TSetVerr::vfNomUtil;
    DF.setDirDossDefaut(folder);
}

// The memo of version v of a document large enough for a save to take many
// writes, so that a process killed while saving is caught in the middle.
inline QString VersionMemo(int v)
{
    return QStringLiteral("version %1 ").arg(v) + QString(256 * 1024, QChar(u'a' + v % 26));
}

// The version whose memo this is exactly; -1 for anything else (a mix of two
// versions, a cut file).
inline int VersionOf(const QString& memo)
{
    const int v = memo.section(u' ', 1, 1).toInt();
    return memo == VersionMemo(v) ? v : -1;
}
