#pragma once
// A HID interface that is not the mouse the program serves: a boot mouse, a
// keyboard, or the mouse's own pointer collection. It answers no feature
// report and, like the collections the desktop's drivers hold, refuses
// read/write opens by default. Tests plug and unplug it to change the
// interface count.

#include <cstdint>
#include <memory>
#include <span>

#include "common/platform/hid/SimulatedHidSystem.h"

namespace sim {

class OtherHidDevice final : public platform::SimulatedHidDevice {
public:
    struct Options {
        uint16_t vendorId = 0x046D;
        uint16_t productId = 0xC077;
        uint16_t featureReportLength = 0;
        uint16_t inputReportLength = 5;
        bool allowsReadWrite = false;
        bool openable = true;
    };

    static Options bootMouse() { return {}; }
    static Options keyboard() { return {0x04D9, 0x1702, 0, 9, false, true}; }

    OtherHidDevice() : OtherHidDevice(Options{}) {}
    explicit OtherHidDevice(Options options) : options_(options) {}

    platform::HidAttributes attributes() const override {
        return {options_.vendorId, options_.productId, 0x0100};
    }
    platform::HidCaps capabilities() const override {
        return {options_.inputReportLength, 0, options_.featureReportLength};
    }
    bool openable() const override { return options_.openable; }
    bool allowsReadWrite() const override { return options_.allowsReadWrite; }
    bool setFeature(std::span<const uint8_t>) override { return false; }
    bool getFeature(std::span<uint8_t>) override { return false; }

private:
    Options options_;
};

}  // namespace sim
