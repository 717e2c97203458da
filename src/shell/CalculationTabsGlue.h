#pragma once

#include "shell/CalculationTabs.h"
#include "shell/VueSession.h"

#include <QColor>
#include <optional>

class TDocumentSession;

// What the main window does on the events of its tab bar, without any widget.
// The bar carries the session's general page on tab 0 and edits through the
// session's data control; new tabs get new calculations of the open document;
// the session follows every change of the tabs and of their selection (the
// document's lists, its tab checksum, the page shown, the commands); pending
// edits are recorded before the selection changes or the tab menu opens. The
// main window only binds the bar's events to these handlers.
class TLiaisonOnglets {
public:
    // Puts the session's general page on tab 0 and binds the bar to the
    // session's data control. Both must outlive this object.
    TLiaisonOnglets(TOngletsCalculs& onglets, TDocumentSession& session);
    ~TLiaisonOnglets();
    TLiaisonOnglets(const TLiaisonOnglets&) = delete;
    TLiaisonOnglets& operator=(const TLiaisonOnglets&) = delete;

    // OndcGetNouvelObjet: a new calculation of the open document (it starts
    // as the default calculation), nullptr without document.
    TObjTab* NouvelObjet();
    // OnSelectTab: pending edits are recorded before the selection changes.
    void AvantSelection(int ix, bool& CanSelect);
    // OnChangeSel: the session shows the page of the first selected tab.
    void SelectionChangee();
    // OnChange: the session's lists and tab checksum follow the tabs.
    void OngletsChanges();
    // OnDrawTab: the caption colour of tab ix: red for a calculation refused
    // for invalid data, black for one that was not; none for the general page.
    std::optional<QColor> CouleurLegende(int ix) const;
    // The tab menu opens: pending edits are recorded first.
    void AvantMenu();
    // Whether a command of the tab menu is enabled: never without a document
    // (a tab added then would carry no calculation), otherwise as the
    // selection and the clipboard allow.
    bool CommandePossible(TCommandeOnglet commande) const;
    // A command of the tab menu, followed (except cut, copy and save as
    // default) by the document's lists and a repaint of the bar.
    void ExecuterCommande(TCommandeOnglet commande);

private:
    TOngletsCalculs& FOnglets;
    TDocumentSession& FSession;
};

// The tab part of the session's view, answered by the calculation tabs: the
// main window's view derives from it and gives it its bar's tabs.
class TVueSessionOnglets : public TVueSession {
public:
    // The tabs the view answers for (none: the view has no tab).
    void setOnglets(TOngletsCalculs* onglets) { FOnglets = onglets; }
    TOngletsCalculs* Onglets() const { return FOnglets; }

    void InitOnglets() override;
    void AjouterOnglets(const QList<TCalcul*>& calculs) override;
    void SelectionnerPageGenerale() override;
    QList<TObjetEdite*> ObjetsOnglets() const override;
    QList<TObjetEdite*> ObjetsOngletsSel() const override;
    void SelectionnerObjets(const QList<TObjetEdite*>& objets) override;
    void RendreVisiblePremierOnglet() override;
    void RepeindreOnglets() override;

private:
    TOngletsCalculs* FOnglets = nullptr;
};
