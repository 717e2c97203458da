#pragma once

#include <QList>
#include <QString>

class TCalcul;
class TDonneesAppli;
class TObjetEdite;
class TdcBaseRelais;

// Session view: what the main window's widgets do for the document session.
// The session decides, the view only shows and forwards; a headless test
// implements it without any widget.
class TVueSession {
public:
    // The page shown under the tab bar.
    enum class Page {
        Aucune,  // nothing (no document, no tab selected)
        Generale, // the general page: the document memo
        Calcul,   // the buttress frame of the selected calculations
    };

    // Enabled state of the document commands ("Nouveau" and "Ouvrir..." are
    // always enabled and not listed).
    struct EtatCommandes {
        bool enregistrer = false;      // "&Enregistrer": the document is modified
        bool enregistrerSous = false;  // "enregistrer &Sous..."
        bool fermer = false;           // "&Fermer"
        bool calcul = false;           // "&Calcul"
        bool onglets = false;          // the tab bar
        bool proprietes = false;       // "Propriétés ..."
        bool defaire = false;          // "&Défaire"
        bool refaire = false;          // "&Refaire"
        bool operator==(const EtatCommandes&) const = default;
    };

    TVueSession() = default;
    TVueSession(const TVueSession&) = delete;
    TVueSession& operator=(const TVueSession&) = delete;
    virtual ~TVueSession() = default;

    // Window.
    virtual void AfficherTitre(const QString& titre) = 0;
    virtual void AfficherPage(Page page) = 0;
    virtual void AppliquerCommandes(const EtatCommandes& etat) = 0;

    // The document memo: the relay core of the memo control (the session
    // shows and reads the memo text through it), its emptying and the focus.
    virtual TdcBaseRelais& RelaisMemo() = 0;
    virtual void ViderMemo() = 0;
    virtual void DonnerFocusMemo() = 0;
    // No control keeps the focus (a refusal is ignored).
    virtual void RetirerFocus() = 0;

    // The tab bar. Its tab 0 carries the session's general-page object.
    // Only the general-page tab is left, deselected; the objects of the
    // deleted tabs are not freed (the document owns them).
    virtual void InitOnglets() = 0;
    // A tab for each calculation, in order, after the general-page tab.
    virtual void AjouterOnglets(const QList<TCalcul*>& calculs) = 0;
    // Tab 0 alone becomes selected, without any selection event: the session
    // runs the consequences itself.
    virtual void SelectionnerPageGenerale() = 0;
    // The objects of all tabs and of the selected tabs, in tab order (the
    // general-page object included when it qualifies).
    virtual QList<TObjetEdite*> ObjetsOnglets() const = 0;
    virtual QList<TObjetEdite*> ObjetsOngletsSel() const = 0;
    // Selects exactly the tabs of the listed objects that have one (an undo
    // or redo brings the edited tabs back), without any selection event.
    virtual void SelectionnerObjets(const QList<TObjetEdite*>& objets) = 0;
    virtual void RendreVisiblePremierOnglet() = 0;
    virtual void RepeindreOnglets() = 0;

    // The buttress frame: shows a calculation's model, reads the sheet back
    // into it, shows the verdict of a calculation that has just run.
    virtual void AfficherDonnees(TDonneesAppli& DA) = 0;
    virtual void LireFiche(TDonneesAppli& DA) = 0;
    virtual void AfficherVerdict(TDonneesAppli& DA) = 0;
    // The sections text a calculation would hold once the values being typed
    // into the sheet are read (texte: what it holds now); the automatic save
    // writes it without recording it. A view without a sheet has none.
    virtual QString SaisieFicheEnCours(const QString& texte) const { return texte; }
};
