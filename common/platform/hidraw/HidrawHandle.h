#pragma once
// One open hidraw node. Input reads wait in poll() on the node and on an
// eventfd, so cancelRead() from another thread wakes a blocked reader.

#include <atomic>
#include <cstdint>
#include <vector>

#include "common/platform/hid/HidSystem.h"

namespace platform {

struct HidrawDeviceInfo {
    uint16_t versionNumber = 0;
    // Without report ids hidraw delivers input reports without an id byte;
    // the handle puts a 0 in front so callers always find the id in byte 0.
    bool numberedReports = true;
};

class HidrawHandle final : public HidHandle {
public:
    // Takes ownership of fd.
    HidrawHandle(int fd, HidAccess access, HidrawDeviceInfo info);
    ~HidrawHandle() override;
    HidrawHandle(const HidrawHandle&) = delete;
    HidrawHandle& operator=(const HidrawHandle&) = delete;

    bool attributes(HidAttributes& out) override;
    bool capabilities(HidCaps& out) override;
    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    bool readInput(std::span<uint8_t> buffer) override;
    void cancelRead() override;

private:
    int fd_;
    int wakeFd_ = -1;  // eventfd; -1 for query handles or when none could be made
    HidAccess access_;
    HidrawDeviceInfo info_;
    std::atomic<bool> cancelled_{false};
};

// The node's report descriptor, through HIDIOCGRDESCSIZE / HIDIOCGRDESC.
bool readReportDescriptor(int fd, std::vector<uint8_t>& out);

}  // namespace platform
