#pragma once

#include <QRect>
#include <QString>
#include <QStringView>
#include <optional>

// Where a window stands: its state and the rectangle it has, or comes back to,
// in the normal state. Plain rectangles only, so the arithmetic of placements
// is the same for a real window and in the tests.
struct WindowPlacement {
    enum class State { Normal, Maximised, Minimised };

    State state = State::Normal;
    QRect normal;

    bool operator==(const WindowPlacement&) const = default;
};

// A "WinLTWH" value taken apart: its state letter and, when the text holds
// four readable numbers with a positive width and height, the rectangle.
struct StoredPlacement {
    WindowPlacement::State state = WindowPlacement::State::Normal;
    std::optional<QRect> normal;
};

// Reads "A10 20 800 600": an optional "A" (maximised) or "I" (minimised), in
// either case, then left, top, width and height separated by blanks. Left and
// top below 0 become 0.
StoredPlacement LirePlacement(QStringView text);

// The "WinLTWH" text of a placement: state letter, then "%d %d %d %d".
QString TextePlacement(const WindowPlacement& placement);

// Moves the window so that at least 50 pixels of it stay on the desktop (the
// whole virtual screen): its left and top edges never before the desktop's,
// its left edge no further right than 50 pixels from the desktop's right edge,
// its top no lower than 50 pixels above the bottom. The size is kept.
QRect GarderSurBureau(const QRect& window, const QRect& desktop);
