#include "shell/TabStripContent.h"
#include "util/Errors.h"

#include "QStringPrint.h"

#include <gtest/gtest.h>

namespace {

// Three tabs a, b, c carrying three local objects.
struct TroisOnglets : ::testing::Test {
    TObjetEdite oa, ob, oc;
    TabStripContent tabs;
    void SetUp() override
    {
        tabs.AddTabObjet(QStringLiteral("a"), &oa);
        tabs.AddTabObjet(QStringLiteral("b"), &ob);
        tabs.AddTabObjet(QStringLiteral("c"), &oc);
    }
    QString Captions() const
    {
        QString s;
        for (int i = 0; i < tabs.TabsCount(); ++i)
            s += tabs.GetTab(i);
        return s;
    }
};

} // namespace

TEST(TabStripContent, EmptyStripHasNoTabAndAnEmptyText)
{
    TabStripContent tabs;
    EXPECT_EQ(tabs.TabsCount(), 0);
    EXPECT_FALSE(tabs.GetSelection(0));
    EXPECT_EQ(tabs.TCtoStr(false, 0), QStringLiteral("\t"));
    int ix = 99, nb = 99;
    tabs.InfoSelection(ix, nb);
    EXPECT_EQ(ix, -1);
    EXPECT_EQ(nb, 0);
}

TEST_F(TroisOnglets, TextHoldsCaptionsObjectsScrollAndMarks)
{
    tabs.SetObjet(1, nullptr);
    tabs.SetSelection(2, true);
    const QString objets = QString::number(oa.NumeroSerie()) + QStringLiteral(" 0 ")
                           + QString::number(oc.NumeroSerie());
    EXPECT_EQ(tabs.TCtoStr(false, 1), QStringLiteral("a\r\nb\r\nc\t") + objets);
    EXPECT_EQ(tabs.TCtoStr(true, 1), QStringLiteral("a\r\nb\r\nc\t") + objets + QStringLiteral("\t1\t  X"));
}

TEST_F(TroisOnglets, IdentitiesReadBackToTheSameObjects)
{
    const QStringList identites = tabs.TCtoStr(false, 0).section(u'\t', 1).split(u' ');
    ASSERT_EQ(identites.size(), 3);
    EXPECT_EQ(TabStripContent::ObjetDeTexte(identites[0]), &oa);
    EXPECT_EQ(TabStripContent::ObjetDeTexte(identites[2]), &oc);
    EXPECT_EQ(TabStripContent::ObjetDeTexte(TabStripContent::IdentiteTexte(&ob)), &ob);
    EXPECT_EQ(TabStripContent::ObjetDeTexte(QStringLiteral("0")), nullptr);
    EXPECT_EQ(TabStripContent::ObjetDeTexte(QStringLiteral("abc")), nullptr);
    // An object freed since is never found again, whatever takes its place.
    QString disparu;
    {
        TObjetEdite temporaire;
        disparu = TabStripContent::IdentiteTexte(&temporaire);
    }
    TObjetEdite suivant;
    EXPECT_EQ(TabStripContent::ObjetDeTexte(disparu), nullptr);
}

TEST_F(TroisOnglets, TheTabBarReadsItsObjectsWithTheirType)
{
    struct Page : TObjetEdite {};
    Page page;
    tabs.SetObjet(1, &page);
    EXPECT_EQ(tabs.ObjetType<Page>(1), &page);
    EXPECT_EQ(tabs.ObjetType<Page>(0), nullptr) << "another type";
    tabs.SetObjet(1, nullptr);
    EXPECT_EQ(tabs.ObjetType<Page>(1), nullptr);
}

TEST_F(TroisOnglets, InsertAndDeleteKeepTheThreeListsParallel)
{
    tabs.SetSelection(1, true); // b is the anchor
    TObjetEdite on;
    tabs.InsertTabObjet(1, QStringLiteral("n"), &on);
    EXPECT_EQ(Captions(), QStringLiteral("anbc"));
    EXPECT_EQ(tabs.SelTabs(), QStringLiteral("  X "));
    EXPECT_EQ(tabs.GetObjet(1), &on);
    EXPECT_EQ(tabs.GetObjet(2), &ob);

    tabs.DeleteTab(0);
    EXPECT_EQ(Captions(), QStringLiteral("nbc"));
    EXPECT_EQ(tabs.SelTabs(), QStringLiteral(" X "));
    EXPECT_EQ(tabs.IndexObjet(&oc), 2);
    EXPECT_EQ(tabs.IndexObjet(&oa), -1);

    tabs.InsertTabObjet(3, QStringLiteral("z"), nullptr); // at the end
    EXPECT_EQ(Captions(), QStringLiteral("nbcz"));
}

