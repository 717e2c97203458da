#pragma once

#include "shell/CalculationTabs.h"
#include "shell/gui/CustomTabsXo.h"

#include <QMap>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class TBandeOnglets;
class TLiaisonOnglets;

// The calculation tab bar: the tab strip showing the calculation tabs and
// forwarding to them the clicks, the drops and the commands of its popup menu
// PPmTab. Everything the tabs do is in TOngletsCalculs; this widget only shows
// and forwards.
class TdcTabControl : public TCustomTabsXo {
    Q_OBJECT
public:
    explicit TdcTabControl(QWidget* parent = nullptr);
    ~TdcTabControl() override;

    TOngletsCalculs& Onglets() { return *FOnglets; }
    TBandeOnglets& Bande();

    // The popup menu and the action of each of its commands.
    QMenu* PPmTab() const { return FPPmTab; }
    QAction* ActionMenu(TCommandeOnglet commande) const { return FActions.value(commande); }
    // Runs before the menu opens (the main window records pending edits).
    void setOnAvantMenu(std::function<void()> hook) { FOnAvantMenu = std::move(hook); }
    // Runs a command of the menu; without it the tabs run it themselves.
    void setOnCommande(std::function<void(TCommandeOnglet)> hook) { FOnCommande = std::move(hook); }
    // Tells whether a command is enabled; without it the tabs tell.
    void setOnCommandePossible(std::function<bool(TCommandeOnglet)> hook) { FOnCommandePossible = std::move(hook); }
    // What opening the menu does before it shows: the hook, then each entry
    // enabled as the selection and the clipboard allow.
    void PreparerMenu();

    // Binds the bar's events to the main window's handlers: tabs changed,
    // selection changed or about to change, caption colours, the menu's
    // opening and its commands. The handlers must outlive the bar or be
    // unbound first (Debrancher).
    void Brancher(TLiaisonOnglets& liaison);
    void Debrancher();

protected:
    bool CanChangeSel(int ixNvTab, const QString& SelSrt) override;
    void ChangeSel() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    class AdaptateurBande;
    void Commande(TCommandeOnglet commande);

    std::unique_ptr<AdaptateurBande> FBande;
    std::unique_ptr<TOngletsCalculs> FOnglets;
    QMenu* FPPmTab; // child widget
    QMap<TCommandeOnglet, QAction*> FActions;
    std::function<void()> FOnAvantMenu;
    std::function<void(TCommandeOnglet)> FOnCommande;
    std::function<bool(TCommandeOnglet)> FOnCommandePossible;
};
