#pragma once
// Function codes both programs offer, in menu order. Each program numbers
// the menu items and the names of a group from its own first item and id.

#include <array>
#include <optional>
#include <span>

#include "common/keys/FunctionCode.h"

namespace keys {

// Play/Pause, Stop, Previous Track, Next Track, Volume +, Volume -, Mute.
inline constexpr std::array<FunctionCode, 7> kMediaCodes = {{
    {0x03, 0x00, 0xCD, 0x00},
    {0x03, 0x00, 0xB7, 0x00},
    {0x03, 0x00, 0xB6, 0x00},
    {0x03, 0x00, 0xB5, 0x00},
    {0x03, 0x00, 0xE9, 0x00},
    {0x03, 0x00, 0xEA, 0x00},
    {0x03, 0x00, 0xE2, 0x00},
}};

// Home, Search, Back, Forward, Stop, Refresh, Favorites.
inline constexpr std::array<FunctionCode, 7> kBrowserCodes = {{
    {0x03, 0x02, 0x23, 0x00},
    {0x03, 0x02, 0x21, 0x00},
    {0x03, 0x02, 0x24, 0x00},
    {0x03, 0x02, 0x25, 0x00},
    {0x03, 0x02, 0x26, 0x00},
    {0x03, 0x02, 0x27, 0x00},
    {0x03, 0x02, 0x2A, 0x00},
}};

// Power Down, Sleep, Wake Up.
inline constexpr std::array<FunctionCode, 3> kPowerCodes = {{
    {0x04, 0x01, 0x00, 0x00},
    {0x04, 0x02, 0x00, 0x00},
    {0x04, 0x03, 0x00, 0x00},
}};

// Left, Right, Middle, Backward, Forward, without a combo mask.
inline constexpr std::array<FunctionCode, 5> kMouseButtonCodes = {{
    {0x01, 0x01, 0x00, 0x00},
    {0x01, 0x02, 0x00, 0x00},
    {0x01, 0x04, 0x00, 0x00},
    {0x01, 0x08, 0x00, 0x00},
    {0x01, 0x10, 0x00, 0x00},
}};

// A group of fixed codes: menu items firstItem.. and name ids firstText.. in step.
struct CodeRun {
    int firstItem;
    int firstText;
    std::span<const FunctionCode> codes;
};

inline std::optional<FunctionCode> CodeOfItemInRuns(std::span<const CodeRun> runs, int item) {
    for (const CodeRun& run : runs) {
        const int k = item - run.firstItem;
        if (k >= 0 && k < static_cast<int>(run.codes.size())) return run.codes[k];
    }
    return std::nullopt;
}

inline std::optional<int> TextOfCodeInRun(const CodeRun& run, const FunctionCode& code) {
    for (std::size_t k = 0; k < run.codes.size(); ++k) {
        if (run.codes[k] == code) return run.firstText + static_cast<int>(k);
    }
    return std::nullopt;
}

inline std::optional<int> TextOfCodeInRuns(std::span<const CodeRun> runs,
                                           const FunctionCode& code) {
    for (const CodeRun& run : runs) {
        if (auto id = TextOfCodeInRun(run, code)) return id;
    }
    return std::nullopt;
}

}  // namespace keys
