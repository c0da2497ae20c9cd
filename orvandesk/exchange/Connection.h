#pragma once
// Keeps the program connected to its one mouse: watches the number of HID
// interfaces to notice plugging and unplugging, opens and identifies the
// mouse, and restarts it after changes that need a restart. Runs on the
// window thread; every wait goes through the clock and keeps the window
// responsive.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "common/platform/clock/Clock.h"
#include "orvandesk/device/OrvanDevice.h"
#include "orvandesk/exchange/ConnectionHost.h"

namespace orvan {

inline constexpr const char* kKindI2C = "I2C";
inline constexpr const char* kKindFlash = "Flash";

using IdPair = std::pair<uint8_t, uint8_t>;

// What the program looks for, taken from the first default image and the
// option table.
struct ConnectionConfig {
    uint32_t vendorId = 0;
    uint32_t productId = 0;
    std::string configuredKind = kKindFlash;
    std::optional<IdPair> firstExpectedIds;  // only with the I2C kind
    IdPair secondExpectedIds{0, 0};          // Rev_Manu_ID, Rev_Pro_ID

    static ConnectionConfig fromDefaultImage(std::span<const uint8_t> image, uint8_t revManuId,
                                             uint8_t revProId);
};

class Connection {
public:
    struct DeviceIds {
        uint32_t vendorId = 0;
        uint32_t productId = 0;
    };

    Connection(OrvanDevice& device, platform::Clock& clock, ConnectionHost& host, ConnectionConfig config);

    // The detection tick, every 3500 ms; a nested tick does nothing.
    void DevTimerTimer();
    // Forget the connection and search again at once.
    void ReFindDev();
    // Identify the opened mouse; read its image when it is accepted.
    void ReadDevInfo();
    // Still there? DEVICE_INFO on the current command handle.
    bool ProbeMouse();
    void OnMouseLost();
    // Restart the mouse and connect again (about 17 s).
    void RestartAndReconnect();

    const ConnectionConfig& config() const { return config_; }
    const std::array<DeviceIds, 2>& DeviceIdList() const { return deviceIdList_; }
    void setDeviceIdEntry(size_t index, DeviceIds ids) { deviceIdList_.at(index) = ids; }
    // "I2C" once the identity reply was accepted; empty when the mouse is lost.
    const std::string& detectedKind() const { return detectedKind_; }
    // The 12 bytes read at 484 during identification.
    const std::array<uint8_t, 12>& reserveRead() const { return reserveRead_; }
    int lastInterfaceCount() const { return lastCount_; }
    bool stillThere() const { return stillThere_; }

    static constexpr uint32_t kTickMs = 3500;

private:
    // `rounds` sleeps of `ms`, each followed by event processing.
    void wait(int rounds, uint32_t ms);
    // Tries the id list; returns whether a mouse was opened.
    bool openFromList(bool lostOnEmptyEntry, bool lostOnFailedOpen);
    void forgetConnection();

    OrvanDevice& device_;
    platform::Clock& clock_;
    ConnectionHost& host_;
    ConnectionConfig config_;
    std::array<DeviceIds, 2> deviceIdList_{};
    int lastCount_ = 0;
    bool guard_ = false;
    bool stillThere_ = false;
    std::string detectedKind_;
    std::array<uint8_t, 12> reserveRead_{};
};

}  // namespace orvan
