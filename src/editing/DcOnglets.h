#pragma once

#include <QList>
#include <QString>

class TObjetEdite;

// Tab bar, as the data control sees it.
// What a data control asks of the tab bar bound to it: the objects of the
// selected tabs, selecting the tabs of given objects, and replaying the tab
// records it put in the history (the tab bar knows their meaning, the history
// only moves them between its lists).
class TdcOnglets {
public:
    TdcOnglets() = default;
    TdcOnglets(const TdcOnglets&) = delete;
    TdcOnglets& operator=(const TdcOnglets&) = delete;
    // Every data control bound to this tab bar forgets it.
    virtual ~TdcOnglets();

    // The objects of the selected tabs, in tab order.
    virtual QList<TObjetEdite*> ObjTabsSel() const = 0;
    // Selects exactly the tabs of the listed objects that have one.
    virtual void SetObjSel(const QList<TObjetEdite*>& objs) = 0;
    // Replays a tab record; sens is 11 (undo) or 12 (redo).
    virtual void ActionOnglet(int sens, const QString& donnees) = 0;
};
