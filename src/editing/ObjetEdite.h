#pragma once

#include <QtGlobal>

// Base of every object the data control edits (the general page and the
// calculations of the tabs). The undo history names such objects by identity;
// every live object is registered so that an identity read back from the
// history is only ever turned into an object that still exists.
class TObjetEdite {
public:
    TObjetEdite();
    TObjetEdite(const TObjetEdite& other);
    TObjetEdite& operator=(const TObjetEdite& other);
    virtual ~TObjetEdite();

    // The live object with this identity, or nullptr when there is none.
    static TObjetEdite* ParIdentite(quintptr identite);
};
