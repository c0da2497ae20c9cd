#pragma once
// The encodings the image uses for its fields: big-endian 16-bit numbers,
// two 4-bit values in a byte, signed offset bytes and bit fields.

#include <cstdint>
#include <span>
#include <string>

namespace orvan {

std::uint16_t ReadBe16(std::span<const std::uint8_t> bytes, std::size_t offset);
void WriteBe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);

// Low nibble first: index 0 is bits 3..0, index 1 bits 7..4.
constexpr std::uint8_t NibbleOf(std::uint8_t byte, int index) {
    return index == 0 ? (byte & 0x0F) : (byte >> 4);
}
constexpr std::uint8_t NibblePair(std::uint8_t low, std::uint8_t high) {
    return static_cast<std::uint8_t>((low & 0x0F) | ((high & 0x0F) << 4));
}

// Two's complement offset bytes (X/Y offsets, move steps).
constexpr int SignedOf(std::uint8_t byte) {
    return byte < 0x80 ? byte : byte - 256;
}
// Values outside -128..127 are held to that range.
constexpr std::uint8_t SignedByte(int value) {
    if (value < -128) value = -128;
    if (value > 127) value = 127;
    return static_cast<std::uint8_t>(value & 0xFF);
}

// Bits `high` down to `low` of a byte, as a number.
constexpr unsigned BitsOf(std::uint8_t byte, int high, int low) {
    return (byte >> low) & ((1u << (high - low + 1)) - 1);
}
// The byte with bits `high`..`low` replaced by `value`; the others kept.
constexpr std::uint8_t WithBits(std::uint8_t byte, int high, int low, unsigned value) {
    const unsigned mask = ((1u << (high - low + 1)) - 1) << low;
    return static_cast<std::uint8_t>((byte & ~mask) | ((value << low) & mask));
}

// Upper-case hex, two digits per byte, first byte first ("01010000").
std::string HexText(std::span<const std::uint8_t> bytes);

// DPI levels 1..8 as indexes into the DPI value list.
constexpr int kCpiValues[12] = {200, 400, 600, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4800, 6400};
constexpr std::uint8_t kCpiNoValue = 0x0F;
// Level 1..8 of the four CpiLevels bytes.
std::uint8_t CpiLevelIndex(std::span<const std::uint8_t, 4> levels, int level);
// 0 for an index that names no value (12..15).
int CpiValueOf(std::uint8_t index);

}  // namespace orvan
