#pragma once

#include "shell/TabStripContent.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QPainter;
class TTabsNavButton;

// Tab strip.
// A row of tabs drawn by the strip itself, with four navigation buttons at its
// right end. Each tab has a caption, an attached object (never owned) and a
// selection mark; Shift and Ctrl extend the selection, dragging selected tabs
// reports where they were dropped, and the row scrolls when it is wider than
// the strip. It knows nothing of what the objects mean: a derived class gives
// them their meaning.
class TCustomTabsXo : public QWidget {
    Q_OBJECT
public:
    using TDrawTabEvent = std::function<void(int ix, QPainter& Cv, bool& PeindreFond)>;
    using TNotifyEvent = std::function<void(TCustomTabsXo& Sender)>;
    using TDropTabsEvent = std::function<void(int ix)>;
    using TSelectTabEvent = std::function<void(int ix, bool& CanSelect)>;

    explicit TCustomTabsXo(QWidget* parent = nullptr);
    ~TCustomTabsXo() override;

    int TabsCount() const { return FContenu.TabsCount(); }
    // Append an unselected tab, scroll to show it, fire Change; return its index.
    int AddTab(const QString& value) { return AddTabObjet(value, nullptr); }
    int AddTabObjet(const QString& value, TObjetEdite* Obj);
    // Insert an unselected tab at index (0 to TabsCount()), scroll to show it,
    // fire Change. ERangeError for another index.
    void InsertTab(int index, const QString& value) { InsertTabObjet(index, value, nullptr); }
    void InsertTabObjet(int index, const QString& value, TObjetEdite* Obj);
    // Remove a tab and fire Change. ERangeError when there is no such tab.
    void DeleteTab(int index);

    // Captions and objects change without any event. ERangeError for a missing tab.
    QString GetTab(int index) const { return FContenu.GetTab(index); }
    void SetTab(int index, const QString& value);
    TObjetEdite* GetObjet(int index) const { return FContenu.GetObjet(index); }
    template <typename T>
    T* ObjetType(int index) const
    {
        return FContenu.ObjetType<T>(index);
    }
    void SetObjet(int index, TObjetEdite* value) { FContenu.SetObjet(index, value); }
    int IndexObjet(const TObjetEdite* Obj) const { return FContenu.IndexObjet(Obj); }

    // Selection without events.
    bool GetSelection(int index) const { return FContenu.GetSelection(index); }
    void SetSelection(int index, bool value);
    virtual void DeSelect();
    void InfoSelection(int& ixdebsel0, int& nbsel) const { FContenu.InfoSelection(ixdebsel0, nbsel); }
    // One mark per tab: ' ', 'X' for the anchor, 'x' for the other selected tabs.
    const QString& SelTabs() const { return FContenu.SelTabs(); }

    bool ExisteTab(const QString& nom) const { return FContenu.ExisteTab(nom); }
    QString TCtoStr(bool ycsel) const { return FContenu.TCtoStr(ycsel, FPremierTab); }

    // Navigation button 0 ("DEB") to 3 ("FIN"); nullptr for another index.
    TTabsNavButton* GetBtn(int index) const;
    // What a click on navigation button FIndex (1 "DEB" to 4 "FIN") does.
    void Naviguer(int FIndex);
    // What a left click on tab ix with these modifiers does (assistive
    // technologies press a tab through it).
    void CliquerOnglet(int ix, Qt::KeyboardModifiers modifiers = {}) { Selectionner(ix, modifiers); }

    int MargeHaute() const { return FMargeHaute; }
    void setMargeHaute(int v);
    int TabsHeight() const { return FTabsHeight; }
    // Raised to at least 19, then limited to the strip's height - 5.
    void setTabsHeight(int v);
    bool TabsBoutons() const { return FTabsBoutons; }
    void setTabsBoutons(bool v);
    bool MultiSelect() const { return FMultiSelect; }
    void setMultiSelect(bool v) { FMultiSelect = v; }

    // Index of the first visible tab.
    int PremierTab() const { return FPremierTab; }
    // Width of the zone where tabs are drawn: the strip's width - 70.
    int ZoneTabsWidth() const;
    // Scroll so that tab ix is fully visible (no repaint).
    void AjusterPremier(int ix);
    // Width of tab i in the strip's font: caption + 20, 50 for no tab.
    int LargeurOnglet(int i) const;
    // Left edge of tab ix in the strip (tabs before the first visible one
    // lie at negative x).
    int GaucheOnglet(int ix) const;

    // Drag state: drop position (-1 when no drag runs), scrolling asked
    // (-1 left, +1 right, 0 none), the drag timer, x of the last press.
    int DraggingTabsIndex() const { return FdraggingTabsIndex; }
    int MoveTabs() const { return FMoveTabs; }
    QTimer& RptTimer() { return FRptTimer; }
    int XDernierAppui() const { return XmsDown; }

    void setOnDrawTab(TDrawTabEvent handler) { FOnDrawTab = std::move(handler); }
    void setOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }
    void setOnChangeSel(TNotifyEvent handler) { FOnChangeSel = std::move(handler); }
    void setOnDropTabs(TDropTabsEvent handler) { FOnDropTabs = std::move(handler); }
    void setOnSelectTab(TSelectTabEvent handler) { FOnSelectTab = std::move(handler); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // May the selection become the marks SelSrt after a click on tab ixNvTab?
    virtual bool CanChangeSel(int ixNvTab, const QString& SelSrt);
    virtual void Change();
    virtual void ChangeSel();

    // A left press on tab ix with these modifiers.
    void Selectionner(int ix, Qt::KeyboardModifiers Shift);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<int> Largeurs() const;
    void AjusterGeometrie();
    void PlacerBoutons();
    void TickGlissement();
    void PeindreBoutons(QPainter& p);
    void PeindreClasseur(QPainter& p);
    void PeindreOnglets(QPainter& p, bool styleBoutons);
    void PeindreMarqueDepot(QPainter& p);

    TabStripContent FContenu;
    QTimer FRptTimer;
    std::array<TTabsNavButton*, 4> Fbtns{}; // owned by the strip as child widgets
    int XmsDown = 0;
    int FMoveTabs = 0;
    int FdraggingTabsIndex = -1;
    int FMargeHaute = 0;
    int FTabsHeight = 0;
    int FPremierTab = 0;
    bool FMultiSelect = true;
    bool FTabsBoutons = false;
    int FXGlissement = 0; // last pointer x of the running drag
    TDrawTabEvent FOnDrawTab;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChangeSel;
    TDropTabsEvent FOnDropTabs;
    TSelectTabEvent FOnSelectTab;
};
