#pragma once
// What the main window is given from outside: the HID system it searches,
// the clock every wait goes through, and the period of the detection timer.
// The program passes the real ones; tests pass a simulated mouse and a
// virtual clock.

#include <memory>

#include "common/platform/clock/Clock.h"
#include "common/platform/hid/HidSystem.h"
#include "common/platform/pointer/PointerSettings.h"

namespace orvandesk {

struct WindowEnvironment {
    std::shared_ptr<platform::HidSystem> hid;
    platform::Clock* clock = nullptr;
    // The detection timer's period in real milliseconds: 3500 divided by the
    // clock's speed-up, so a scaled clock keeps the timer in step.
    int devTimerIntervalMs = 3500;
    // The desktop pointer settings the advanced page edits; none: not shown.
    std::shared_ptr<platform::PointerSettings> pointer;
};

}  // namespace orvandesk
