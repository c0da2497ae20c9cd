#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/keys/KeyTable.h"
#include "common/keys/UsageNames.h"

namespace keys {
namespace {

struct KeyCase {
    std::uint16_t virtualKey;
    int index;
    std::string_view name;
    Usage usage;
};

// The first and last row of every run, and rows whose neighbours differ.
TEST(KeyTable, VirtualKeysGiveIndexNameAndUsage) {
    const KeyCase cases[] = {
        {0xFF, 2, "255", 0x00},
        {0x08, 3, "Backspace", 0x2A},
        {0x09, 4, "Tab", 0x2B},
        {0x0C, 5, "Clear", 0x9C},
        {0x10, 7, "Shift", 0xE1},
        {0x11, 8, "Ctrl", 0xE0},
        {0x12, 9, "Alt", 0xE2},
        {0x20, 13, "Space bar", 0x2C},
        {0x2C, 23, "Print Screen", 0x46},
        {0x5B, 27, "Left Windows", 0xE3},
        {0x5C, 28, "Right Windows", 0xE7},
        {0x60, 30, "0 (numeric pad)", 0x62},
        {0x61, 31, "1 (numeric pad)", 0x59},
        {0x69, 39, "9 (numeric pad)", 0x61},
        {0x6C, 42, "Separator (numeric pad)", 0x58},
        {0x6D, 43, "Subtract (numeric pad)", 0x56},
        {0x70, 46, "F1", 0x3A},
        {0x7B, 57, "F12", 0x45},
        {0x7C, 58, "F13", 0x68},
        {0x87, 69, "F24", 0x73},
        {0xA0, 72, "Left Shift", 0xE1},
        {0xA5, 77, "Right Alt", 0xE6},
        {0x41, 78, "A", 0x04},
        {0x43, 80, "C", 0x06},
        {0x5A, 103, "Z", 0x1D},
        {0x30, 104, "0", 0x27},
        {0x31, 105, "1", 0x1E},
        {0x39, 113, "9", 0x26},
        {0xBA, 114, "OEM_1", 0x33},
        {0xDF, 121, "OEM_8", 0x00},
        {0xBE, 125, "OEM_Period", 0x37},
        {0xA6, 126, "Browser_Back", 0xCA},
        {0xB3, 139, "Media_Play_Pause", 0xC3},
        {0xB5, 141, "Launch_Media_Select", 0xD1},
        {0xB6, 142, "Launch_App1", 0x00},
        {0xB7, 143, "Launch_App2", 0x00},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const KeyIndex index = KeyIndexOfVirtualKey(c.virtualKey);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(KeyIndexName(index), c.name);
        EXPECT_EQ(UsageOfKeyIndex(index), c.usage);
    }
}

TEST(KeyTable, UnlistedVirtualKeysAreNoneWithoutUsage) {
    for (std::uint16_t vk :
         {0x00, 0x01, 0x03, 0x0A, 0x15, 0x3A, 0x88, 0xE2, 0xFE, 0x100, 0x1FF, 0xFFFF}) {
        SCOPED_TRACE(vk);
        EXPECT_EQ(KeyIndexOfVirtualKey(vk), 0);
        EXPECT_EQ(UsageOfKeyIndex(KeyIndexOfVirtualKey(vk)), 0);
    }
    EXPECT_EQ(KeyIndexName(0), "None");
}

TEST(KeyTable, IndicesOutsideTheTableHaveNoNameOrUsage) {
    for (int index : {144, 200, 255, -1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(KeyIndexName(index), "");
        EXPECT_EQ(UsageOfKeyIndex(index), 0);
    }
    EXPECT_EQ(KeyIndexName(1), "Demo");
    EXPECT_EQ(UsageOfKeyIndex(1), 0);
}

// A typo in a row shows as a virtual key or usage listed twice.
TEST(KeyTable, EveryVirtualKeyAndUsageBelongsToOneRow) {
    std::set<std::uint16_t> virtualKeys;
    std::map<Usage, int> usageRows;
    const auto rows = KeyRows();
    for (int i = 0; i < kKeyIndexCount; ++i) {
        if (rows[i].virtualKey != 0) {
            EXPECT_TRUE(virtualKeys.insert(rows[i].virtualKey).second) << "row " << i;
            EXPECT_EQ(KeyIndexOfVirtualKey(rows[i].virtualKey), i);
        }
        if (rows[i].usage != 0) ++usageRows[rows[i].usage];
    }
    EXPECT_EQ(virtualKeys.size(), 142u);  // all rows but "None" and "Demo"
    for (auto [usage, count] : usageRows) {
        const bool sharedModifier = usage >= 0xE0 && usage <= 0xE2;
        EXPECT_EQ(count, sharedModifier ? 2 : 1) << "usage " << int(usage);
    }
}

TEST(UsageNames, ModifiersNameTheLeftKeyAndBothWindowsKeysAreWin) {
    const std::pair<Usage, std::string_view> cases[] = {
        {0xE0, "Left Ctrl"},  {0xE1, "Left Shift"},  {0xE2, "Left Alt"},  {0xE3, "Win"},
        {0xE4, "Right Ctrl"}, {0xE5, "Right Shift"}, {0xE6, "Right Alt"}, {0xE7, "Win"},
    };
    for (auto [usage, name] : cases) EXPECT_EQ(UsageName(usage), name) << int(usage);
    // The generic Shift names back through its usage as the left key.
    EXPECT_EQ(UsageName(UsageOfKeyIndex(KeyIndexOfVirtualKey(0x10))), "Left Shift");
}

TEST(UsageNames, KeyUsagesNameTheirKeyOthersAreEmpty) {
    const std::pair<Usage, std::string_view> cases[] = {
        {0x04, "A"},
        {0x27, "0"},
        {0x2C, "Space bar"},
        {0x9C, "Clear"},
        {0x65, "Applications"},
        {0xC0, "Media_Next_Track"},
        {0xD1, "Launch_Media_Select"},
        {0x00, ""},
        {0x01, ""},
        {0x64, ""},
        {0x74, ""},
        {0xD0, ""},
        {0xE8, ""},
        {0xFF, ""},
    };
    for (auto [usage, name] : cases) EXPECT_EQ(UsageName(usage), name) << int(usage);
}

}  // namespace
}  // namespace keys
