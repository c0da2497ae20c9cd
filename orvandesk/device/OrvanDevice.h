#pragma once
// The Orvan command set on top of the shared device link: memory transfers,
// live (working copy) writes and reads, controller registers, identity and
// restart.

#include <cstdint>
#include <span>

#include "common/device/DeviceLink.h"

namespace orvan {

class OrvanDevice {
public:
    explicit OrvanDevice(device::DeviceLink& link) : link_(link) {}

    device::DeviceLink& link() { return link_; }

    // Block transfers of the 2048-byte configuration memory.
    bool ReadDeviceMemory(uint16_t address, std::span<uint8_t> destination, bool showBusy);
    bool WriteDeviceMemory(uint16_t address, std::span<const uint8_t> source);

    // Immediate changes of the working copy (offsets 0..191).
    bool WriteLiveBytes(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t n);
    bool WriteLiveEntry(uint8_t address, uint8_t e0, uint8_t e1, uint8_t e2, uint8_t e3);
    // In 3-byte pieces; false only when there is no command channel.
    bool WriteLiveBlock(uint8_t address, std::span<const uint8_t> source);
    bool ReadLiveBlock(uint8_t form, uint8_t address, std::span<uint8_t> destination);

    // One controller register; a failed read gives 0xFF.
    uint8_t ReadXData(uint16_t address);
    bool WriteXData(uint16_t address, uint8_t value);

    // Identity query; the 7 reply bytes are left in link().chunk().
    bool QueryDeviceInfo();
    bool ResetMouse();

private:
    device::DeviceLink& link_;
};

}  // namespace orvan
