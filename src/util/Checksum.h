#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <cstdint>

// The fingerprints that tell whether a model, a problem or a header changed
// since it was loaded, saved or reset. They are the bitwise complement of the
// usual CRC-32 of the same bytes followed by their length; never stored.
namespace Checksum {

constexpr std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[n] = c;
    }
    return table;
}

inline constexpr std::array<std::uint32_t, 256> kTable = makeTable();

constexpr std::uint32_t update(std::uint32_t reg, std::uint8_t byte)
{
    return (reg >> 8) ^ kTable[(reg ^ byte) & 0xFFu];
}

// Register 0xFFFFFFFF, the n bytes, then n as four little-endian bytes.
std::uint32_t ofBuffer(const void* data, std::size_t n);

// Checksum of the UTF-16 little-endian bytes of the text; 0xFFFFFFFF for the
// empty text, whose length is not fed.
std::uint32_t ofText(const QString& text);

// The checksum of a text fed in pieces: the same value as ofText of their
// concatenation, without building it. A model read from a file takes its
// fingerprint this way from the lines it has just read.
class Cumul {
public:
    void ajouter(QStringView piece);
    // ofText of everything fed so far.
    std::uint32_t valeur() const;

private:
    std::uint32_t FRegistre = 0xFFFFFFFFu;
    std::size_t FOctets = 0;
};

} // namespace Checksum
