#include "shell/TabStripSelection.h"

#include "QStringPrint.h"

#include <gtest/gtest.h>

namespace {

struct CasClic {
    const char* avant;
    int ix;
    TModeSelection mode;
    bool multi;
    const char* apres;
    const char* cas;
};

constexpr auto Simple = TModeSelection::Simple;
constexpr auto Plage = TModeSelection::Plage;
constexpr auto Bascule = TModeSelection::Bascule;

} // namespace

TEST(TabStripSelection, ClickOnATab)
{
    const CasClic cas[] = {
        {"  x X ", 1, Simple, true, " X    ", "plain click selects the tab alone"},
        {"      ", 3, Simple, true, "   X  ", "plain click on an empty selection"},
        {"  x   ", 4, Plage, true, "    X ", "Shift without an anchor acts as a plain click"},
        {"  X   ", 5, Plage, true, "  Xxxx", "Shift from the anchor at 2 to 5"},
        {"  Xxxx", 1, Plage, true, " xX   ", "then Shift on 1 keeps 1 and 2 only"},
        {"  X   ", 2, Plage, true, "  X   ", "Shift on the anchor itself"},
        {" x X  ", 4, Bascule, true, " x xX ", "Ctrl adds a tab, which becomes the anchor"},
        {" x X  ", 3, Bascule, true, " x    ", "Ctrl on the anchor deselects it and leaves no anchor"},
        {" x X  ", 1, Bascule, true, "   X  ", "Ctrl on another selected tab deselects it"},
        {" x X  ", 5, Bascule, false, "     X", "without multiselection Ctrl replaces the selection"},
        {"   X  ", 3, Bascule, false, "      ", "without multiselection Ctrl on the selected tab empties it"},
        {"  X   ", 5, Plage, false, "     X", "without multiselection Shift selects the clicked tab"},
        {"X", 3, Simple, true, "   X", "marks shorter than the clicked tab are padded"},
        {"x", 3, Bascule, true, "x  X", "padding keeps the other marks"},
        {"X", 2, Plage, true, "Xxx", "padding before a range"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(MarquesApresClic(QString::fromLatin1(c.avant), c.ix, c.mode, c.multi), QString::fromLatin1(c.apres))
            << c.cas;
}

TEST(TabStripSelection, CtrlWinsOverShift)
{
    EXPECT_EQ(ModeSelection(false, false), TModeSelection::Simple);
    EXPECT_EQ(ModeSelection(false, true), TModeSelection::Plage);
    EXPECT_EQ(ModeSelection(true, false), TModeSelection::Bascule);
    EXPECT_EQ(ModeSelection(true, true), TModeSelection::Bascule);
}
