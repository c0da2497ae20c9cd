// Stored pointer values to slider positions, and what each click writes and
// applies.

#include <gtest/gtest.h>

#include <vector>

#include "orvandesk/performance/PointerModel.h"

namespace {

using platform::PointerApplied;
using platform::PointerGroup;
using platform::PointerValues;

// Groups held in memory; a group can be made to fail to open.
class FakeSettings : public platform::PointerSettings {
public:
    PointerValues mouse;
    PointerValues desktop;
    bool opens = true;
    std::vector<PointerApplied> applied;

    std::optional<PointerValues> read(PointerGroup g) override {
        if (!opens) return std::nullopt;
        return g == PointerGroup::Mouse ? mouse : desktop;
    }
    bool write(PointerGroup g, const PointerValues& values) override {
        if (!opens) return false;
        for (const auto& [k, v] : values) (g == PointerGroup::Mouse ? mouse : desktop)[k] = v;
        return true;
    }
    void apply(const PointerApplied& a) override { applied.push_back(a); }
};

TEST(PointerPositions, StoredValuesFindTheirSliderPosition) {
    struct Case {
        int value, speed, doubleClick, wheel;
    };
    // speed: 10 and 11 have no position of their own; double-click bands of
    // 70 ms; wheel: 0 and 3 share position 3, anything past 10 is 11.
    const Case cases[] = {
        {0, 1, 11, 3},   {1, 1, 11, 1},    {3, 2, 11, 3},    {9, 5, 11, 9},      {10, 6, 11, 10},
        {11, 6, 11, 11}, {12, 7, 11, 11},  {19, 10, 11, 11}, {20, 11, 11, 11},   {21, 6, 11, 11},
        {-5, 6, 11, 11}, {270, 6, 10, 11}, {269, 6, 11, 11}, {500, 6, 7, 11},    {829, 6, 3, 11},
        {830, 6, 2, 11}, {899, 6, 2, 11},  {900, 6, 1, 11},  {100000, 6, 1, 11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(orvan::SpeedPosition(c.value), c.speed) << c.value;
        EXPECT_EQ(orvan::DoubleClickPosition(c.value), c.doubleClick) << c.value;
        EXPECT_EQ(orvan::WheelPosition(c.value), c.wheel) << c.value;
    }
}

class PointerModelTest : public ::testing::Test {
protected:
    FakeSettings settings;
    orvan::PointerModel model{settings};

    void SetUp() override {
        settings.mouse = {{"MouseSensitivity", "10"},
                          {"MouseSpeed", "0"},
                          {"MouseThreshold1", "0"},
                          {"MouseThreshold2", "0"},
                          {"DoubleClickSpeed", "500"}};
        settings.desktop = {{"WheelScrollLines", "3"}};
    }
    void read() {
        model.RefreshMouseSystemParameterA();
        model.RefreshMouseSystemParameterB();
    }
};

TEST_F(PointerModelTest, EveryClickWritesAndAppliesAllFiveSettings) {
    read();
    EXPECT_EQ(model.state().speedPosition, 6);
    EXPECT_EQ(model.state().doubleClickPosition, 7);
    EXPECT_FALSE(model.state().accelerationOn);
    model.setSpeedPosition(11);
    EXPECT_EQ(settings.mouse["MouseSensitivity"], "20");
    // The unchanged ones are rewritten from their positions.
    EXPECT_EQ(settings.mouse["DoubleClickSpeed"], "480");
    EXPECT_EQ(settings.desktop["WheelScrollLines"], "3");
    ASSERT_EQ(settings.applied.size(), 1u);
    EXPECT_EQ(settings.applied[0], (PointerApplied{20, 0, 0, 0, 480, 3}));

    model.setDoubleClickPosition(1);
    EXPECT_EQ(settings.mouse["DoubleClickSpeed"], "900");
    EXPECT_EQ(settings.applied.back().doubleClickMs, 900);

    model.toggleAcceleration();
    EXPECT_EQ(settings.mouse["MouseSpeed"], "1");
    EXPECT_EQ(settings.mouse["MouseThreshold1"], "6");
    EXPECT_EQ(settings.mouse["MouseThreshold2"], "10");
    EXPECT_EQ(settings.applied.back(), (PointerApplied{20, 6, 10, 1, 900, 3}));
    model.toggleAcceleration();
    EXPECT_EQ(settings.applied.back(), (PointerApplied{20, 0, 0, 0, 900, 3}));
}

TEST_F(PointerModelTest, OneScreenAtATimeGoesBackToTheRememberedWheelPosition) {
    settings.desktop["WheelScrollLines"] = "-1";
    read();
    EXPECT_TRUE(model.state().oneScreen);
    model.setWheelPosition(5);  // the slider is off meanwhile
    EXPECT_TRUE(settings.applied.empty());
    model.toggleOneScreen();
    EXPECT_EQ(settings.desktop["WheelScrollLines"], "1");
    EXPECT_EQ(settings.applied.back().wheelLines, 1);
    model.setWheelPosition(7);
    model.toggleOneScreen();
    EXPECT_EQ(settings.desktop["WheelScrollLines"], "-1");
    model.toggleOneScreen();
    EXPECT_EQ(settings.desktop["WheelScrollLines"], "7");
}

TEST_F(PointerModelTest, UnreadableValuesKeepWhatWasShown) {
    read();
    // Text that is no number, a group that does not open, a missing value.
    settings.mouse = {
        {"MouseSensitivity", "fast"}, {"DoubleClickSpeed", "99999999999999"}, {"MouseSpeed", " 1"}};
    settings.desktop = {};
    read();
    EXPECT_EQ(model.state().speedPosition, 6);
    EXPECT_EQ(model.state().doubleClickPosition, 7);
    EXPECT_FALSE(model.state().accelerationOn);
    EXPECT_EQ(model.state().wheelPosition, 3);
    settings.opens = false;
    read();
    model.setSpeedPosition(2);
    // Still applied, from the kept values.
    EXPECT_EQ(settings.applied.back(), (PointerApplied{2, 0, 0, 0, 480, 3}));
    model.setSpeedPosition(12);  // no such position
    EXPECT_EQ(settings.applied.size(), 1u);
}

TEST(PointerModelFirstRead, NothingReadWritesOnlyTheAccelerationTriple) {
    FakeSettings settings;
    orvan::PointerModel model(settings);
    model.RefreshMouseSystemParameterA();
    model.RefreshMouseSystemParameterB();
    model.toggleAcceleration();
    EXPECT_EQ(
        settings.mouse,
        (PointerValues{{"MouseSpeed", "1"}, {"MouseThreshold1", "6"}, {"MouseThreshold2", "10"}}));
    EXPECT_TRUE(settings.desktop.empty());
}

}  // namespace
