#include "shell/gui/CustomTabsXo.h"
#include "shell/gui/TabsNavButton.h"

#include "QStringPrint.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimerEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Fires a running timer now, through the same path as its own tick.
void Declencher(QTimer& timer)
{
    ASSERT_TRUE(timer.isActive());
    QTimerEvent tick(timer.timerId());
    QCoreApplication::sendEvent(&timer, &tick);
}

// A strip 600 pixels wide in a small window, holding tabs "Onglet 0" to
// "Onglet 7": more than the tab zone can show at once.
struct StripWindow : ::testing::Test {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TCustomTabsXo* strip = new TCustomTabsXo(window.get());
    std::vector<TObjetEdite> objets = std::vector<TObjetEdite>(8);
    int changes = 0;
    int changesSel = 0;
    std::vector<int> drops;

    void SetUp() override
    {
        window->resize(620, 60);
        strip->setGeometry(0, 0, 600, 29);
        strip->setTabsBoutons(true);
        for (int i = 0; i < 8; ++i)
            strip->AddTabObjet(QStringLiteral("Onglet %1").arg(i), &objets[static_cast<std::size_t>(i)]);
        strip->Naviguer(1); // back to the first tab
        strip->setOnChange([this](TCustomTabsXo& sender) {
            EXPECT_EQ(&sender, strip);
            ++changes;
        });
        strip->setOnChangeSel([this](TCustomTabsXo&) { ++changesSel; });
        strip->setOnDropTabs([this](int ix) { drops.push_back(ix); });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_LE(strip->GaucheOnglet(6), strip->ZoneTabsWidth()) << "tabs 0 to 5 must be fully shown";
        ASSERT_GT(strip->GaucheOnglet(8), strip->ZoneTabsWidth()) << "the last tab must not be";
    }

    int MilieuY() const { return strip->MargeHaute() + strip->TabsHeight() / 2; }
    // The middle of tab ix as it lies on screen now.
    QPoint Centre(int ix) const { return {strip->GaucheOnglet(ix) + strip->LargeurOnglet(ix) / 2, MilieuY()}; }
    void Cliquer(int ix, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(strip, Qt::LeftButton, mods, Centre(ix));
    }
    // Scroll with "DEB" then "SVT" until tab premier is the first shown.
    void DefilerA(int premier)
    {
        strip->Naviguer(1);
        for (int i = 0; i < premier; ++i)
            strip->Naviguer(3);
    }
    // Index of the last tab whose left edge lies inside the zone.
    int DernierAffiche() const
    {
        int ix = strip->PremierTab();
        while (ix + 1 < strip->TabsCount() && strip->GaucheOnglet(ix + 1) < strip->ZoneTabsWidth())
            ++ix;
        return ix;
    }
};

} // namespace

TEST(CustomTabsXo, DefaultsAtCreation)
{
    TCustomTabsXo strip;
    EXPECT_EQ(strip.width(), 241);
    EXPECT_EQ(strip.height(), 29);
    EXPECT_EQ(strip.MargeHaute(), 0);
    EXPECT_EQ(strip.TabsHeight(), 24);
    EXPECT_TRUE(strip.MultiSelect());
    EXPECT_EQ(strip.DraggingTabsIndex(), -1);
    EXPECT_EQ(strip.MoveTabs(), 0);
    EXPECT_FALSE(strip.RptTimer().isActive());
    EXPECT_EQ(strip.RptTimer().interval(), 400);
    EXPECT_EQ(strip.ZoneTabsWidth(), 241 - 70);
    EXPECT_EQ(strip.TabsCount(), 0);
    EXPECT_EQ(strip.GetBtn(4), nullptr);
    EXPECT_EQ(strip.GetBtn(-1), nullptr);
}

