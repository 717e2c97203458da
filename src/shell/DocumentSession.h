#pragma once

#include "documents/ObjTab.h"
#include "editing/DataControl.h"
#include "shell/VueSession.h"

#include <QString>
#include <QStringList>
#include <memory>

class TCalcul;
class TDoUndo;
class TFichPb;

// The main window's caption: "Tolvane : " followed by the document's path,
// or "(rien en cours)" without document.
QString TitreFenetre(const QString& cheminDocument);

// Document session: the application's one reference to the open document.
// It owns the current problem file, the data control (and so the undo and
// redo history) and the general-page object carried by tab 0; it is the only
// code that creates, replaces or frees a document, and it empties the history
// before it frees anything the history could name. It implements the main
// window's document hooks (new, read, write, discard) and data-control hooks
// (show and read back an edited object) against a view, which the widgets
// implement and a headless test fakes.
class TDocumentSession {
public:
    // The view must outlive the session.
    explicit TDocumentSession(TVueSession& vue);
    // Empties the history, then frees the document.
    ~TDocumentSession();
    TDocumentSession(const TDocumentSession&) = delete;
    TDocumentSession& operator=(const TDocumentSession&) = delete;

    // The open document for the subsystems that read it; nullptr without one.
    const TFichPb* Document() const { return FDocument.get(); }
    bool DocumentOuvert() const { return FDocument != nullptr; }
    // The document's modification counter (nullptr without document): the
    // document component reads and sets its modified state.
    TDoUndo* CompteurModifications();

    // The data control: its history lives and dies with the session; the
    // widgets show its buttons and bind their relays to it.
    TDataControl& DC() { return FDC; }
    // The general page ("PG"), carried by tab 0 for the session's whole life.
    TObjTab& ObjetPG() { return *FObjetPG; }

    // Hooks of the document component. PF is the document's path, DU
    // receives the document's modification counter, ok the success.
    // New document: always empty (no templates); it starts clean.
    void DFNouveau(const QString& PathModele, const QString& PF, TDoUndo*& DU, bool& ok);
    // Opens the file PF: a tab per calculation, every calculation computed
    // without validation, an empty history. A file that cannot be read shows
    // why, leaves no document open and answers ok false. A recovered version
    // is read from source (the automatic-save side file) while the document
    // keeps PF as its path; an empty source reads PF.
    void DFLire(const QString& PF, int mode, TDoUndo*& DU, bool& ok, bool& modif, const QString& source = {});
    // The write modes the document component asks for.
    static constexpr int kModeEnregistrer = 1;     // PF is a temporary file beside the document
    static constexpr int kModeEnregistrerSous = 2; // PF becomes the document's path
    static constexpr int kModeSauvegardeAuto = 3;  // PF is the automatic-save side file

    // Writes the document to PF and empties the history, except for the
    // automatic save, which leaves it; mode 2 (save under a new name) makes PF
    // the document's path. A failure shows why, naming the document, and
    // answers ok false.
    void DFEcrire(const QString& PF, int mode, TDoUndo*& DU, bool& ok, bool& modif);
    // Discards the open document: history emptied, tabs removed, document
    // freed, memo emptied, no page shown.
    void DFInit();

    // Hooks of the data control: shows one edited object (nullptr: nothing
    // to edit), and reads one back from the controls.
    void DCAfficher(TObjetEdite* Pdata);
    void DCLireFiche(TObjetEdite* Pdata);

    // Handlers of the tab bar. A new calculation for a new tab (owned by the
    // document; nullptr without document).
    TCalcul* NouveauCalcul();
    // The tabs changed (added, deleted, renamed, moved): the document's lists
    // and tab checksum follow them.
    void OngletsChanges();
    // The tab selection changed: the page of the first selected tab is shown.
    void SelectionOngletsChangee();

    // Commands. "&Calcul": every calculation without validation.
    void Calculer();
    // The calculations of every tab (tout) or of the selected tabs, in tab
    // order; the reason of each one not computed is shown.
    void CalculerLesResultats(bool tout, bool AvecValidation);
    // The calculations of the selected tabs, with validation (the buttress
    // frame asks it before showing the drawing or the results).
    void CalculerSelection() { CalculerLesResultats(false, true); }

    // "Propriétés du fichier" confirmed: the header's properties become these
    // entries ("name=value"), as one step of the history that marks the
    // document modified. False, and nothing recorded, without document or
    // when the entries are those the header already holds.
    bool ModifierProprietes(const QStringList& entrees);
    static const QString kLibelleProprietes;

    // The document's lists of calculations from the tab bar.
    void MAJCalculs();
    // The enabled state of the commands, given to the view.
    void MAJCommandes();
    // "Tolvane : " + the document's path, or "Tolvane : (rien en cours)".
    void AfficherTitre();
    QString Titre() const;

private:
    // Replaces the open document by a new, empty one.
    TFichPb& NouveauDocument();
    // Empties the history, removes the tabs and frees the document.
    void LibererDocument();
    void ReprendreEmpreinteOnglets();
    // Undo or redo of a change of the properties: the header takes back the
    // entries of the record and gives those it held.
    QString RejouerProprietes(const QString& donnees);
    // The automatic save: the document as it would be with what is being
    // typed, written to PF, then put back exactly as it was (the history and
    // the data the user has not confirmed are left alone).
    void EcrireAvecSaisieEnCours(const QString& PF);

    TVueSession& FVue;
    TDataControl FDC;
    std::unique_ptr<TObjTab> FObjetPG;
    std::unique_ptr<TFichPb> FDocument;
};
