// The LED rules: effects per LED type, the options byte 42 offers, the
// step-time positions and the LED type the defaults follow.

#include <gtest/gtest.h>

#include "orvandesk/lighting/LightingRules.h"

namespace orvan::lighting {
namespace {

TEST(LightingRules, EffectsOfEachType) {
    struct Case {
        LedType type;
        std::array<bool, 8> defined;  // effect numbers 0..7
    };
    const Case cases[] = {
        {LedType::Rgb, {true, true, true, true, true, true, false, false}},
        {LedType::Sync, {true, true, true, false, false, false, false, false}},
        {LedType::Nt, {true, true, true, false, true, true, false, false}},
    };
    for (const Case& c : cases) {
        for (int e = 0; e < 8; ++e) {
            EXPECT_EQ(EffectDefined(c.type, e), c.defined[static_cast<size_t>(e)])
                << LedTypeString(c.type) << " effect " << e;
        }
        EXPECT_FALSE(EffectDefined(c.type, -1));
    }
}

TEST(LightingRules, OptionsOfferedByByte42) {
    struct Case {
        LedType type;
        uint8_t enable;
        std::array<bool, 6> shown;
    };
    const Case cases[] = {
        {LedType::Rgb, 0x07, {true, true, true, false, false, false}},
        {LedType::Rgb, 0xFF, {true, true, true, true, true, true}},
        // Options of effects the type lacks stay hidden whatever byte 42 says.
        {LedType::Sync, 0x3D, {true, false, true, false, false, false}},
        {LedType::Nt, 0x3F, {true, true, true, false, true, true}},
        {LedType::Nt, 0x08, {false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OptionsShown(c.type, c.enable), c.shown)
            << LedTypeString(c.type) << " " << int{c.enable};
    }
}

TEST(LightingRules, OptionKeepsTypeAndCountBits) {
    EXPECT_EQ(LedModeForOption(0x04, 1), 0x00);
    EXPECT_EQ(LedModeForOption(0x04, 6), 0x05);
    EXPECT_EQ(LedModeForOption(0xF5, 2), 0xF1) << "NT with 8 LEDs";
    EXPECT_EQ(LedModeForOption(0x41, 3), 0x42);
}

TEST(LightingRules, StepTimePositions) {
    const std::pair<int, int> cases[] = {{0, 1},  {5, 1},  {6, 2},   {8, 2},   {10, 2},  {11, 3},
                                         {35, 7}, {45, 9}, {46, 10}, {50, 10}, {255, 10}};
    for (auto [time, position] : cases) EXPECT_EQ(StepPosition(time), position) << time;
    for (int p = 1; p <= kStepPositions; ++p) {
        EXPECT_EQ(StepTimeOfPosition(p), 5 * p);
        EXPECT_EQ(StepPosition(StepTimeOfPosition(p)), p) << "a chosen position shows itself";
    }
}

TEST(LightingRules, TypedValuesHeldToTheirLimits) {
    EXPECT_EQ(Clamp(300, kColourLimit), 255);
    EXPECT_EQ(Clamp(5000, BreathLimit(52)), 4094);
    EXPECT_EQ(Clamp(70000, BreathLimit(48)), 65535);
    EXPECT_EQ(Clamp(4095, BreathLimit(54)), 4095);
    EXPECT_EQ(Clamp(-1, kColourLimit), 0);
}

TEST(LightingRules, LedTypeStateDecidesTheDefaults) {
    LedTypeState state;
    DefaultsContext context;
    EXPECT_EQ(state.text(), "");
    struct Case {
        uint8_t ledMode;
        const char* text;
        LedType type;
        LedPackage package;
    };
    const Case cases[] = {{0x04, "RGB", LedType::Rgb, LedPackage::Rgb},
                          {0x41, "Sync", LedType::Sync, LedPackage::ZUduz},
                          {0x85, "NT", LedType::Nt, LedPackage::ZUduz},
                          {0xF5, "NT", LedType::Nt, LedPackage::ZUduz}};
    for (const Case& c : cases) {
        state.ShowFrom(c.ledMode);
        state.Fill(context);
        EXPECT_EQ(state.text(), c.text);
        EXPECT_EQ(context.ledType, c.type) << c.text;
        EXPECT_EQ(context.package, c.package) << c.text;
    }
    // A lost mouse empties the text, which counts as RGB; the package stays.
    state.Forget();
    state.Fill(context);
    EXPECT_EQ(state.text(), "");
    EXPECT_EQ(context.ledType, LedType::Rgb);
    EXPECT_EQ(context.package, LedPackage::ZUduz);
}

}  // namespace
}  // namespace orvan::lighting
