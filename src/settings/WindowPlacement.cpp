#include "settings/WindowPlacement.h"

#include "util/TextFields.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace {

// How much of a window must stay within reach of the mouse.
constexpr qint64 kVisibleMargin = 50;

} // namespace

StoredPlacement LirePlacement(QStringView text)
{
    StoredPlacement stored;
    QStringView rest = SansBlancs(text);
    if (!rest.isEmpty()) {
        const QChar letter = rest.front().toUpper();
        if (letter == u'A' || letter == u'I') {
            stored.state = letter == u'A' ? WindowPlacement::State::Maximised : WindowPlacement::State::Minimised;
            rest = rest.mid(1);
        }
    }

    const QStringList words = rest.toString().simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 4)
        return stored;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> n = LireEntier(words[i]);
        if (!n)
            return stored;
        numbers[i] = *n;
    }
    // A window with no area could never be seen again, let alone resized; one
    // whose far edge lies beyond the coordinates is no rectangle at all.
    if (numbers[2] <= 0 || numbers[3] <= 0 || qint64(numbers[0]) + numbers[2] > std::numeric_limits<int>::max()
        || qint64(numbers[1]) + numbers[3] > std::numeric_limits<int>::max())
        return stored;
    stored.normal = QRect(std::max(numbers[0], 0), std::max(numbers[1], 0), numbers[2], numbers[3]);
    return stored;
}

QString TextePlacement(const WindowPlacement& placement)
{
    QString letter;
    if (placement.state == WindowPlacement::State::Maximised)
        letter = QStringLiteral("A");
    else if (placement.state == WindowPlacement::State::Minimised)
        letter = QStringLiteral("I");
    const QRect& r = placement.normal;
    return letter + QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect GarderSurBureau(const QRect& window, const QRect& desktop)
{
    if (!desktop.isValid())
        return window;
    // In 64 bits: a stored rectangle may be as large as an int allows.
    const qint64 deskLeft = desktop.x();
    const qint64 deskTop = desktop.y();
    const qint64 deskRight = deskLeft + desktop.width();
    const qint64 deskBottom = deskTop + desktop.height();
    const qint64 width = window.width();
    const qint64 height = window.height();
    qint64 left = std::max<qint64>(window.x(), deskLeft);
    qint64 top = std::max<qint64>(window.y(), deskTop);

    if (left > deskRight - kVisibleMargin)
        left = deskRight - kVisibleMargin - width;
    if (left + width < deskLeft + kVisibleMargin)
        left = deskLeft + kVisibleMargin;
    if (top > deskBottom - kVisibleMargin)
        top = deskBottom - kVisibleMargin - height;
    // A window wider or taller than the desktop keeps its title bar and its
    // left edge on the screen rather than its far edges.
    left = std::max(left, deskLeft);
    top = std::max(top, deskTop);
    return QRect(int(left), int(top), window.width(), window.height());
}
