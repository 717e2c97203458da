#include "EditingBench.h"
#include "editing/gui/Navigator.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

std::vector<int> largeursVisibles(const TNavigator& nav)
{
    std::vector<int> largeurs;
    int x = 0;
    for (int i = 0; i < kNbBoutonsNav; ++i) {
        const TNavButton* b = nav.Bouton(static_cast<TNavigateBtn>(i));
        if (!nav.VisibleButtons().contains(b->Index())) {
            EXPECT_GT(b->x(), nav.width()); // hidden ones wait beyond the right edge
            continue;
        }
        EXPECT_EQ(b->x(), x);
        EXPECT_EQ(b->height(), nav.height());
        largeurs.push_back(b->width());
        x += b->width();
    }
    return largeurs;
}

const std::set<TNavigateBtn> kDeplacements{nbFirst, nbPrior, nbNext, nbLast};

} // namespace

TEST(Navigator, LayoutRoundsOrSpreadsTheWidth)
{
    struct Cas {
        const char* nom;
        std::set<TNavigateBtn> visibles;
        bool aligne;
        QSize demande;
        QSize obtenue;
        std::vector<int> largeurs;
    };
    const Cas cas[] = {
        {"four, not aligned", kDeplacements, false, {101, 25}, {100, 25}, {25, 25, 25, 25}},
        {"four, aligned", kDeplacements, true, {101, 25}, {101, 25}, {25, 25, 26, 25}},
        {"four, aligned, 3 left over", kDeplacements, true, {103, 25}, {103, 25}, {26, 25, 26, 26}},
        {"four, too small", kDeplacements, false, {30, 10}, {80, 18}, {20, 20, 20, 20}},
        {"eleven", {}, false, {241, 25}, {231, 25}, std::vector<int>(11, 21)},
        {"none visible", {nbAdd}, false, {5, 5}, {20, 18}, {20}},
    };
    for (const Cas& c : cas) {
        TNavigator nav;
        if (!c.visibles.empty())
            nav.SetVisibleButtons(c.visibles);
        nav.SetAligne(c.aligne);
        nav.show();
        nav.resize(c.demande);
        EXPECT_EQ(nav.size(), c.obtenue) << c.nom;
        EXPECT_EQ(largeursVisibles(nav), c.largeurs) << c.nom;
    }

    TNavigator vide;
    vide.SetVisibleButtons({});
    vide.show();
    vide.resize(5, 5);
    EXPECT_EQ(vide.size(), QSize(20, 18)); // no button counts as one
}

TEST(Navigator, HintsKeepTheDefaultWhereTheOwnersLineIsEmpty)
{
    TNavigator nav;
    EXPECT_EQ(nav.Bouton(nbRefresh)->toolTip(), QStringLiteral("Rafraîchir données"));
    nav.SetHints({QString(), QStringLiteral("Section précédente"), QStringLiteral("Section suivante")});
    EXPECT_EQ(nav.Bouton(nbFirst)->toolTip(), QStringLiteral("Premier enregistrement"));
    EXPECT_EQ(nav.Bouton(nbPrior)->toolTip(), QStringLiteral("Section précédente"));
    EXPECT_EQ(nav.Bouton(nbNext)->toolTip(), QStringLiteral("Section suivante"));
    EXPECT_EQ(nav.Bouton(nbLast)->toolTip(), QStringLiteral("Dernier enregistrement"));

    nav.SetHints(TNavigator::DefHints());
    EXPECT_TRUE(nav.Hints().isEmpty());
    EXPECT_EQ(nav.Bouton(nbPrior)->toolTip(), QStringLiteral("Enregistrement précédent"));

    QStringList trop(14, QStringLiteral("x"));
    nav.SetHints(trop);
    EXPECT_EQ(nav.Bouton(nbRefresh)->toolTip(), QStringLiteral("x"));
}

TEST(Navigator, ButtonsFollowTheListState)
{
    struct Cas {
        bool deb, fin, vide;
        std::set<TNavigateBtn> inactifs;
    };
    const Cas cas[] = {
        {false, false, false, {}},
        {true, false, false, {nbFirst, nbPrior}},
        {false, true, false, {nbNext, nbLast}},
        {true, true, true, {nbFirst, nbPrior, nbNext, nbLast, nbDelete}},
    };
    for (const Cas& c : cas) {
        TNavigator nav;
        nav.MAJetat(c.deb, c.fin, c.vide);
        for (int i = 0; i < kNbBoutonsNav; ++i) {
            const auto b = static_cast<TNavigateBtn>(i);
            EXPECT_EQ(nav.Bouton(b)->isEnabled(), !c.inactifs.contains(b)) << i;
        }
        nav.setEnabled(false);
        for (int i = 0; i < kNbBoutonsNav; ++i)
            EXPECT_FALSE(nav.Bouton(static_cast<TNavigateBtn>(i))->isEnabled());
        nav.setEnabled(true);
        EXPECT_EQ(nav.Bouton(nbFirst)->isEnabled(), !c.inactifs.contains(nbFirst));
    }
}

