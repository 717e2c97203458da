#include "util/Checksum.h"

static_assert(Checksum::kTable[1] == 0x77073096u);
static_assert(Checksum::kTable[255] == 0x2D02EF8Du);

namespace Checksum {

std::uint32_t ofBuffer(const void* data, std::size_t n)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint32_t reg = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i)
        reg = update(reg, bytes[i]);
    const auto length = static_cast<std::uint32_t>(n);
    for (int k = 0; k < 4; ++k)
        reg = update(reg, std::uint8_t(length >> (8 * k)));
    return reg;
}

std::uint32_t ofText(const QString& text)
{
    Cumul cumul;
    cumul.ajouter(text);
    return cumul.valeur();
}

void Cumul::ajouter(QStringView piece)
{
    std::uint32_t reg = FRegistre;
    for (const QChar c : piece) {
        reg = update(reg, std::uint8_t(c.unicode() & 0xFF));
        reg = update(reg, std::uint8_t(c.unicode() >> 8));
    }
    FRegistre = reg;
    FOctets += std::size_t(piece.size()) * 2;
}

std::uint32_t Cumul::valeur() const
{
    if (FOctets == 0)
        return 0xFFFFFFFFu;
    std::uint32_t reg = FRegistre;
    const auto length = static_cast<std::uint32_t>(FOctets);
    for (int k = 0; k < 4; ++k)
        reg = update(reg, std::uint8_t(length >> (8 * k)));
    return reg;
}

} // namespace Checksum
