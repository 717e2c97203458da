#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

using State = WindowPlacement::State;

struct ReadCase {
    const char16_t* text;
    State state;
    std::optional<QRect> normal;
};

} // namespace

TEST(WindowPlacement, ReadsTheStateLetterAndOnlyFourReadableNumbers)
{
    const ReadCase cases[] = {
        {u"10 20 800 600", State::Normal, QRect(10, 20, 800, 600)},
        {u"A10 20 800 600", State::Maximised, QRect(10, 20, 800, 600)},
        {u"a 10  20\t800 600", State::Maximised, QRect(10, 20, 800, 600)},
        {u"I10 20 800 600", State::Minimised, QRect(10, 20, 800, 600)},
        {u"-30 -5 800 600", State::Normal, QRect(0, 0, 800, 600)},
        {u"10 20 800 600 99", State::Normal, QRect(10, 20, 800, 600)},
        // Fewer than four numbers, or one that is not a number: the design bounds stay.
        {u"A10 20 800", State::Maximised, std::nullopt},
        {u"A", State::Maximised, std::nullopt},
        {u"10 20 huit 600", State::Normal, std::nullopt},
        {u"10 20 800.5 600", State::Normal, std::nullopt},
        // A window without area could never be seen again.
        {u"10 20 0 600", State::Normal, std::nullopt},
        {u"10 20 800 -600", State::Normal, std::nullopt},
        // Nor one whose far edge lies beyond what a coordinate can hold.
        {u"2147483000 20 800 600", State::Normal, std::nullopt},
        {u"", State::Normal, std::nullopt},
    };
    for (const ReadCase& c : cases) {
        const StoredPlacement read = LirePlacement(QString::fromUtf16(c.text));
        EXPECT_EQ(read.state, c.state) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(read.normal, c.normal) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(WindowPlacement, TextGivesBackThePlacement)
{
    const WindowPlacement placements[] = {
        {State::Normal, QRect(10, 20, 800, 600)},
        {State::Maximised, QRect(0, 0, 1024, 768)},
        {State::Minimised, QRect(5, 7, 300, 200)},
    };
    EXPECT_EQ(TextePlacement(placements[1]), QStringLiteral("A0 0 1024 768"));
    for (const WindowPlacement& p : placements) {
        const StoredPlacement read = LirePlacement(TextePlacement(p));
        EXPECT_EQ(read.state, p.state);
        EXPECT_EQ(read.normal, p.normal);
    }
}

TEST(WindowPlacement, KeepsAtLeastFiftyPixelsOnTheDesktop)
{
    struct Case {
        QRect desktop;
        QRect window;
        QPoint expected;
    };
    const QRect hd(0, 0, 1920, 1080);
    const Case cases[] = {
        {hd, QRect(100, 100, 800, 600), QPoint(100, 100)},
        {hd, QRect(1860, 100, 800, 600), QPoint(1860, 100)},   // 60 pixels still show
        {hd, QRect(3000, 100, 800, 600), QPoint(1070, 100)},   // right edge 50 from the desktop's
        {hd, QRect(-900, 100, 800, 600), QPoint(0, 100)},
        {hd, QRect(-900, 100, 30, 600), QPoint(50, 100)},      // too narrow to show 50 pixels
        {hd, QRect(100, 2000, 800, 600), QPoint(100, 430)},    // bottom edge 50 above the desktop's
        {hd, QRect(100, -40, 800, 600), QPoint(100, 0)},
        {hd, QRect(100, 2000, 800, 1500), QPoint(100, 0)},     // taller than the desktop: title bar on it
        {hd, QRect(3000, 100, 2500, 600), QPoint(0, 100)},
        {QRect(-1920, 0, 3840, 1080), QRect(-1800, 50, 800, 600), QPoint(-1800, 50)}, // screen left of the primary
        {QRect(-1920, 0, 3840, 1080), QRect(-5000, 50, 800, 600), QPoint(-1920, 50)},
    };
    for (const Case& c : cases) {
        const QRect kept = GarderSurBureau(c.window, c.desktop);
        EXPECT_EQ(kept.topLeft(), c.expected) << c.window.x() << ' ' << c.window.y();
        EXPECT_EQ(kept.size(), c.window.size());
    }
}
