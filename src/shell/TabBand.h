#pragma once

#include <QString>

class TObjetEdite;

// What the calculation tabs need of a tab strip: its tabs (caption, object,
// selection mark), its change event and its scrolling. The widget strip and
// the headless strip both provide it, so that every tab command runs and is
// tested without a window.
class TBandeOnglets {
public:
    TBandeOnglets() = default;
    TBandeOnglets(const TBandeOnglets&) = delete;
    TBandeOnglets& operator=(const TBandeOnglets&) = delete;
    virtual ~TBandeOnglets() = default;

    virtual int TabsCount() const = 0;
    // Adding, inserting and deleting a tab fire the change event, as the strip does.
    virtual int AddTabObjet(const QString& value, TObjetEdite* Obj) = 0;
    virtual void InsertTabObjet(int index, const QString& value, TObjetEdite* Obj) = 0;
    virtual void DeleteTab(int index) = 0;

    virtual QString GetTab(int index) const = 0;
    virtual void SetTab(int index, const QString& value) = 0;
    virtual TObjetEdite* GetObjet(int index) const = 0;
    virtual void SetObjet(int index, TObjetEdite* value) = 0;
    virtual int IndexObjet(const TObjetEdite* Obj) const = 0;

    // Selection without events.
    virtual bool GetSelection(int index) const = 0;
    virtual void SetSelection(int index, bool value) = 0;
    virtual void DeSelect() = 0;
    virtual void InfoSelection(int& ixdebsel0, int& nbsel) const = 0;

    virtual bool ExisteTab(const QString& nom) const = 0;
    // Captions and objects of the tabs (with the scroll position and the
    // marks when ycsel): the tab list text a document fingerprints.
    virtual QString TCtoStr(bool ycsel) const = 0;

    // Fires the strip's change event.
    virtual void Change() = 0;
    // Scrolls so that tab ix is fully visible, then repaints.
    virtual void RendreVisible(int ix) = 0;
    virtual void Repeindre() = 0;
};
