#include <gtest/gtest.h>

#include "common/keys/FunctionNames.h"
#include "common/keys/KeyTable.h"
#include "tests/keys/IdTexts.h"

namespace keys {
namespace {

using test::IdTexts;
using test::U16;

struct NameCase {
    const char* code;
    const char* name;  // "" for the empty name
};

OrvanFunctionContext Context() {
    OrvanFunctionContext context;
    context.texts = IdTexts();
    context.memoryIsI2c = true;
    return context;
}

void ExpectNames(std::initializer_list<NameCase> cases, const OrvanFunctionContext& context) {
    for (const NameCase& c : cases) {
        EXPECT_EQ(FunctionName(c.code, context), U16(c.name)) << c.code;
    }
}

TEST(OrvanFunctionName, FixedCodesAndTypeRules) {
    ExpectNames(
        {
            // 1, 2: exact codes only.
            {"00000000", "Str277"},
            {"01010000", "Str210"},
            {"01020000", "Str211"},
            {"01010001", ""},
            {"01020100", ""},
            // 3: any combo mask.
            {"01040000", "Str212"},
            {"01080002", "Str213"},
            {"011000FF", "Str214"},
            {"01200000", ""},
            // 4: any level.
            {"05000000", "Str260"},
            {"050B0000", "Str260"},
            {"05FF1234", "Str260"},
            // 5.
            {"0E000000", "Str261"},
            {"08000000", "Str262"},
            {"08010000", "Str263"},
            {"0C000000", "Str264"},
            {"1006A0FF", "Str265"},
            {"1070A0FF", "Str265"},
            {"0E000001", ""},
            {"08020000", ""},
            // 6: any combo mask; other DPI keys have no name.
            {"09000000", "Str221"},
            {"09010008", "Str222"},
            {"09020080", "Str223"},
            {"09030000", ""},
            // 8.
            {"04010000", "Str241"},
            {"04020000", "Str242"},
            {"04030000", "Str243"},
            {"04040000", ""},
            // 9.
            {"0300CD00", "Str270"},
            {"0300E200", "Str276"},
            {"03022300", "Str280"},
            {"03022A00", "Str286"},
            {"03019400", "Str290"},
            {"03018A00", "Str292"},
            {"02080700", "Str293"},
            {"0A000000", "Str268"},
            {"0A010000", "Str269"},
            {"0B8F0000", "Str266"},
            {"0300CD01", ""},
            {"0C000001", ""},
            {"0D000000", ""},
            {"0F000000", ""},
            {"FF000000", ""},
            // 11: step to the next set, whatever follows.
            {"07000000", "Str254"},
            {"07002020", "Str254"},
            // Not a code at all.
            {"", ""},
            {"0101000", ""},
            {"XYZ00000", ""},
        },
        Context());
}

TEST(OrvanFunctionName, FireKeysMatchCountAndIntervalInOrder) {
    OrvanFunctionContext context = Context();
    context.fireKeys = {{{3, 100, false}, {3, 100, false}, {6, 250, false}}};
    struct Case {
        const char* code;
        const char* name;
        int fireKey;  // 0: no hold flag seen
        bool hold;
    };
    const Case cases[] = {
        {"06120064", "Str231", 1, false},  // fire keys 1 and 2 both match: 1 wins
        {"06920064", "Str231", 1, true},   // hold bit
        {"061500FA", "Str233", 3, false}, {"069500FA", "Str233", 3, true},
        {"06520064", "Str231", 1, false},  // bits 6..4 are not part of the count
        {"06130064", "", 0, false},        // count differs
        {"06120065", "", 0, false},        // interval differs
        {"06000000", "", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const FunctionNaming naming = NameFunction(*ParseFunctionCode(c.code), context);
        EXPECT_EQ(naming.name, U16(c.name));
        ASSERT_EQ(naming.fireKeyHold.has_value(), c.fireKey != 0);
        if (c.fireKey != 0) {
            EXPECT_EQ(naming.fireKeyHold->fireKey, c.fireKey);
            EXPECT_EQ(naming.fireKeyHold->hold, c.hold);
        }
    }
    // Fire key 2 is named once fire key 1 no longer matches.
    context.fireKeys[0].intervalMs = 99;
    EXPECT_EQ(FunctionName("06120064", context), u"Str232");
}

TEST(OrvanFunctionName, KeySetTargetsAndTheirColour) {
    struct Case {
        const char* code;
        const char* name;
        int keySet;  // -1: no colour seen
        int colourChoice;
    };
    const Case cases[] = {
        {"07800000", "Str251", 0, 0},  {"07810000", "Str252", 1, 0},  {"07820000", "Str253", 2, 0},
        {"07D1F020", "Str252", 1, 10},  // return to zero + change colour, specified colour
        {"07F29020", "Str253", 2, 9},   // all flags, colour 10
        {"07B03020", "Str251", 0, 3},  {"0781A000", "Str252", -1, 0},  // no colour choice stands
                                                                       // for 0xA
        {"07830000", "", -1, 0},       {"07400000", "", -1, 0},        // flags without a target
        {"07870000", "", -1, 0},
    };
    const OrvanFunctionContext context = Context();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const FunctionNaming naming = NameFunction(*ParseFunctionCode(c.code), context);
        EXPECT_EQ(naming.name, U16(c.name));
        ASSERT_EQ(naming.keySetColour.has_value(), c.keySet >= 0);
        if (c.keySet >= 0) {
            EXPECT_EQ(naming.keySetColour->keySet, c.keySet);
            EXPECT_EQ(naming.keySetColour->colourChoice, c.colourChoice);
        }
        EXPECT_FALSE(naming.fireKeyHold);
    }
}

TEST(OrvanFunctionName, KeyCombinations) {
    ExpectNames(
        {
            {"02010600", "Ctrl+C"},
            {"02000000", "Str205"},
            {"02000400", "A"},
            {"02050000", "Ctrl+Alt"},
            {"020F0405", "Ctrl+Shift+Alt+Win+A+B"},
            {"02000004", "A"},  // second key only
            {"0202E1E3", "Shift+Left Shift+Win"},
            {"0200C428", "Volume_Mute+Enter"},
            // A usage no key maps to is left out of the caption.
            {"02018000", "Ctrl"},
            {"02008004", "A"},
            {"02008080", "Str205"},
            {"02F00000", "Str205"},  // bits above Win are no modifiers
        },
        Context());
}

// The road of "User-defined" with Ctrl ticked and C pressed: the pressed key
// becomes a usage, the code 02 01 06 00, and the button shows Ctrl+C.
TEST(OrvanFunctionName, UserDefinedCtrlC) {
    const KeyIndex c = KeyIndexOfVirtualKey('C');
    EXPECT_EQ(KeyIndexName(c), "C");
    const FunctionCode code{0x02, modifier::Ctrl, UsageOfKeyIndex(c), 0x00};
    EXPECT_EQ(FunctionCodeText(code), "02010600");
    EXPECT_EQ(FunctionName(FunctionCodeText(code), Context()), u"Ctrl+C");
}

TEST(OrvanFunctionName, GunPresetsByGunAndStage) {
    ExpectNames(
        {
            {"0B000100", "Str600"},
            {"0B100108", "Str600"},  // keeps a left click, combo mask
            {"0B010100", "Str601"},
            {"0B110100", "Str601"},
            {"0B020100", "Str602"},
            {"0B030100", "Str603"},
            {"0B140100", "Str604"},
            {"0B050100", "Str605"},
            {"0B150200", "Str605"},
            {"0B070100", "Str606"},
            {"0B170302", "Str606"},
            {"0B000200", ""},  // the AKM has one stage
            {"0B050300", ""},
            {"0B070400", ""},
            {"0B060100", ""},  // no gun 6
            {"0B000000", ""},
            {"0B200100", ""},
            {"0B800100", ""},  // a script code with no list
        },
        Context());
}

TEST(OrvanFunctionName, GunCodesNameTheFireMacroListWhenItExists) {
    OrvanFunctionContext context = Context();
    context.fireMacroList = std::array<FunctionCode, kFireMacroListSize>{};
    (*context.fireMacroList)[0] = {0x0B, 0x10, 0x01, 0x00};
    (*context.fireMacroList)[3] = {0x0B, 0x81, 0x00, 0x00};
    (*context.fireMacroList)[9] = {0x0B, 0x81, 0x00, 0x00};  // same digits: the later wins
    ExpectNames(
        {
            {"0B100100", "Fire Macro1"},
            {"0B100108", "Fire Macro1"},  // byte 3 is not compared
            {"0B810000", "Fire Macro10"},
            {"0B000100", ""},  // a gun code with no list entry has no gun name either
            {"0B8F0000", "Str266"},
        },
        context);
}

TEST(OrvanFunctionName, DeviceMacrosByAddressWhenMemoryIsI2c) {
    OrvanFunctionContext context = Context();
    context.deviceMacros = {
        {0x0200, true, u"Reload"},
        {0x0231, true, u"Jump"},
        {0x0231, true, u"Jump2"},  // a later match wins
        {0x0260, false, u"Old"},
    };
    ExpectNames(
        {
            {"10020000", "Reload"},
            {"100200FF", "Reload"},
            {"10023100", "Jump2"},
            {"10026000", ""},  // slot not in use
            {"10030000", ""},
        },
        context);
    context.memoryIsI2c = false;
    ExpectNames({{"10020000", ""}, {"1006A0FF", "Str265"}}, context);
}

TEST(OrvanFunctionName, CompositeNamesOnlyCombinationsGunsAndMacros) {
    OrvanFunctionContext context = Context();
    context.deviceMacros = {{0x0200, true, u"M"}};
    EXPECT_EQ(CompositeFunctionName("02010600", context), u"Ctrl+C");
    EXPECT_EQ(CompositeFunctionName("0B000100", context), u"Str600");
    EXPECT_EQ(CompositeFunctionName("10020000", context), u"M");
    for (const char* code : {"00000000", "01010000", "03022300", "07810000", "0E000000", "bad"}) {
        EXPECT_EQ(CompositeFunctionName(code, context), u"") << code;
    }
}

TEST(OrvanFunctionName, WithoutTextsNamesAreEmptyButComposedNamesRemain) {
    OrvanFunctionContext context;
    EXPECT_EQ(FunctionName("00000000", context), u"");
    EXPECT_EQ(FunctionName("02010600", context), u"Ctrl+C");
}

}  // namespace
}  // namespace keys
