#include "common/keys/UsageNames.h"

#include <array>

namespace keys {
namespace {

std::array<std::string_view, 256> BuildUsageNames() {
    std::array<std::string_view, 256> names{};
    // The Left keys come after the generic Shift, Ctrl and Alt in the table,
    // so letting the later row win names 0xE0..0xE2 after the Left keys.
    for (const KeyRow& row : KeyRows()) {
        if (row.usage != 0) names[row.usage] = row.name;
    }
    names[0xE3] = "Win";
    names[0xE7] = "Win";
    return names;
}

}  // namespace

std::string_view UsageName(Usage usage) {
    static const std::array<std::string_view, 256> names = BuildUsageNames();
    return names[usage];
}

}  // namespace keys
