#pragma once

#include "documents/Calcul.h"
#include "documents/FileHeader.h"
#include "editing/DoUndo.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// A document: its memo, its global data and its calculations in tab order,
// with the problem text that a document file holds behind its header block.
//
// The document owns every calculation created for it, for its whole life:
// those listed in Calculs (the tabs) and those removed from the tabs, which
// are kept so that undo can bring them back. Calculs and CalculsSel only refer
// to them; the tab bar keeps them in tab order.
class TFichPb {
public:
    static const QString kVersion; // "5_1": format 5, application interface 1

    TFichPb();
    ~TFichPb();
    TFichPb(const TFichPb&) = delete;
    TFichPb& operator=(const TFichPb&) = delete;

    // Forgets the path, the memo, the global data and the tab lists, and takes
    // the checksums of the empty document; clears the counter and the header.
    // Calculations already owned stay owned.
    void Init();

    // pbCRC from the version line, the memo and global data blocks and CRCtabs.
    void CalCRC();
    // CRCtabs from the text of the tab list, then CalCRC.
    void CalCRCTabs(const QString& S);
    // The document-level content differs from its last load or save.
    bool Modified() const { return pbCRC != pbCRCdsk; }

    // Appends a calculation (owned from now on) to the tab order.
    TCalcul* AddCalcul(std::unique_ptr<TCalcul> C);
    // Appends a calculation this document already owns to the tab order.
    void AddCalcul(TCalcul* C);
    // A new default calculation owned by this document, listed in no tab yet.
    TCalcul* NouveauCalcul();
    bool PossedeCalcul(const TCalcul* C) const;
    // The owned calculations that no tab lists any more.
    QList<TCalcul*> CalculsMisDeCote() const;

    // The first calculation whose name is exactly nomtab, or none.
    TCalcul* TabToCalcul(const QString& nomtab) const;

    // The problem text; the document-level content is then clean.
    QString SaveToString();
    // Reads a problem text into this freshly initialised document. Unreadable
    // calculations are skipped and counted in NbCalculsIgnores. Throws
    // EInOutError when a calculation cannot even be created (the default
    // calculation file cannot be read): reading stops rather than loop or
    // silently drop the rest of the document.
    void LoadFromString(QString S);

    // Reads the document file PF (header, then problem text). Never throws:
    // ok reports success and DerniereErreur the reason of a failure; modif is
    // set false. Returns an empty text.
    QString Lire(const QString& PF, bool& ok, bool& modif);
    // Writes the document file PF. Throws EInOutError.
    void Ecrire(const QString& PF);

    // Every calculation in tab order, without validation.
    void CalculerTout();
    // The calculations of the selected tabs, in order, with validation.
    void ExecCalculs();

    // A text of the tab list (the general page, then each calculation: names
    // and identities) for CalCRCTabs when no tab bar provides one.
    QString TexteListeOnglets() const;

    void* HF = nullptr; // the document manager's record of the open file; not owned
    QString pathCops;
    QString pathF;
    TDoUndo DU;
    TFileHeader FH;
    QString MemoFich;
    std::uint32_t CRCtabs = 0;
    std::uint32_t pbCRCdsk = 0;
    std::uint32_t pbCRC = 0;
    TCalcul* FCalculActif = nullptr;
    QString FGlobData;
    QList<TCalcul*> Calculs;
    QList<TCalcul*> CalculsSel;

    int NbCalculsIgnores = 0;
    QString DerniereErreur;

private:
    QString TexteEntete() const;
    void LireCorps(QIODevice& FS);

    std::vector<std::unique_ptr<TCalcul>> FCalculsPossedes;
};