TEST(CustomTabsXo, NavigationButtonsSitAtTheRightEnd)
{
    QWidget window;
    window.resize(600, 60);
    auto* strip = new TCustomTabsXo(&window);
    window.show();
    const char* const noms[] = {"TABSNAVBUTTON_DEB", "TABSNAVBUTTON_PREC", "TABSNAVBUTTON_SVT", "TABSNAVBUTTON_FIN"};
    for (const int largeur : {241, 500}) {
        for (const int marge : {0, 6}) {
            strip->setMargeHaute(marge);
            strip->setGeometry(0, 0, largeur, 40);
            EXPECT_EQ(strip->ZoneTabsWidth(), largeur - 70);
            for (int i = 0; i < 4; ++i) {
                const TTabsNavButton* btn = strip->GetBtn(i);
                ASSERT_NE(btn, nullptr);
                EXPECT_EQ(btn->objectName(), QString::fromLatin1(noms[i]));
                EXPECT_EQ(btn->Index(), i + 1);
                EXPECT_EQ(btn->geometry(), QRect(largeur - 69 + 17 * i, marge + 3, 17, 17))
                    << "width " << largeur << " margin " << marge << " button " << i;
            }
        }
    }
}

TEST(CustomTabsXo, SizeIsAdjustedToTheFirstVisibleTabAndTheMargin)
{
    QWidget window;
    auto* strip = new TCustomTabsXo(&window);
    strip->AddTab(QStringLiteral("court"));
    strip->AddTab(QStringLiteral("un nom d'onglet vraiment très long pour la bande"));
    EXPECT_EQ(strip->PremierTab(), 1); // scrolled to show the new tab
    strip->Naviguer(1);
    strip->setGeometry(0, 0, 50, 10);
    EXPECT_EQ(strip->width(), strip->LargeurOnglet(0) + 88);
    EXPECT_EQ(strip->height(), 29);

    strip->Naviguer(4); // the long tab becomes the first visible one
    strip->setGeometry(0, 0, 50, 10);
    EXPECT_EQ(strip->PremierTab(), 1);
    EXPECT_EQ(strip->width(), strip->LargeurOnglet(1) + 88);
    EXPECT_GT(strip->LargeurOnglet(1), strip->LargeurOnglet(0));

    strip->setMargeHaute(12);
    EXPECT_GE(strip->height(), 12 + 29);
    strip->Naviguer(1);
    strip->setGeometry(0, 0, 400, 500);
    EXPECT_EQ(strip->width(), 400);
    EXPECT_EQ(strip->height(), 500);
    EXPECT_EQ(strip->LargeurOnglet(-1), 50);
    EXPECT_EQ(strip->LargeurOnglet(2), 50);
}

TEST(CustomTabsXo, TabsHeightStaysWithinLimits)
{
    TCustomTabsXo strip;
    strip.resize(241, 40);
    const struct {
        int demande, attendu;
    } cas[] = {{5, 19}, {19, 19}, {30, 30}, {35, 35}, {36, 35}, {100, 35}};
    for (const auto& c : cas) {
        strip.setTabsHeight(c.demande);
        EXPECT_EQ(strip.TabsHeight(), c.attendu) << c.demande;
    }
}

TEST(CustomTabsXo, ButtonStyleCentresTheTabsInAHighStrip)
{
    TCustomTabsXo strip;
    strip.setTabsBoutons(true);
    strip.setMargeHaute(10); // the strip grows to 39: (39 - 22) / 2 = 8
    EXPECT_EQ(strip.height(), 39);
    EXPECT_EQ(strip.MargeHaute(), 8);
    EXPECT_EQ(strip.GetBtn(0)->y(), 8 + 3);
}

TEST_F(StripWindow, ChangeFiresForStructureOnly)
{
    const struct {
        const char* operation;
        std::function<void()> appel;
        int changesAttendus;
    } cas[] = {
        {"AddTab", [&] { strip->AddTab(QStringLiteral("neuf")); }, 1},
        {"InsertTab", [&] { strip->InsertTab(2, QStringLiteral("inséré")); }, 1},
        {"DeleteTab", [&] { strip->DeleteTab(2); }, 1},
        {"SetTab", [&] { strip->SetTab(1, QStringLiteral("renommé")); }, 0},
        {"SetObjet", [&] { strip->SetObjet(1, nullptr); }, 0},
        {"SetSelection", [&] { strip->SetSelection(1, true); }, 0},
        {"DeSelect", [&] { strip->DeSelect(); }, 0},
    };
    for (const auto& c : cas) {
        changes = 0;
        c.appel();
        EXPECT_EQ(changes, c.changesAttendus) << c.operation;
        EXPECT_EQ(changesSel, 0) << c.operation;
    }
    EXPECT_EQ(strip->GetTab(1), QStringLiteral("renommé"));
    EXPECT_EQ(strip->GetObjet(1), nullptr);
    EXPECT_EQ(strip->GetTab(8), QStringLiteral("neuf"));
}

