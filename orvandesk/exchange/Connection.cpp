#include "orvandesk/exchange/Connection.h"

#include "orvandesk/device/OrvanCommands.h"

namespace orvan {

namespace {
constexpr size_t kKindMarkerOffset = 495;
constexpr uint8_t kI2CMarker = 0xE0;
constexpr uint16_t kReserveOffset = 484;

// Clears the flag on every way out of the scope.
struct GuardScope {
    explicit GuardScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~GuardScope() { flag_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;
    bool& flag_;
};
}  // namespace

ConnectionConfig ConnectionConfig::fromDefaultImage(std::span<const uint8_t> image, uint8_t revManuId,
                                                    uint8_t revProId) {
    ConnectionConfig c;
    c.secondExpectedIds = {revManuId, revProId};
    if (image.size() >= 4) {
        c.vendorId = image[0] * 256u + image[1];
        c.productId = image[2] * 256u + image[3];
    }
    if (image.size() > kKindMarkerOffset && image[kKindMarkerOffset] == kI2CMarker) {
        c.configuredKind = kKindI2C;
        c.firstExpectedIds = IdPair{image[kReserveOffset], image[kReserveOffset + 1]};
    }
    return c;
}

Connection::Connection(OrvanDevice& device, platform::Clock& clock, ConnectionHost& host, ConnectionConfig config)
    : device_(device), clock_(clock), host_(host), config_(std::move(config)) {
    deviceIdList_[0] = {config_.vendorId, config_.productId};
}

void Connection::wait(int rounds, uint32_t ms) {
    for (int i = 0; i < rounds; ++i) {
        clock_.sleepMs(ms);
        host_.processPendingEvents();
    }
}

void Connection::forgetConnection() {
    device_.link().setIds(0, 0);
    device_.link().InvalidateHandles();
}

void Connection::DevTimerTimer() {
    if (guard_) return;
    GuardScope guard(guard_);

    auto& link = device_.link();
    int agreements = 0;
    int n = 0;
    for (int round = 0; round < 5; ++round) {
        n = link.CountHidInterfaces();
        if (link.CountHidInterfaces() == n) ++agreements;
    }
    if (n == lastCount_ || agreements < 2) return;

    if (n < lastCount_) {
        if (ProbeMouse()) return;  // something else went; the count stays higher
        OnMouseLost();
        forgetConnection();
    } else {
        wait(21, 100);  // let the new device settle
        openFromList(false, true);
    }
    lastCount_ = n;
}

bool Connection::openFromList(bool lostOnEmptyEntry, bool lostOnFailedOpen) {
    for (const auto& entry : deviceIdList_) {
        if (entry.vendorId == 0 || entry.productId == 0) {
            if (lostOnEmptyEntry) OnMouseLost();
            continue;
        }
        if (device_.link().OpenMouse(entry.vendorId, entry.productId)) {
            device_.link().setIds(entry.vendorId, entry.productId);
            ReadDevInfo();
            return true;
        }
        if (lostOnFailedOpen) OnMouseLost();
    }
    return false;
}

void Connection::ReFindDev() {
    forgetConnection();
    openFromList(true, false);
}

void Connection::ReadDevInfo() {
    if (!device_.QueryDeviceInfo()) return;
    const auto& reply = device_.link().chunk();
    if (!(reply[0] < 0x40 && reply[1] == 0x3A && reply[2] == 0xC0)) return;
    detectedKind_ = kKindI2C;

    if (config_.configuredKind == kKindFlash) {
        host_.showFlashConfigurationError();
        return;
    }
    device_.ReadDeviceMemory(kReserveOffset, reserveRead_, false);
    host_.showReadIds(reserveRead_[0], reserveRead_[1]);

    const IdPair read{reserveRead_[0], reserveRead_[1]};
    if ((config_.firstExpectedIds && read == *config_.firstExpectedIds) || read == config_.secondExpectedIds) {
        host_.readImage();
        return;
    }
    host_.stopDetectionTimer();
    host_.showIdsRejected();
    host_.startDetectionTimer();
}

bool Connection::ProbeMouse() {
    stillThere_ = device_.link().SendCommand(DEVICE_INFO, 0, 0, 0, 0);
    if (stillThere_) device_.link().ReadDataChunk();
    return stillThere_;
}

void Connection::OnMouseLost() {
    detectedKind_.clear();
    host_.showMouseLost();
    host_.startDetectionTimer();
}

void Connection::RestartAndReconnect() {
    wait(101, 10);
    device_.ResetMouse();
    wait(601, 10);
    wait(1001, 10);
    ReFindDev();
}

}  // namespace orvan
