#pragma once
// In-process HID devices for tests and for running without hardware. Devices
// can be plugged and unplugged at any time (also scheduled on the clock, for
// a device that restarts), and every report that crosses is kept in a
// traffic log.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "common/platform/clock/Clock.h"
#include "common/platform/hid/HidSystem.h"

namespace platform {

// What a simulated device must answer. Calls arrive on the caller's thread,
// one at a time per system.
class SimulatedHidDevice {
public:
    virtual ~SimulatedHidDevice() = default;
    virtual HidAttributes attributes() const = 0;
    virtual HidCaps capabilities() const = 0;
    // A device path that cannot be opened at all (not counted, not listed as
    // usable).
    virtual bool openable() const { return true; }
    // System-owned collections (a pointer or keyboard collection) refuse
    // opens with read/write access, as the desktop's own drivers hold them.
    virtual bool allowsReadWrite() const { return true; }
    virtual bool setFeature(std::span<const uint8_t> report) = 0;
    virtual bool getFeature(std::span<uint8_t> report) = 0;
};

struct HidTraffic {
    enum class Kind { SetFeature, GetFeature, Input };
    uint64_t timeMs = 0;
    Kind kind = Kind::SetFeature;
    bool ok = false;
    std::vector<uint8_t> bytes;  // as sent, or as received (after the call)
};

// "40 0D 00 00 00 00 00 00": the usual way tests compare reports.
std::string hexBytes(std::span<const uint8_t> bytes);

class SimulatedHidSystem final : public HidSystem {
public:
    explicit SimulatedHidSystem(Clock& clock);
    ~SimulatedHidSystem() override;

    // Returns the device path.
    std::string plug(std::shared_ptr<SimulatedHidDevice> device);
    // Open handles on the device fail from now on; readers wake up.
    void unplug(const SimulatedHidDevice* device);
    // Plugs the device once the clock has reached atMs (checked whenever the
    // system is used).
    void plugAt(std::shared_ptr<SimulatedHidDevice> device, uint64_t atMs);
    bool isPlugged(const SimulatedHidDevice* device) const;
    // Delivers an input report to every read/write handle open on the device.
    void sendInput(const SimulatedHidDevice* device, std::vector<uint8_t> report);

    std::vector<HidTraffic> traffic() const;
    // The feature reports only, one line each: "set 40 0D 00 ..." or
    // "get 41 ...", with " (failed)" after a refused one.
    std::vector<std::string> featureLog() const;
    void clearTraffic();
    Clock& clock() { return clock_; }

    std::vector<std::string> enumerate() override;
    HidHandlePtr open(const std::string& path, HidAccess access) override;

    struct State;  // shared with open handles

private:
    Clock& clock_;
    std::shared_ptr<State> state_;
};

}  // namespace platform