TEST_F(StripWindow, TextOfTheTabsCarriesScrollPositionAndMarks)
{
    EXPECT_EQ(strip->AddTab(QStringLiteral("neuf")), 8);
    EXPECT_EQ(strip->AddTabObjet(QStringLiteral("dix"), &objets[0]), 9);
    DefilerA(2);
    Cliquer(3);
    Cliquer(5, Qt::ShiftModifier);
    QString captions;
    QString identites;
    for (int i = 0; i < 8; ++i) {
        captions += QStringLiteral("Onglet %1\r\n").arg(i);
        identites += QString::number(objets[static_cast<std::size_t>(i)].NumeroSerie()) + u' ';
    }
    captions += QStringLiteral("neuf\r\ndix");
    identites += QStringLiteral("0 ") + QString::number(objets[0].NumeroSerie());
    const QString sansSelection = captions + u'\t' + identites;
    EXPECT_EQ(strip->TCtoStr(false), sansSelection);
    EXPECT_EQ(strip->TCtoStr(true), sansSelection + QStringLiteral("\t2\t   Xxx    "));
    strip->Naviguer(1);
    EXPECT_EQ(strip->TCtoStr(true), sansSelection + QStringLiteral("\t0\t   Xxx    "));
}

TEST_F(StripWindow, AddingAndInsertingScrollToTheNewTab)
{
    strip->AddTab(QStringLiteral("dernier"));
    EXPECT_GT(strip->PremierTab(), 0);
    EXPECT_EQ(DernierAffiche(), 8);
    strip->InsertTab(1, QStringLiteral("deuxième"));
    EXPECT_EQ(strip->PremierTab(), 1);
    EXPECT_EQ(strip->GetTab(1), QStringLiteral("deuxième"));
    EXPECT_FALSE(strip->GetSelection(1));
}

TEST_F(StripWindow, DeletingTheFirstVisibleTabScrollsBack)
{
    const struct {
        int premier, supprime, premierApres;
        const char* cas;
    } cas[] = {
        {3, 3, 2, "the first visible tab: one back"},
        {0, 0, 0, "tab 0 while at the start"},
        {2, 5, 2, "a tab further on: no scrolling"},
    };
    for (const auto& c : cas) {
        while (strip->TabsCount() < 8)
            strip->AddTab(QStringLiteral("Onglet"));
        DefilerA(c.premier);
        ASSERT_EQ(strip->PremierTab(), c.premier) << c.cas;
        strip->DeleteTab(c.supprime);
        EXPECT_EQ(strip->PremierTab(), c.premierApres) << c.cas;
    }
    // Deleting from the end never leaves the row scrolled past its last tab.
    strip->Naviguer(1);
    while (strip->PremierTab() < strip->TabsCount() - 1)
        strip->Naviguer(3);
    while (strip->TabsCount() > 1) {
        strip->DeleteTab(strip->TabsCount() - 1);
        EXPECT_LT(strip->PremierTab(), strip->TabsCount());
    }
    strip->DeleteTab(0);
    EXPECT_EQ(strip->PremierTab(), 0);
    EXPECT_EQ(strip->TabsCount(), 0);
}

