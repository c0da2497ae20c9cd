#include <gtest/gtest.h>

#include <set>

#include "common/keys/MenuItems.h"

namespace keys {
namespace {

struct ItemCase {
    int item;
    const char* code;
};

void ExpectItems(std::initializer_list<ItemCase> cases, const auto& context) {
    for (const ItemCase& c : cases) {
        EXPECT_EQ(FunctionCodeOfItem(c.item, context), c.code) << "item " << c.item;
    }
}

// Items whose code is fixed, with combo masks, fire keys and AIM level left
// at values that would show if they leaked into these codes.
TEST(OrvanMenuItems, FixedItemsOfEveryGroup) {
    OrvanFunctionContext context;
    context.comboMasks = {0x08, 0x02, 0x02, 0x08, 0x08, 0x08};
    context.aimLevel = 7;
    context.memoryIsI2c = true;
    ExpectItems(
        {
            {0, "00000000"},    {900, "01010000"},  {901, "01020000"},  {1001, "0E000000"},
            {1002, "08000000"}, {1003, "08010000"}, {1004, "0C000000"}, {1006, "0B8F0000"},
            {1007, "00000000"}, {1100, "0300CD00"}, {1101, "0300B700"}, {1102, "0300B600"},
            {1103, "0300B500"}, {1104, "0300E900"}, {1105, "0300EA00"}, {1106, "0300E200"},
            {1200, "03022300"}, {1201, "03022100"}, {1202, "03022400"}, {1203, "03022500"},
            {1204, "03022600"}, {1205, "03022700"}, {1206, "03022A00"}, {1300, "03019400"},
            {1301, "03019200"}, {1302, "03018A00"}, {1303, "02080700"}, {2200, "04010000"},
            {2201, "04020000"}, {2202, "04030000"}, {2303, "07000000"}, {2400, "0A000000"},
            {2401, "0A010000"},
        },
        context);
}

TEST(OrvanMenuItems, UnknownItemsGiveNoCode) {
    const OrvanFunctionContext context;
    for (int item : {-1, 1, 899, 905, 1008, 1107, 1207, 1304, 2003, 2103, 2203, 2304, 2402, 9999}) {
        EXPECT_EQ(FunctionCodeOfItem(item, context), "") << item;
    }
}

// The menu rows and the item table agree: every row gives a code, and no
// number without a row does (item 0 stands for "none").
TEST(OrvanMenuItems, EveryMenuRowAndNoOtherItemGivesACode) {
    OrvanFunctionContext context;
    context.memoryIsI2c = true;
    std::set<int> rows;
    for (const MenuEntry& entry : OrvanMenuEntries()) {
        EXPECT_TRUE(rows.insert(entry.item).second) << entry.component;
        EXPECT_TRUE(entry.component.starts_with("Key_")) << entry.item;
    }
    EXPECT_EQ(rows.size(), 46u);
    for (int item = 0; item <= 2500; ++item) {
        const bool offered = item == 0 || rows.contains(item);
        EXPECT_EQ(FunctionCodeOfItem(item, context).size(), offered ? 8u : 0u) << item;
    }
}

TEST(OrvanMenuItems, MouseAndDpiKeysTakeTheirComboMask) {
    OrvanFunctionContext context;
    context.comboMasks = {0x08, 0x02, 0x04, 0x10, 0x20, 0x80};
    ExpectItems({{902, "01040008"},
                 {903, "01080002"},
                 {904, "01100004"},
                 {2000, "09000010"},
                 {2001, "09010020"},
                 {2002, "09020080"}},
                context);
    ExpectItems({{902, "01040000"}, {2000, "09000000"}}, OrvanFunctionContext{});
}

TEST(OrvanMenuItems, AimKeyCarriesTheCurrentLevel) {
    OrvanFunctionContext context;
    const std::pair<int, const char*> cases[] = {
        {1, "05000000"},
        {6, "05050000"},
        {12, "050B0000"},
        // A level outside 1..12 is held to the range instead of spilling into another byte.
        {0, "05000000"},
        {-3, "05000000"},
        {13, "050B0000"},
        {300, "050B0000"},
    };
    for (auto [level, code] : cases) {
        context.aimLevel = level;
        EXPECT_EQ(FunctionCodeOfItem(1000, context), code) << level;
    }
}

TEST(OrvanMenuItems, FireKeysTakeCountIntervalAndHold) {
    OrvanFunctionContext context;
    context.fireKeys = {{{2, 60, false}, {5, 120, true}, {15, 4094, false}}};
    ExpectItems({{2100, "0611003C"}, {2101, "06940078"}, {2102, "061E0FFE"}}, context);
    // Out-of-range fields are held to 1..15 clicks and 1..4094 ms.
    context.fireKeys = {{{0, 0, false}, {16, 5000, true}, {-1, 65536, false}}};
    ExpectItems({{2100, "06100001"}, {2101, "069E0FFE"}, {2102, "06100FFE"}}, context);
}

TEST(OrvanMenuItems, FireMacroKeyOnlyWithI2cMemory) {
    OrvanFunctionContext context;
    EXPECT_EQ(FunctionCodeOfItem(1005, context), "");
    context.memoryIsI2c = true;
    EXPECT_EQ(FunctionCodeOfItem(1005, context), "1006A0FF");
}

TEST(OrvanMenuItems, KeySetSwitchesAreExactOutsideComboSlots) {
    OrvanFunctionContext context;
    context.profileSetting = {true, true, true, {3, 4, 10}, false, 0x42};
    ExpectItems({{2300, "07800000"}, {2301, "07810000"}, {2302, "07820000"}, {2303, "07000000"}},
                context);
}

TEST(OrvanMenuItems, KeySetSwitchesInComboSlotsCarryProfileSettings) {
    struct Case {
        const char* what;
        ProfileSettingFields fields;
        int item;
        const char* code;
    };
    const Case cases[] = {
        {"nothing enabled", {false, false, false, {0, 0, 0}, false, 0x20}, 2300, "07800020"},
        {"return to zero and change colour",
         {true, false, true, {0, 2, 0}, false, 0x20},
         2301,
         "07D12020"},
        {"adjust XY", {false, true, false, {0, 0, 9}, false, 0x05}, 2302, "07A29005"},
        {"all flags, specified colour",
         {true, true, true, {10, 0, 0}, false, 0xFF},
         2300,
         "07F0F0FF"},
        {"LED type forces the specified colour",
         {false, false, false, {1, 1, 1}, true, 0x20},
         2301,
         "0781F020"},
        {"colour choice out of range",
         {false, false, false, {0, 0, 42}, false, 0x20},
         2302,
         "0782F020"},
        // The loop has no target set: flags would turn it into an unnamed code.
        {"loop", {true, true, true, {5, 5, 5}, false, 0x33}, 2303, "07000000"},
    };
    OrvanFunctionContext context;
    context.assigningComboSlot = true;
    for (const Case& c : cases) {
        context.profileSetting = c.fields;
        EXPECT_EQ(FunctionCodeOfItem(c.item, context), c.code) << c.what;
    }
}

TEST(PellisMenuItems, FixedItemsOfEveryGroup) {
    const PellisFunctionContext context;
    ExpectItems(
        {
            {900, "01010000"},  {901, "01020000"},  {902, "01040000"},  {903, "01080000"},
            {904, "01100000"},  {1000, "0F000000"}, {1001, "05000000"}, {1002, "07000000"},
            {1003, "09000000"}, {1004, "0C000000"}, {1005, "0D000000"}, {1006, "0E000000"},
            {1007, "09010000"}, {1008, "09020000"}, {1100, "04010000"}, {1101, "04020000"},
            {1102, "04030000"}, {1300, "0300CD00"}, {1306, "0300E200"}, {1400, "03022300"},
            {1406, "03022A00"},
        },
        context);
    for (int item : {0, 905, 1009, 1103, 1204, 1307, 1407, 2000, 2100, 2300}) {
        EXPECT_EQ(FunctionCodeOfItem(item, context), "") << item;
    }
}

TEST(PellisMenuItems, FireKeysKeepTheEntrysHighBitsAboveTheInterval) {
    PellisFunctionContext context;
    context.fireKeys = {{{2, 16, 0x00}, {3, 0x123, 0xA5}, {15, 4094, 0xF0}, {1, 0, 0x0F}}};
    ExpectItems(
        {
            {1200, "06120010"},
            {1201, "0613A123"},
            {1202, "061FFFFE"},
            // Count held to 2..15, interval to 1..4094; the entry's low bits never leak.
            {1203, "06120001"},
        },
        context);
}

}  // namespace
}  // namespace keys
