#pragma once
// A device link on a simulated HID system with one Orvan mouse plugged in.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/device/DeviceLink.h"
#include "common/platform/clock/Clock.h"
#include "common/platform/hid/SimulatedHidSystem.h"
#include "orvandesk/device/OrvanCommands.h"
#include "orvandesk/device/OrvanDevice.h"
#include "sim/orvan/OrvanMouse.h"

class LinkFixture : public ::testing::Test {
protected:
    static constexpr uint32_t kVid = 0x1BCF;
    static constexpr uint32_t kPid = 0x08B8;

    platform::VirtualClock clock;
    std::shared_ptr<platform::SimulatedHidSystem> hid = std::make_shared<platform::SimulatedHidSystem>(clock);
    device::DeviceLink link{hid, device::quietHost(), orvan::kProbes};
    orvan::OrvanDevice orvan{link};

    // A mouse whose memory holds 0, 1, 2, ... (mod 256).
    std::shared_ptr<sim::OrvanMouse> plugCountingMouse(sim::OrvanMouse::Options options = {}) {
        std::vector<uint8_t> image(2048);
        for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i);
        return sim::plugOrvanMouse(*hid, image, options);
    }

    // Opens the mouse and forgets the opening traffic.
    void open() {
        ASSERT_TRUE(link.OpenMouse(kVid, kPid));
        ASSERT_TRUE(link.usable());
        hid->clearTraffic();
    }

    std::vector<std::string> log() const { return hid->featureLog(); }
};
