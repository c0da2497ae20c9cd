#pragma once
// The DPI levels and report rate as bytes of the image: which level a click on
// a level name adds or removes, the nibble pair a level shares with its
// partner, and the report-rate bits of Option0.

#include <array>
#include <cstdint>

namespace orvan {

inline constexpr int kDpiLevels = 8;
inline constexpr int kDpiPositions = 12;
inline constexpr std::array<int, 4> kReportRates = {125, 250, 500, 1000};

// A click on the name of level n (1..8) with `count` levels in use: the new
// count. Only the first unused level is added and only the last used one
// removed; the last remaining level stays.
int LevelCountAfterClick(int count, int level);

// The CpiLevels byte of the pair holding level n: odd level in the low
// nibble, even level in the high one.
uint8_t CpiPairByte(const std::array<uint8_t, kDpiLevels>& valueIndexes, int level);
inline constexpr uint8_t CpiPairAddress(int level) {
    return static_cast<uint8_t>(44 + (level - 1) / 2);
}

// Report rate option 1..4 of Option0 and Option0 with option k chosen.
inline constexpr int ReportRateOption(uint8_t option0) {
    return ((option0 >> 4) & 0x03) + 1;
}
inline constexpr uint8_t WithReportRateOption(uint8_t option0, int option) {
    return static_cast<uint8_t>((option0 & ~0x30) | (((option - 1) & 0x03) << 4));
}

}  // namespace orvan