TEST_F(StripWindow, ClicksWithShiftAndCtrl)
{
    const struct {
        int ix;
        Qt::KeyboardModifiers mods;
        const char* marques;
        const char* cas;
    } etapes[] = {
        {4, Qt::ShiftModifier, "    X   ", "Shift with no anchor acts as a plain click"},
        {2, {}, "  X     ", "plain click"},
        {5, Qt::ShiftModifier, "  Xxxx  ", "Shift from anchor 2 to 5"},
        {1, Qt::ShiftModifier, " xX     ", "Shift on 1 keeps 1 and 2 only"},
        {4, Qt::ControlModifier, " xx X   ", "Ctrl adds a tab as the new anchor"},
        {4, Qt::ControlModifier, " xx     ", "Ctrl on the anchor leaves no anchor"},
        {3, Qt::ShiftModifier, "   X    ", "then Shift acts as a plain click"},
        {0, Qt::ControlModifier | Qt::ShiftModifier, "X  x    ", "Ctrl wins over Shift"},
    };
    int attendus = 0;
    for (const auto& e : etapes) {
        Cliquer(e.ix, e.mods);
        EXPECT_EQ(strip->SelTabs(), QString::fromLatin1(e.marques)) << e.cas;
        EXPECT_EQ(changesSel, ++attendus) << e.cas;
    }
    int ix = -1, nb = -1;
    strip->InfoSelection(ix, nb);
    EXPECT_EQ(ix, 0);
    EXPECT_EQ(nb, 2);
}

TEST_F(StripWindow, CtrlClickReplacesTheSelectionWithoutMultiSelect)
{
    strip->setMultiSelect(false);
    Cliquer(1);
    Cliquer(3, Qt::ControlModifier);
    EXPECT_EQ(strip->SelTabs(), QStringLiteral("   X    "));
    Cliquer(5, Qt::ShiftModifier);
    EXPECT_EQ(strip->SelTabs(), QStringLiteral("     X  "));
}

TEST_F(StripWindow, PressOverNoTabChangesNoSelection)
{
    Cliquer(1);
    changesSel = 0;
    while (strip->TabsCount() > 2)
        strip->DeleteTab(2);
    const int audela = strip->GaucheOnglet(2) + 10; // beyond the last tab, inside the zone
    ASSERT_LT(audela, strip->ZoneTabsWidth());
    for (const QPoint p : {QPoint(audela, MilieuY()), QPoint(strip->ZoneTabsWidth() + 1, MilieuY())}) {
        QTest::mouseClick(strip, Qt::LeftButton, {}, p);
        EXPECT_EQ(strip->SelTabs(), QStringLiteral(" X"));
        EXPECT_EQ(changesSel, 0);
        EXPECT_EQ(strip->XDernierAppui(), p.x());
    }
}

TEST_F(StripWindow, ClickOnAPartlyShownTabScrollsItIntoView)
{
    const int coupe = DernierAffiche();
    ASSERT_GT(strip->GaucheOnglet(coupe) + strip->LargeurOnglet(coupe), strip->ZoneTabsWidth())
        << "the fixture needs a tab cut by the zone";
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(strip->GaucheOnglet(coupe) + 2, MilieuY()));
    EXPECT_TRUE(strip->GetSelection(coupe));
    EXPECT_GT(strip->PremierTab(), 0);
    EXPECT_LE(strip->GaucheOnglet(coupe) + strip->LargeurOnglet(coupe), strip->ZoneTabsWidth());
}

namespace {

// Like the calculation tab bar: tab 0 may only be selected alone.
class StripTab0Seul : public TCustomTabsXo {
public:
    using TCustomTabsXo::TCustomTabsXo;
    std::vector<std::pair<int, QString>> questions;

protected:
    bool CanChangeSel(int ixNvTab, const QString& SelSrt) override
    {
        questions.emplace_back(ixNvTab, SelSrt);
        return SelSrt.at(0) == u' ' || SelSrt.trimmed().size() == 1;
    }
};

} // namespace

