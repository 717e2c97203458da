#pragma once

#include <cstdint>

// Serial number: the identity under which the undo history and the tab lists
// name an edited object or a relay. Numbers are given in increasing order and
// never given twice in a process, so a record that outlives its object can
// never reach another object created later at the same address. 0 names no
// object.
using TNumeroSerie = std::uint64_t;

// A serial number never given before in this process.
TNumeroSerie NouveauNumeroSerie();

// Edited object: base of everything the data control edits (the general page
// and the calculations of the tabs). Every live object is registered under
// its serial number, so that a number read back from the history is only ever
// turned into the object that received it, while it lives.
class TObjetEdite {
public:
    TObjetEdite();
    // A copy is a new object with its own number.
    TObjetEdite(const TObjetEdite& other);
    TObjetEdite& operator=(const TObjetEdite& other);
    virtual ~TObjetEdite();

    TNumeroSerie NumeroSerie() const { return FNumeroSerie; }

    // The live object with this number, or nullptr when it was freed (or never was).
    static TObjetEdite* ParNumero(TNumeroSerie numero);

private:
    const TNumeroSerie FNumeroSerie;
};
