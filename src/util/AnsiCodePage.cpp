#include "util/AnsiCodePage.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same value, as the platform's own conversion does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return int(0x80 + i);
    return -1;
}

} // namespace

namespace AnsiCodePage {

QByteArray fromUnicode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode()))
            ++i; // one question mark for the whole character
        const int b = byteFor(c);
        bytes.append(b < 0 ? '?' : char(b));
    }
    return bytes;
}

QString toUnicode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b)));
    }
    return text;
}

} // namespace AnsiCodePage