TEST(CustomTabsXo, RefusedSelectionsChangeNothing)
{
    QWidget window;
    auto* strip = new StripTab0Seul(&window);
    strip->setGeometry(0, 0, 400, 29);
    for (const char* nom : {"PG", "a", "b", "c"})
        strip->AddTab(QString::fromLatin1(nom));
    int changesSel = 0;
    strip->setOnChangeSel([&](TCustomTabsXo&) { ++changesSel; });
    std::vector<int> demandes;
    int refuse = -1;
    strip->setOnSelectTab([&](int ix, bool& CanSelect) {
        EXPECT_TRUE(CanSelect);
        demandes.push_back(ix);
        CanSelect = ix != refuse;
    });
    window.show();
    const auto clic = [&](int ix, Qt::KeyboardModifiers mods) {
        QTest::mouseClick(strip, Qt::LeftButton, mods,
                          QPoint(strip->GaucheOnglet(ix) + strip->LargeurOnglet(ix) / 2, 12));
    };

    clic(0, {});
    EXPECT_EQ(strip->SelTabs(), QStringLiteral("X   "));
    clic(2, Qt::ControlModifier); // PG with b: refused by CanChangeSel
    EXPECT_EQ(strip->questions.back(), std::make_pair(2, QStringLiteral("x X ")));
    EXPECT_EQ(strip->SelTabs(), QStringLiteral("X   "));
    EXPECT_EQ(changesSel, 1);

    clic(1, {});
    demandes.clear();
    clic(3, Qt::ShiftModifier); // every tab of the new selection is asked, in order
    EXPECT_EQ(demandes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(strip->SelTabs(), QStringLiteral(" Xxx"));
    EXPECT_EQ(changesSel, 3);

    refuse = 2;
    demandes.clear();
    clic(2, {});
    EXPECT_EQ(demandes, std::vector<int>{2});
    clic(3, Qt::ControlModifier); // " Xx ": asks 1, then 2, refused there
    EXPECT_EQ(demandes, (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(strip->SelTabs(), QStringLiteral(" Xxx"));
    EXPECT_EQ(changesSel, 3);
}

TEST_F(StripWindow, AMoveOfTenPixelsIsNoDrag)
{
    Cliquer(2);
    const QPoint depart = Centre(2);
    QTest::mousePress(strip, Qt::LeftButton, {}, depart);
    for (const int dx : {10, -10, 3}) {
        QTest::mouseMove(strip, depart + QPoint(dx, 0));
        EXPECT_FALSE(strip->RptTimer().isActive()) << dx;
        EXPECT_EQ(strip->DraggingTabsIndex(), -1) << dx;
    }
    QTest::mouseRelease(strip, Qt::LeftButton, {}, depart + QPoint(10, 0));
    EXPECT_TRUE(drops.empty());
    EXPECT_EQ(changes, 0);
}

TEST_F(StripWindow, DraggingReportsTheDropPosition)
{
    const struct {
        int depuis;
        int versX; // pointer x relative to a tab's middle
        int versTab;
        int position;
        const char* cas;
    } cas[] = {
        {0, 1, 2, 3, "just past the middle of tab 2: after it"},
        {0, -1, 2, 2, "just before the middle of tab 2: before it"},
        {3, -1, 0, 0, "back to the start"},
    };
    for (const auto& c : cas) {
        drops.clear();
        Cliquer(c.depuis);
        QTest::mousePress(strip, Qt::LeftButton, {}, Centre(c.depuis));
        QTest::mouseMove(strip, Centre(c.versTab) + QPoint(c.versX, 0));
        EXPECT_TRUE(strip->RptTimer().isActive()) << c.cas;
        EXPECT_EQ(strip->DraggingTabsIndex(), c.position) << c.cas;
        QTest::mouseRelease(strip, Qt::LeftButton, {}, Centre(c.versTab) + QPoint(c.versX, 0));
        EXPECT_EQ(drops, std::vector<int>{c.position}) << c.cas;
        EXPECT_FALSE(strip->RptTimer().isActive()) << c.cas;
        EXPECT_EQ(strip->DraggingTabsIndex(), -1) << c.cas;
        EXPECT_EQ(strip->MoveTabs(), 0) << c.cas;
    }
    EXPECT_EQ(changes, 0); // the strip only reports; it moves nothing itself
    EXPECT_EQ(strip->GetTab(0), QStringLiteral("Onglet 0"));
}

TEST_F(StripWindow, DraggingToTheLeftEdgeScrollsLeft)
{
    DefilerA(2);
    ASSERT_EQ(strip->PremierTab(), 2);
    Cliquer(3);
    QTest::mousePress(strip, Qt::LeftButton, {}, Centre(3));
    QTest::mouseMove(strip, QPoint(2, MilieuY())); // left quarter of tab 2
    EXPECT_EQ(strip->MoveTabs(), -1);
    EXPECT_EQ(strip->DraggingTabsIndex(), 2);
    EXPECT_EQ(strip->RptTimer().interval(), 400);

    Declencher(strip->RptTimer());
    EXPECT_EQ(strip->RptTimer().interval(), 100);
    EXPECT_EQ(strip->PremierTab(), 1);
    EXPECT_EQ(strip->DraggingTabsIndex(), 1); // the marker follows the pointer
    Declencher(strip->RptTimer());
    EXPECT_EQ(strip->PremierTab(), 0);
    Declencher(strip->RptTimer());
    EXPECT_EQ(strip->PremierTab(), 0);

    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(2, MilieuY()));
    EXPECT_EQ(drops, std::vector<int>{0});
}

TEST_F(StripWindow, DraggingToTheRightEdgeScrollsRight)
{
    Cliquer(0);
    QTest::mousePress(strip, Qt::LeftButton, {}, Centre(0));
    const QPoint bord(strip->ZoneTabsWidth() - 1, MilieuY());
    QTest::mouseMove(strip, bord);
    EXPECT_EQ(strip->MoveTabs(), 1);
    EXPECT_EQ(strip->DraggingTabsIndex(), DernierAffiche());
    for (int i = 0; i < 20; ++i)
        Declencher(strip->RptTimer());
    // Scrolling stops once the last tab is fully shown; the pointer then lies
    // past its middle: the drop goes to the end.
    EXPECT_EQ(DernierAffiche(), 7);
    EXPECT_LE(strip->GaucheOnglet(7) + strip->LargeurOnglet(7), strip->ZoneTabsWidth());
    const int premier = strip->PremierTab();
    Declencher(strip->RptTimer());
    EXPECT_EQ(strip->PremierTab(), premier);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, bord);
    EXPECT_EQ(drops, std::vector<int>{8});
}

TEST_F(StripWindow, NavigationButtonClicks)
{
    const struct {
        int bouton; // 0 DEB ... 3 FIN
        int premierAvant;
        int premierApres;
    } cas[] = {
        {2, 0, 1}, {2, 6, 7}, {2, 7, 7}, {1, 3, 2}, {1, 0, 0}, {0, 5, 0},
    };
    for (const auto& c : cas) {
        DefilerA(c.premierAvant);
        ASSERT_EQ(strip->PremierTab(), c.premierAvant);
        QTest::mouseClick(strip->GetBtn(c.bouton), Qt::LeftButton);
        EXPECT_EQ(strip->PremierTab(), c.premierApres) << "button " << c.bouton << " from " << c.premierAvant;
    }
    strip->Naviguer(1);
    QTest::mouseClick(strip->GetBtn(3), Qt::LeftButton); // FIN
    EXPECT_EQ(DernierAffiche(), 7);
    EXPECT_LE(strip->GaucheOnglet(7) + strip->LargeurOnglet(7), strip->ZoneTabsWidth());
    strip->Naviguer(2);
    EXPECT_GT(strip->GaucheOnglet(7) + strip->LargeurOnglet(7), strip->ZoneTabsWidth())
        << "FIN scrolls no further than needed";
}

TEST_F(StripWindow, HoldingSvtRepeatsUntilTheLastTab)
{
    TTabsNavButton* svt = strip->GetBtn(2);
    EXPECT_EQ(svt->RepeatTimer(), nullptr); // created at the first press
    QTest::mousePress(svt, Qt::LeftButton);
    ASSERT_NE(svt->RepeatTimer(), nullptr);
    QTimer& repetition = *svt->RepeatTimer();
    EXPECT_EQ(strip->PremierTab(), 0); // nothing before the first repetition
    EXPECT_EQ(repetition.interval(), 400);

    Declencher(repetition);
    EXPECT_EQ(strip->PremierTab(), 1);
    EXPECT_EQ(repetition.interval(), 100);
    for (int i = 2; i <= 9; ++i) {
        Declencher(repetition);
        EXPECT_EQ(strip->PremierTab(), std::min(i, 7));
    }
    QTest::mouseRelease(svt, Qt::LeftButton);
    EXPECT_FALSE(repetition.isActive());
    EXPECT_EQ(strip->PremierTab(), 7);
}

TEST_F(StripWindow, RepetitionPausesWhileThePointerIsOffTheButton)
{
    TTabsNavButton* prec = strip->GetBtn(1);
    DefilerA(7);
    const int depart = strip->PremierTab();
    ASSERT_EQ(depart, 7);
    QTest::mousePress(prec, Qt::LeftButton);
    Declencher(*prec->RepeatTimer());
    EXPECT_EQ(strip->PremierTab(), depart - 1);
    QTest::mouseMove(prec, QPoint(40, 40)); // off the button, still held
    Declencher(*prec->RepeatTimer());
    EXPECT_EQ(strip->PremierTab(), depart - 1);
    QTest::mouseMove(prec, QPoint(8, 8)); // back over it
    Declencher(*prec->RepeatTimer());
    EXPECT_EQ(strip->PremierTab(), depart - 2);
    QTest::mouseRelease(prec, Qt::LeftButton, {}, QPoint(40, 40)); // released off: no last click
    EXPECT_EQ(strip->PremierTab(), depart - 2);
    EXPECT_FALSE(prec->RepeatTimer()->isActive());
}

namespace {

bool Sombre(QRgb c)
{
    return qGray(c) < 64;
}

} // namespace

TEST_F(StripWindow, SelectedTabsLookPressed)
{
    Cliquer(1);
    const QImage image = strip->grab().toImage();
    const int y = MilieuY();
    // The frame lies 2 pixels inside the tab, 3 pixels thick around that line
    // when selected, 1 pixel otherwise; the caption keeps its room.
    for (const int ix : {0, 1}) {
        const int bord = strip->GaucheOnglet(ix) + 2;
        const bool selectionne = ix == 1;
        EXPECT_EQ(Sombre(image.pixel(bord - 1, y)), selectionne) << ix;
        EXPECT_TRUE(Sombre(image.pixel(bord, y))) << ix;
        EXPECT_EQ(Sombre(image.pixel(bord + 1, y)), selectionne) << ix;
        EXPECT_FALSE(Sombre(image.pixel(bord + 2, y))) << ix;
        EXPECT_FALSE(Sombre(image.pixel(bord - 2, y))) << ix;
    }
}

TEST_F(StripWindow, DropMarkerIsVisibleWhileDragging)
{
    Cliquer(0);
    QTest::mousePress(strip, Qt::LeftButton, {}, Centre(0));
    QTest::mouseMove(strip, Centre(2) + QPoint(1, 0));
    ASSERT_EQ(strip->DraggingTabsIndex(), 3);
    const int bord = strip->GaucheOnglet(3);
    // Between the frames of tabs 2 and 3 the strip shows its background, unless
    // the marker covers the gap.
    const auto marque = [&] {
        const QImage image = strip->grab().toImage();
        int noirs = 0;
        for (int x = bord - 1; x <= bord + 1; ++x)
            for (int y = strip->MargeHaute(); y < strip->MargeHaute() + strip->TabsHeight(); ++y)
                noirs += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
        return noirs;
    };
    EXPECT_EQ(marque(), 3 * strip->TabsHeight());
    QTest::mouseRelease(strip, Qt::LeftButton, {}, Centre(2) + QPoint(1, 0));
    EXPECT_EQ(marque(), 0);
}

TEST(CustomTabsXo, DropMarkerBeyondTheZoneShowsAtItsRightEnd)
{
    QWidget window;
    auto* strip = new TCustomTabsXo(&window);
    strip->setTabsBoutons(true);
    for (const char* nom : {"premier", "deuxième", "troisième"})
        strip->AddTab(QString::fromUtf8(nom));
    strip->Naviguer(1);
    // The zone ends three quarters into tab 1: its middle is shown, its right edge is not.
    const int finZone = strip->LargeurOnglet(0) + strip->LargeurOnglet(1) * 3 / 4;
    window.resize(finZone + 100, 40);
    strip->setGeometry(0, 0, finZone + 70, 29);
    window.show();
    ASSERT_EQ(strip->ZoneTabsWidth(), finZone);

    const int y = strip->TabsHeight() / 2;
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(10, y));
    QTest::mouseMove(strip, QPoint(finZone - 1, y));
    ASSERT_EQ(strip->DraggingTabsIndex(), 2);
    const QImage image = strip->grab().toImage();
    for (int x = finZone - 3; x < finZone; ++x)
        EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x;
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(finZone - 1, y));
}

