#pragma once

#include "util/ObjetEdite.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Tab strip content: the tabs of a tab strip as three parallel lists:
// captions, attached objects and selection marks. It knows nothing of what the
// objects are (edited objects, never owned): it hands them back unchanged, and
// ObjetType gives the tab bar the type it put there.
class TabStripContent {
public:
    // Marks of FSelTabs: a blank for an unselected tab, the anchor of the
    // selection, any other selected tab.
    static constexpr QChar kNonSelectionne = u' ';
    static constexpr QChar kAncre = u'X';
    static constexpr QChar kSelectionne = u'x';

    int TabsCount() const { return static_cast<int>(FTabs.size()); }

    // Appends an unselected tab and returns its index.
    int AddTabObjet(const QString& value, TObjetEdite* Obj);
    // Inserts an unselected tab at index (0 to TabsCount()); ERangeError otherwise.
    void InsertTabObjet(int index, const QString& value, TObjetEdite* Obj);
    // ERangeError when there is no such tab.
    void DeleteTab(int index);

    QString GetTab(int index) const;
    void SetTab(int index, const QString& value);
    TObjetEdite* GetObjet(int index) const;
    // The object of a tab as the type the tab bar gave it; nullptr when it is
    // of another type or there is none.
    template <typename T>
    T* ObjetType(int index) const
    {
        return dynamic_cast<T*>(GetObjet(index));
    }
    void SetObjet(int index, TObjetEdite* value);
    // Index of the first tab carrying Obj, -1 when none.
    int IndexObjet(const TObjetEdite* Obj) const;

    // False when there is no such tab.
    bool GetSelection(int index) const;
    // true: the tab becomes the anchor, the former anchor stays selected;
    // false: the tab is deselected.
    void SetSelection(int index, bool value);
    void DeSelect();
    // First selected index (-1 when none) and the number of selected tabs.
    void InfoSelection(int& ixdebsel0, int& nbsel) const;

    // One mark per tab.
    const QString& SelTabs() const { return FSelTabs; }
    // Replaces the marks; a shorter text leaves the remaining tabs unselected.
    void SetSelTabs(const QString& marks);

    // Some caption equals nom, ignoring letter case.
    bool ExisteTab(const QString& nom) const;

    // Captions separated by CR LF, TAB, the object identities in decimal
    // separated by spaces; with ycsel, TAB, premierTab, TAB and the marks.
    QString TCtoStr(bool ycsel, int premierTab) const;

    // An identity as written in TCtoStr, and back (nullptr for "0" or garbage).
    static QString IdentiteTexte(const TObjetEdite* Obj);
    static TObjetEdite* ObjetDeTexte(const QString& identite);

private:
    void VerifierIndex(int index, int limite) const;

    QStringList FTabs;
    QList<TObjetEdite*> Fobjets;
    QString FSelTabs;
};
