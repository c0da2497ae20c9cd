#pragma once
// The three pointer sliders (eleven positions each) and the two switches of
// the advanced page, over a PointerSettings backend. Reading turns the stored
// numbers into positions; every change writes and applies all five settings.

#include <array>

#include "common/platform/pointer/PointerSettings.h"

namespace orvan {

inline constexpr int kPointerPositions = 11;
inline constexpr std::array<int, kPointerPositions> kSpeedWritten = {1,  2,  4,  6,  8, 10,
                                                                     12, 14, 16, 18, 20};
inline constexpr std::array<int, kPointerPositions> kDoubleClickWritten = {
    900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};

// Slider position (1..11) of a stored value.
int SpeedPosition(int speed);
int DoubleClickPosition(int milliseconds);
// -1 (one screen at a time) has no position: 0.
int WheelPosition(int lines);

struct PointerState {
    int speedPosition = 0;  // 0 until first read
    int doubleClickPosition = 0;
    int wheelPosition = 0;
    int rememberedWheelPosition = 0;  // where the wheel slider goes back to
    int speed = 0;
    int acceleration = 0;  // MouseSpeed
    int threshold1 = 0;
    int threshold2 = 0;
    int doubleClickMs = 0;
    int wheelLines = 0;
    bool accelerationOn = false;
    bool oneScreen = false;
};

class PointerModel {
public:
    explicit PointerModel(platform::PointerSettings& settings) : settings_(settings) {}

    // Pointer speed, acceleration and double-click time.
    void RefreshMouseSystemParameterA();
    // Wheel lines and the one-screen switch.
    void RefreshMouseSystemParameterB();
    void ChangedMouseSystemParameterA();
    void ChangedMouseSystemParameterB();

    // The click handlers: each changes its part, then writes and applies all.
    void setSpeedPosition(int position);
    void setDoubleClickPosition(int position);
    void setWheelPosition(int position);
    void toggleAcceleration();
    void toggleOneScreen();

    const PointerState& state() const { return s_; }

private:
    void applyAll();

    platform::PointerSettings& settings_;
    PointerState s_;
};

}  // namespace orvan
