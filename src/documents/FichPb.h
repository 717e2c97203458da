#pragma once

#include "documents/Calcul.h"
#include "documents/FileHeader.h"
#include "model/DonneesAppli.h"
#include "util/DoUndo.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// Problem file: a document, that is its memo, its global data and its
// calculations in tab order, with the problem text that a document file holds
// behind its header block.
//
// The document owns every calculation created for it until it is
// re-initialised or freed: those listed in Calculs (the tabs) and those
// removed from the tabs, which are set aside so that undo can bring them back.
// Calculs and CalculsSel only refer to them; the tab bar keeps them in tab
// order. Whoever holds an undo history naming these calculations empties it
// before the document is re-initialised or freed (the document session does).
class TFichPb {
public:
    static const QString kVersion; // "5_1": format 5, application interface 1

    TFichPb();
    ~TFichPb();
    TFichPb(const TFichPb&) = delete;
    TFichPb& operator=(const TFichPb&) = delete;

    // Forgets the path, the memo, the global data and the tab lists, frees
    // every calculation (listed or set aside), and takes the checksums of the
    // empty document; clears the counter and the header.
    void Init();

    // pbCRC from the version line, the memo and global data blocks and CRCtabs.
    void CalCRC();
    // CRCtabs from the text of the tab list, then CalCRC.
    void CalCRCTabs(const QString& S);
    // The document-level content differs from its last load or save.
    bool Modified() const { return pbCRC != pbCRCdsk; }

    // The calculations in tab order, and those of the selected tabs; the
    // shell sets both from its tab bar. Every one must be owned by this
    // document.
    const QList<TCalcul*>& Calculs() const { return FCalculs; }
    const QList<TCalcul*>& CalculsSel() const { return FCalculsSel; }
    void SetCalculs(QList<TCalcul*> calculs);
    void SetCalculsSel(QList<TCalcul*> calculs);

    // What every calculation's model of this document plugs in (the session
    // gives them); applied to the calculations owned now and to those created
    // or added later.
    void SetRappelsModeles(TDonneesAppli::Rappels rappels);

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
    // set false.
    void Lire(const QString& PF, bool& ok, bool& modif);
    // Writes the document file PF. Throws EInOutError.
    void Ecrire(const QString& PF);

    // Every calculation in tab order, without validation; the reason of each
    // one not computed is shown (the "Calcul" command).
    void CalculerTout();
    // The calculations of the selected tabs, in order, with validation; the
    // reason of each one not computed is shown.
    void ExecCalculs();

    // The text of the tab list as the tab bar gives it (TexteListeOnglets):
    // the general page PG (pagePG, or "0" without one), then each
    // calculation's name and identity; for CalCRCTabs.
    QString TexteListeOnglets(const TObjetEdite* pagePG = nullptr) const;

    QString pathF;
    TDoUndo DU;
    TFileHeader FH;
    QString MemoFich;
    std::uint32_t CRCtabs = 0;
    std::uint32_t pbCRCdsk = 0;
    std::uint32_t pbCRC = 0;
    QString FGlobData;

    int NbCalculsIgnores = 0;
    QString DerniereErreur;

private:
    QString TexteEntete() const;
    void LireCorps(QIODevice& FS);

    // The calculation now owned by this document receives its callbacks.
    TCalcul* Adopter(std::unique_ptr<TCalcul> C);

    QList<TCalcul*> FCalculs;
    QList<TCalcul*> FCalculsSel;
    TDonneesAppli::Rappels FRappelsModeles;
    std::vector<std::unique_ptr<TCalcul>> FCalculsPossedes;
};
