#pragma once

#include "shell/TabBand.h"
#include "shell/TabStripContent.h"

#include <functional>

// A tab strip without a window: the tabs, their selection and the strip's
// events, with the selection a click makes (Shift and Ctrl included). The
// calculation tabs run on it headless, as they run on the widget strip.
class TBandeOngletsMemoire final : public TBandeOnglets {
public:
    using TNotifyEvent = std::function<void()>;
    using TCanChangeSelEvent = std::function<bool(int ixNvTab, const QString& SelSrt)>;
    using TSelectTabEvent = std::function<void(int ix, bool& CanSelect)>;

    int TabsCount() const override { return FContenu.TabsCount(); }
    int AddTabObjet(const QString& value, TObjetEdite* Obj) override;
    void InsertTabObjet(int index, const QString& value, TObjetEdite* Obj) override;
    void DeleteTab(int index) override;
    QString GetTab(int index) const override { return FContenu.GetTab(index); }
    void SetTab(int index, const QString& value) override { FContenu.SetTab(index, value); }
    TObjetEdite* GetObjet(int index) const override;
    void SetObjet(int index, TObjetEdite* value) override;
    int IndexObjet(const TObjetEdite* Obj) const override { return FContenu.IndexObjet(Obj); }
    bool GetSelection(int index) const override { return FContenu.GetSelection(index); }
    void SetSelection(int index, bool value) override { FContenu.SetSelection(index, value); }
    void DeSelect() override { FContenu.DeSelect(); }
    void InfoSelection(int& ixdebsel0, int& nbsel) const override { FContenu.InfoSelection(ixdebsel0, nbsel); }
    bool ExisteTab(const QString& nom) const override { return FContenu.ExisteTab(nom); }
    QString TCtoStr(bool ycsel) const override { return FContenu.TCtoStr(ycsel, FPremierTab); }
    void Change() override;
    // Without widths every tab counts as fully visible once it is the first one.
    void RendreVisible(int ix) override;
    void Repeindre() override {}

    // A left click on tab ix: the selection the strip would make, asked of
    // CanChangeSel and of OnSelectTab, then OnChangeSel. False when refused.
    bool Cliquer(int ix, bool ctrl = false, bool shift = false);

    const QString& SelTabs() const { return FContenu.SelTabs(); }
    int PremierTab() const { return FPremierTab; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeSel;
    TCanChangeSelEvent CanChangeSel;
    TSelectTabEvent OnSelectTab;

private:
    TabStripContent FContenu;
    int FPremierTab = 0;
};
