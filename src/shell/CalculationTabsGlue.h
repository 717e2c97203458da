#pragma once

#include "shell/CalculationTabs.h"

#include <QChar>
#include <QColor>
#include <functional>
#include <optional>

class TDataControl;
class TFichPb;

// What the main window does on the events of its tab bar, without any widget:
// new tabs get new calculations of the open document, the document's lists of
// calculations follow the tabs (so a save writes them in tab order), its tab
// checksum follows every change of the tabs, pending edits are recorded before
// the selection changes or the tab menu opens. The main window only binds the
// bar's events to these handlers and gives the page and command hooks.
class TLiaisonOnglets {
public:
    // The open document, nullptr when none.
    using TSourceDocument = std::function<TFichPb*()>;

    // Binds the tab bar to the data control and gives it its object source.
    // Everything passed must outlive this object.
    TLiaisonOnglets(TOngletsCalculs& onglets, TDataControl& dc, TSourceDocument document);
    ~TLiaisonOnglets();
    TLiaisonOnglets(const TLiaisonOnglets&) = delete;
    TLiaisonOnglets& operator=(const TLiaisonOnglets&) = delete;

    // Pages the main window shows for a selection: ' ' none, 'F' the buttress
    // frame of the selected calculations, 'T' the general page (the memo).
    static constexpr QChar kPageAucune{u' '};
    static constexpr QChar kPageCalcul{u'F'};
    static constexpr QChar kPageGenerale{u'T'};

    // The page to show (AfficherPage) and the refresh of the commands (MAJCommandes).
    std::function<void(QChar page)> OnAfficherPage;
    std::function<void()> OnMAJCommandes;

    // OndcGetNouvelObjet: a new calculation of the open document (it starts
    // as the default calculation), nullptr without document.
    TObjTab* NouvelObjet();
    // OnSelectTab: pending edits are recorded before the selection changes.
    void AvantSelection(int ix, bool& CanSelect);
    // OnChangeSel: the page of the first selected tab, the lists, the commands
    // and a display.
    void SelectionChangee();
    // OnChange: the lists and the tab checksum of the document, the commands
    // and a display.
    void OngletsChanges();
    // The document's calculations and selected calculations, in tab order.
    void MAJCalculs();
    // OnDrawTab: the caption colour of tab ix: red for a calculation refused
    // for invalid data, black for one that was not; none for the general page.
    std::optional<QColor> CouleurLegende(int ix) const;
    // The tab menu opens: pending edits are recorded first.
    void AvantMenu();
    // A command of the tab menu, followed (except cut, copy and save as
    // default) by the lists' update and a repaint of the bar.
    void ExecuterCommande(TCommandeOnglet commande);

private:
    TOngletsCalculs& FOnglets;
    TDataControl& FDC;
    TSourceDocument FDocument;
};
