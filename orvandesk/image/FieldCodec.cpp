#include "orvandesk/image/FieldCodec.h"

namespace orvan {

std::uint16_t ReadBe16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

void WriteBe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::string HexText(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::uint8_t CpiLevelIndex(std::span<const std::uint8_t, 4> levels, int level) {
    const int i = level - 1;
    return NibbleOf(levels[i / 2], i % 2);
}

int CpiValueOf(std::uint8_t index) {
    return index < 12 ? kCpiValues[index] : 0;
}

}  // namespace orvan