TEST_F(TroisOnglets, IndexObjetFindsTheFirstTabCarryingIt)
{
    tabs.SetObjet(2, &oa);
    EXPECT_EQ(tabs.IndexObjet(&oa), 0);
    EXPECT_EQ(tabs.IndexObjet(nullptr), -1);
}

TEST_F(TroisOnglets, IndicesOutsideTheTabsAreRefused)
{
    const struct {
        const char* operation;
        std::function<void()> appel;
    } cas[] = {
        {"InsertTabObjet(-1)", [&] { tabs.InsertTabObjet(-1, QStringLiteral("n"), nullptr); }},
        {"InsertTabObjet(4)", [&] { tabs.InsertTabObjet(4, QStringLiteral("n"), nullptr); }},
        {"DeleteTab(3)", [&] { tabs.DeleteTab(3); }},
        {"DeleteTab(-1)", [&] { tabs.DeleteTab(-1); }},
        {"GetTab(3)", [&] { (void)tabs.GetTab(3); }},
        {"SetTab(3)", [&] { tabs.SetTab(3, QStringLiteral("n")); }},
        {"GetObjet(-1)", [&] { (void)tabs.GetObjet(-1); }},
        {"SetObjet(3)", [&] { tabs.SetObjet(3, nullptr); }},
        {"SetSelection(3)", [&] { tabs.SetSelection(3, true); }},
    };
    for (const auto& c : cas) {
        EXPECT_THROW(c.appel(), ERangeError) << c.operation;
        EXPECT_EQ(Captions(), QStringLiteral("abc")) << c.operation;
        EXPECT_EQ(tabs.SelTabs(), QStringLiteral("   ")) << c.operation;
    }
}

TEST_F(TroisOnglets, CaptionWithALineBreakStaysOneTab)
{
    tabs.SetTab(1, QStringLiteral("deux\r\nlignes"));
    tabs.AddTabObjet(QStringLiteral("x\ny"), nullptr);
    EXPECT_EQ(tabs.TabsCount(), 4);
    EXPECT_EQ(tabs.GetTab(1), QStringLiteral("deux  lignes"));
    EXPECT_EQ(tabs.GetTab(3), QStringLiteral("x y"));
    EXPECT_EQ(tabs.TCtoStr(false, 0).section(u'\t', 0, 0).split(QStringLiteral("\r\n")).size(), 4);
}

TEST(TabStripContent, SingleTabWithAnEmptyCaptionIsStillATab)
{
    TabStripContent tabs;
    tabs.AddTabObjet(QString(), nullptr);
    EXPECT_EQ(tabs.TabsCount(), 1);
    EXPECT_EQ(tabs.GetTab(0), QString());
}

TEST_F(TroisOnglets, ExisteTabIgnoresLetterCase)
{
    tabs.SetTab(1, QStringLiteral("Étage"));
    const struct {
        const char* nom;
        bool existe;
    } cas[] = {{"A", true}, {"c", true}, {"ÉTAGE", true}, {"étage", true}, {"d", false}, {"", false}, {"a ", false}};
    for (const auto& c : cas)
        EXPECT_EQ(tabs.ExisteTab(QString::fromUtf8(c.nom)), c.existe) << c.nom;
}

TEST_F(TroisOnglets, SetSelectionMovesTheAnchorAndInfoSelectionCounts)
{
    tabs.SetSelection(2, true);
    tabs.SetSelection(1, true);
    EXPECT_EQ(tabs.SelTabs(), QStringLiteral(" Xx"));
    int ix = -2, nb = -2;
    tabs.InfoSelection(ix, nb);
    EXPECT_EQ(ix, 1);
    EXPECT_EQ(nb, 2);

    tabs.SetSelection(1, false); // no anchor left, c stays selected
    EXPECT_EQ(tabs.SelTabs(), QStringLiteral("  x"));
    EXPECT_TRUE(tabs.GetSelection(2));
    EXPECT_FALSE(tabs.GetSelection(1));

    tabs.DeSelect();
    tabs.InfoSelection(ix, nb);
    EXPECT_EQ(ix, -1);
    EXPECT_EQ(nb, 0);
}

TEST_F(TroisOnglets, SetSelTabsFitsTheMarksToTheTabs)
{
    tabs.SetSelTabs(QStringLiteral("X"));
    EXPECT_EQ(tabs.SelTabs(), QStringLiteral("X  "));
    tabs.SetSelTabs(QStringLiteral(" x X "));
    EXPECT_EQ(tabs.SelTabs(), QStringLiteral(" x "));
}
