#include "shell/TabStripGeometry.h"

#include <gtest/gtest.h>
#include <vector>

using namespace TabStripGeometry;

namespace {

// Five tabs 50, 60, 70, 80 and 90 pixels wide (350 in all).
const std::vector<int> kLargeurs{50, 60, 70, 80, 90};

} // namespace

TEST(TabStripGeometry, FullVisibility)
{
    const struct {
        int premier, zone, ix;
        bool visible;
    } cas[] = {
        {0, 150, 0, true},   {0, 150, 1, true},  {0, 150, 2, false}, // 180 > 150
        {1, 150, 2, true},   {1, 150, 3, false}, {2, 150, 3, true},  // 70 + 80 = 150 exactly
        {3, 150, 1, false},                                          // before the first visible tab
        {4, 10, 4, true},                                            // the first visible tab always is
        {0, 400, 4, true},   {0, 400, 5, false},                     // no such tab
    };
    for (const auto& c : cas)
        EXPECT_EQ(EstVisible(kLargeurs, c.premier, c.zone, c.ix), c.visible)
            << "premier " << c.premier << " zone " << c.zone << " ix " << c.ix;
}

TEST(TabStripGeometry, AjusterPremierScrollsJustEnough)
{
    const struct {
        int premier, ix, attendu;
    } cas[] = {
        {0, 1, 0}, // already visible
        {0, 3, 2}, // 70 + 80 fits 150
        {0, 4, 4}, // 80 + 90 does not
        {3, 1, 1}, // back to a tab on the left
        {2, 9, 2}, // no such tab: unchanged
        {2, -1, 2},
    };
    for (const auto& c : cas)
        EXPECT_EQ(AjusterPremier(kLargeurs, c.premier, 150, c.ix), c.attendu) << "premier " << c.premier << " ix " << c.ix;
}

TEST(TabStripGeometry, NavigationButtons)
{
    const std::vector<int> aucun;
    const struct {
        const std::vector<int>* largeurs;
        int premier, zone;
        Bouton bouton;
        int attendu;
        const char* cas;
    } cas[] = {
        {&kLargeurs, 3, 150, Bouton::DEB, 0, "DEB goes to the first tab"},
        {&kLargeurs, 2, 150, Bouton::PREC, 1, "PREC one back"},
        {&kLargeurs, 0, 150, Bouton::PREC, 0, "PREC stops at the first tab"},
        {&kLargeurs, 2, 150, Bouton::SVT, 3, "SVT one on"},
        {&kLargeurs, 4, 150, Bouton::SVT, 4, "SVT stops at the last tab"},
        {&kLargeurs, 0, 150, Bouton::FIN, 4, "FIN until the last tab is fully visible"},
        {&kLargeurs, 0, 250, Bouton::FIN, 2, "FIN stops as soon as it is"},
        {&kLargeurs, 0, 400, Bouton::FIN, 0, "FIN does nothing when every tab fits"},
        {&kLargeurs, 0, 10, Bouton::FIN, 4, "FIN stops at the last tab in a tiny zone"},
        {&aucun, 0, 150, Bouton::SVT, 0, "no tabs: SVT"},
        {&aucun, 0, 150, Bouton::FIN, 0, "no tabs: FIN"},
        {&aucun, 0, 150, Bouton::PREC, 0, "no tabs: PREC"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Naviguer(*c.largeurs, c.premier, c.zone, c.bouton), c.attendu) << c.cas;
}

TEST(TabStripGeometry, TabUnderThePointer)
{
    const struct {
        int premier, x, attendu;
    } cas[] = {
        {1, 0, 1},    {1, 59, 1},   {1, 60, 2},  {1, 129, 2}, {1, 130, 3}, // tab 3 starts inside the zone
        {1, 149, 3},  {1, 150, -1},                                          // outside the zone
        {1, -1, -1},  {0, 0, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(OngletSousX(kLargeurs, c.premier, 150, c.x), c.attendu) << "premier " << c.premier << " x " << c.x;
    // Beyond the last tab.
    EXPECT_EQ(OngletSousX(std::vector<int>{50, 60}, 0, 150, 120), -1);
    EXPECT_EQ(OngletSousX(std::vector<int>{}, 0, 150, 10), -1);
}

TEST(TabStripGeometry, LeftEdges)
{
    EXPECT_EQ(GaucheOnglet(kLargeurs, 2, 2), 0);
    EXPECT_EQ(GaucheOnglet(kLargeurs, 2, 4), 150);
    EXPECT_EQ(GaucheOnglet(kLargeurs, 2, 5), 240);
    EXPECT_EQ(GaucheOnglet(kLargeurs, 2, 0), -110);
}

TEST(TabStripGeometry, DropPositionAndScrolling)
{
    const std::vector<int> troisDe60{60, 60, 60};
    const struct {
        const std::vector<int>* largeurs;
        int premier, zone, x;
        Depot attendu;
        const char* cas;
    } cas[] = {
        {&kLargeurs, 0, 400, 10, {0, 0}, "left of the first middle: before the first tab"},
        {&kLargeurs, 0, 400, 25, {1, 0}, "on a middle: after that tab"},
        {&kLargeurs, 0, 400, 30, {1, 0}, "past the first middle"},
        {&kLargeurs, 0, 400, 340, {5, 0}, "past the last middle: at the end"},
        {&kLargeurs, 0, 400, 5, {0, 0}, "left quarter of tab 0: nothing to scroll to"},
        {&kLargeurs, 1, 150, 10, {1, -1}, "left quarter of the first visible tab scrolls left"},
        {&kLargeurs, 1, 150, 15, {1, 0}, "just past the left quarter"},
        {&kLargeurs, 1, 150, 40, {2, 0}, "among the visible tabs"},
        {&kLargeurs, 1, 150, 140, {3, 0}, "before the cut tab"},
        {&kLargeurs, 1, 150, 146, {3, 1}, "right quarter of the zone's last tab scrolls right"},
        {&troisDe60, 0, 120, 100, {2, 0}, "past the last shown tab: before the hidden one, not at the end"},
        {&troisDe60, 0, 120, 110, {2, 1}, "and scrolling right from there"},
        {&troisDe60, 1, 120, 110, {3, 0}, "last tab fully shown: at the end, no scrolling"},
    };
    for (const auto& c : cas) {
        const Depot d = CalculerDepot(*c.largeurs, c.premier, c.zone, c.x);
        EXPECT_EQ(d.position, c.attendu.position) << c.cas;
        EXPECT_EQ(d.moveTabs, c.attendu.moveTabs) << c.cas;
    }
}

TEST(TabStripGeometry, DragScrollingStopsAtBothEnds)
{
    const struct {
        int premier, zone, moveTabs;
        bool possible;
    } cas[] = {
        {0, 150, -1, false}, {2, 150, -1, true}, {0, 150, 1, true},
        {4, 150, 1, false},  {3, 400, 1, false}, // last tab already fully shown
        {2, 150, 0, false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(DefilementPossible(kLargeurs, c.premier, c.zone, c.moveTabs), c.possible)
            << "premier " << c.premier << " move " << c.moveTabs;
}