TEST_F(StripWindow, OnDrawTabIsAskedForTheShownTabsInOrder)
{
    for (int i = 8; i < 12; ++i)
        strip->AddTab(QStringLiteral("Onglet %1").arg(i));
    std::vector<int> demandes;
    strip->setOnDrawTab([&](int ix, QPainter&, bool&) { demandes.push_back(ix); });
    for (const int premier : {0, 3, 11}) {
        DefilerA(premier);
        ASSERT_EQ(strip->PremierTab(), premier);
        std::vector<int> attendues;
        for (int ix = premier; ix <= DernierAffiche(); ++ix)
            attendues.push_back(ix);
        demandes.clear();
        ASSERT_TRUE(premier == 11 || DernierAffiche() < 11) << "tabs beyond the zone must be left out";
        (void)strip->grab();
        EXPECT_EQ(demandes, attendues) << "first shown tab " << premier;
    }
}

TEST_F(StripWindow, OnDrawTabChoosesCaptionColourAndBackground)
{
    strip->setOnDrawTab([](int ix, QPainter& Cv, bool& PeindreFond) {
        EXPECT_FALSE(PeindreFond);
        if (ix == 1) {
            Cv.setPen(QColor(255, 0, 0));
            Cv.setBrush(QColor(255, 255, 0));
            PeindreFond = true;
        }
    });
    const QImage image = strip->grab().toImage();
    const auto compter = [&](int ix, QRgb couleur) {
        int n = 0;
        const QRect texte(strip->GaucheOnglet(ix) + 4, strip->MargeHaute() + 4, strip->LargeurOnglet(ix) - 9,
                          strip->TabsHeight() - 8);
        for (int x = texte.left(); x <= texte.right(); ++x)
            for (int y = texte.top(); y <= texte.bottom(); ++y)
                n += image.pixel(x, y) == couleur ? 1 : 0;
        return n;
    };
    EXPECT_GT(compter(1, qRgb(255, 255, 0)), 0);
    EXPECT_GT(compter(1, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(compter(0, qRgb(255, 255, 0)), 0);
    EXPECT_EQ(compter(0, qRgb(255, 0, 0)), 0);
    EXPECT_EQ(compter(2, qRgb(255, 0, 0)), 0); // reset for the next tab
}

TEST_F(StripWindow, NotebookStyleHangsTheTabsBelowTwoLines)
{
    strip->setTabsBoutons(false);
    while (strip->TabsCount() > 2)
        strip->DeleteTab(2);
    Cliquer(1);
    const QImage image = strip->grab().toImage();
    const int m = strip->MargeHaute();
    const int apres = strip->GaucheOnglet(2) + 20; // past the last tab
    const QPalette& pal = strip->palette();
    EXPECT_EQ(image.pixel(apres, m), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(apres, m + 1), pal.color(QPalette::Shadow).rgb());
    const int milieu1 = Centre(1).x(); // the selected tab is joined to the lines
    EXPECT_EQ(image.pixel(milieu1, m), pal.color(QPalette::Window).rgb());
    EXPECT_EQ(image.pixel(milieu1, m + 1), pal.color(QPalette::Window).rgb());
    const int milieu0 = Centre(0).x();
    EXPECT_EQ(image.pixel(milieu0, m + 1), pal.color(QPalette::Shadow).rgb());
}
