#include "shell/TabBandMemory.h"

#include "shell/TabStripSelection.h"

#include <algorithm>

int TBandeOngletsMemoire::AddTabObjet(const QString& value, TObjetEdite* Obj)
{
    const int index = FContenu.AddTabObjet(value, Obj);
    Change();
    return index;
}

void TBandeOngletsMemoire::InsertTabObjet(int index, const QString& value, TObjetEdite* Obj)
{
    FContenu.InsertTabObjet(index, value, Obj);
    Change();
}

void TBandeOngletsMemoire::DeleteTab(int index)
{
    FContenu.DeleteTab(index);
    FPremierTab = std::clamp(FPremierTab, 0, std::max(TabsCount() - 1, 0));
    Change();
}

TObjetEdite* TBandeOngletsMemoire::GetObjet(int index) const
{
    return FContenu.GetObjet(index);
}

void TBandeOngletsMemoire::SetObjet(int index, TObjetEdite* value) { FContenu.SetObjet(index, value); }

void TBandeOngletsMemoire::Change()
{
    if (OnChange)
        OnChange();
}

void TBandeOngletsMemoire::RendreVisible(int ix)
{
    if (ix >= 0 && ix < TabsCount())
        FPremierTab = std::min(FPremierTab, ix);
}

bool TBandeOngletsMemoire::Cliquer(int ix, bool ctrl, bool shift)
{
    if (ix < 0 || ix >= TabsCount())
        return false;
    const QString S = MarquesApresClic(FContenu.SelTabs(), ix, ModeSelection(ctrl, shift), true);
    if (CanChangeSel && !CanChangeSel(ix, S))
        return false;
    if (OnSelectTab) {
        for (int i = 0; i < S.size(); ++i) {
            if (S.at(i) == TabStripContent::kNonSelectionne)
                continue;
            bool CanSelect = true;
            OnSelectTab(i, CanSelect);
            if (!CanSelect)
                return false;
        }
    }
    FContenu.SetSelTabs(S);
    RendreVisible(ix);
    if (OnChangeSel)
        OnChangeSel();
    return true;
}
