#include <algorithm>

#include "common/keys/MenuItems.h"
#include "common/keys/PellisRows.h"

namespace keys {
namespace {

// 06, 0x10 + count, then the interval's twelve bits under the four bits the
// parameter block keeps in the entry's byte 2.
FunctionCode FireKeyCode(const PellisFireKey& key) {
    const int count = std::clamp(key.count, 2, 15);
    const int ms = std::clamp(key.intervalMs, 1, 4094);
    const auto byte2 = static_cast<std::uint8_t>((key.entryByte2 & 0xF0) | (ms >> 8));
    return {0x06, static_cast<std::uint8_t>(0x10 + count), byte2,
            static_cast<std::uint8_t>(ms & 0xFF)};
}

std::optional<FunctionCode> CodeOfItem(int item, const PellisFunctionContext& c) {
    if (auto code = CodeOfItemInRuns(kPellisFixedRuns, item)) return code;
    const int fireKey = item - kPellisFirstFireKeyItem;
    if (fireKey >= 0 && fireKey < kPellisFireKeyCount) return FireKeyCode(c.fireKeys[fireKey]);
    return std::nullopt;
}

}  // namespace

std::string FunctionCodeOfItem(int item, const PellisFunctionContext& context) {
    const auto code = CodeOfItem(item, context);
    return code ? FunctionCodeText(*code) : std::string{};
}

}  // namespace keys
