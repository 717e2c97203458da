#pragma once

#include <QString>

// What a left click on a tab does to the selection marks of a tab strip
// (see TabStripContent for the marks).
enum class TModeSelection {
    Simple, // the clicked tab alone
    Plage,  // Shift: from the anchor to the clicked tab
    Bascule // Ctrl: the clicked tab in or out of the selection
};

// Ctrl wins over Shift.
TModeSelection ModeSelection(bool ctrl, bool shift);

// The marks after a click on tab ix (marks shorter than ix + 1 are padded with
// blanks). A range without an anchor, and any range when several tabs may not
// be selected, acts as a plain click. Without multiSelect only the anchor can
// stay selected.
QString MarquesApresClic(const QString& marques, int ix, TModeSelection mode, bool multiSelect);