TEST(Navigator, HeldPreviousAndNextRepeatOthersClickOnce)
{
    TNavigator nav;
    nav.show();
    std::vector<TNavigateBtn> clics;
    nav.setOnClick([&](TNavigator& sender, TNavigateBtn b) {
        EXPECT_EQ(&sender, &nav);
        clics.push_back(b);
    });

    TNavButton* suivant = nav.Bouton(nbNext);
    QTest::mousePress(suivant, Qt::LeftButton);
    ASSERT_NE(suivant->RepeatTimer(), nullptr);
    EXPECT_TRUE(suivant->RepeatTimer()->isActive());
    EXPECT_EQ(suivant->RepeatTimer()->interval(), 400);
    suivant->RepeterClic();
    EXPECT_EQ(suivant->RepeatTimer()->interval(), 100);
    suivant->RepeterClic();
    QTest::mouseRelease(suivant, Qt::LeftButton);
    EXPECT_FALSE(suivant->RepeatTimer()->isActive());
    suivant->RepeterClic(); // released: a late tick clicks nothing
    EXPECT_EQ(clics, (std::vector<TNavigateBtn>{nbNext, nbNext, nbNext}));

    clics.clear();
    TNavButton* dernier = nav.Bouton(nbLast);
    QTest::mousePress(dernier, Qt::LeftButton);
    EXPECT_EQ(dernier->RepeatTimer(), nullptr);
    QTest::mouseRelease(dernier, Qt::LeftButton);
    EXPECT_EQ(clics, (std::vector<TNavigateBtn>{nbLast}));

    clics.clear();
    nav.MAJetat(false, true, false);
    QTest::mouseClick(dernier, Qt::LeftButton); // disabled at the end of the list
    EXPECT_TRUE(clics.empty());

    // Held until the owner reaches the end of its list and disables it: the
    // release never comes, the repeat stops by itself.
    nav.MAJetat(false, false, false);
    nav.setOnClick([&](TNavigator&, TNavigateBtn b) {
        clics.push_back(b);
        nav.MAJetat(false, true, false);
    });
    QTest::mousePress(suivant, Qt::LeftButton);
    suivant->RepeterClic();
    ASSERT_FALSE(suivant->isEnabled());
    suivant->RepeterClic();
    EXPECT_FALSE(suivant->RepeatTimer()->isActive());
    EXPECT_EQ(clics, (std::vector<TNavigateBtn>{nbNext}));
}

TEST(Navigator, KeyboardMovesAmongVisibleButtonsAndClicks)
{
    TNavigator nav;
    nav.SetVisibleButtons(kDeplacements);
    nav.setFocusPolicy(Qt::StrongFocus);
    std::vector<TNavigateBtn> clics;
    nav.setOnClick([&](TNavigator&, TNavigateBtn b) { clics.push_back(b); });
    nav.show();
    nav.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&nav));

    QTest::mousePress(nav.Bouton(nbPrior), Qt::LeftButton);
    QTest::mouseRelease(nav.Bouton(nbPrior), Qt::LeftButton);
    EXPECT_TRUE(nav.hasFocus()); // pressing a button gives the bar the focus
    EXPECT_EQ(nav.FocusedButton(), nbPrior);
    clics.clear();

    QTest::keyClick(&nav, Qt::Key_Left);
    EXPECT_EQ(nav.FocusedButton(), nbFirst);
    QTest::keyClick(&nav, Qt::Key_Left);
    EXPECT_EQ(nav.FocusedButton(), nbFirst); // stops at the first
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&nav, Qt::Key_Right);
    EXPECT_EQ(nav.FocusedButton(), nbLast); // never onto a hidden button
    QTest::keyClick(&nav, Qt::Key_Space);
    EXPECT_EQ(clics, (std::vector<TNavigateBtn>{nbLast}));
    nav.MAJetat(false, true, false);
    QTest::keyClick(&nav, Qt::Key_Space); // disabled: no click
    EXPECT_EQ(clics.size(), 1u);
}

TEST(Navigator, FocusedButtonDrawsItsRectangleThreePixelsInside)
{
    for (const bool enfonce : {false, true}) {
        TNavigator nav;
        nav.setFocusPolicy(Qt::StrongFocus);
        nav.show();
        nav.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&nav));
        TNavButton* bouton = nav.Bouton(nbNext);
        nav.setFocus();
        QTest::keyClick(&nav, Qt::Key_Right);
        QTest::keyClick(&nav, Qt::Key_Right);
        ASSERT_EQ(nav.FocusedButton(), nbNext);
        bouton->setDown(enfonce);
        ASSERT_TRUE(nav.hasFocus());
        const QImage avecFocus = bouton->grab().toImage();
        nav.clearFocus();
        const QImage sansFocus = bouton->grab().toImage();
        ASSERT_EQ(avecFocus.size(), sansFocus.size());

        // The pixels the focus adds lie on the rectangle's edges, shifted by
        // one while the button is pressed.
        const int d = enfonce ? 1 : 0;
        const QRect cadre = QRect(3, 3, bouton->width() - 6, bouton->height() - 6).translated(d, d);
        int changes = 0;
        for (int y = 0; y < avecFocus.height(); ++y)
            for (int x = 0; x < avecFocus.width(); ++x) {
                if (avecFocus.pixel(x, y) == sansFocus.pixel(x, y))
                    continue;
                ++changes;
                const bool surBord = ((x == cadre.left() || x == cadre.right()) && y >= cadre.top() && y <= cadre.bottom())
                    || ((y == cadre.top() || y == cadre.bottom()) && x >= cadre.left() && x <= cadre.right());
                EXPECT_TRUE(surBord) << enfonce << " " << x << "," << y;
            }
        EXPECT_GT(changes, 0) << enfonce;
    }
}
