#pragma once
// The program's own key numbering (KeyIndex 0..143) between the PC's virtual
// keys, the keyboard usages the mouse sends and the key names shown in the
// combination-key dialog and the macro list.

#include <cstdint>
#include <span>
#include <string_view>

namespace keys {

using KeyIndex = std::uint8_t;
using Usage = std::uint8_t;

constexpr int kKeyIndexCount = 144;

// One row of the key table. A virtual key or usage of 0 means "none".
struct KeyRow {
    std::string_view name;
    std::uint16_t virtualKey;
    Usage usage;
};

// All 144 rows, indexed by KeyIndex.
std::span<const KeyRow, kKeyIndexCount> KeyRows();

// Every virtual key that no row lists gives 0 ("None").
KeyIndex KeyIndexOfVirtualKey(std::uint16_t virtualKey);

// Empty for indices above 143.
std::string_view KeyIndexName(int index);

// 0 for keys without a usage and for indices outside the table.
Usage UsageOfKeyIndex(int index);

}  // namespace keys
