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

namespace {

// kTable extended for eight bytes at a time: kHuit[k][n] is the register after
// byte n followed by k zero bytes.
constexpr std::array<std::array<std::uint32_t, 256>, 8> makeTablesHuit()
{
    std::array<std::array<std::uint32_t, 256>, 8> tables{};
    tables[0] = kTable;
    for (std::size_t k = 1; k < 8; ++k)
        for (std::size_t n = 0; n < 256; ++n)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ kTable[tables[k - 1][n] & 0xFFu];
    return tables;
}

constexpr std::array<std::array<std::uint32_t, 256>, 8> kHuit = makeTablesHuit();

} // namespace

void Cumul::ajouter(QStringView piece)
{
    // The text's bytes are those of UTF-16 little-endian whatever the machine:
    // four characters make the eight bytes of one step, low byte first.
    std::uint32_t reg = FRegistre;
    const char16_t* c = piece.utf16();
    const char16_t* const fin = c + piece.size();
    for (; fin - c >= 4; c += 4) {
        const std::uint32_t un = reg ^ (std::uint32_t(c[0]) | std::uint32_t(c[1]) << 16);
        const std::uint32_t deux = std::uint32_t(c[2]) | std::uint32_t(c[3]) << 16;
        reg = kHuit[7][un & 0xFFu] ^ kHuit[6][(un >> 8) & 0xFFu] ^ kHuit[5][(un >> 16) & 0xFFu] ^ kHuit[4][un >> 24]
            ^ kHuit[3][deux & 0xFFu] ^ kHuit[2][(deux >> 8) & 0xFFu] ^ kHuit[1][(deux >> 16) & 0xFFu]
            ^ kHuit[0][deux >> 24];
    }
    for (; c != fin; ++c) {
        reg = update(reg, std::uint8_t(*c & 0xFF));
        reg = update(reg, std::uint8_t(*c >> 8));
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
