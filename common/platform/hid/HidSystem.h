#pragma once
// The program's view of the HID services: enumerate the present HID
// interfaces, open one, ask for its ids and report lengths, and exchange
// feature and input reports. Backends: hidraw (Linux), simulated (tests and
// --simulate), later win32.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

// Report lengths as Windows reports them: the largest report of each kind in
// bytes, plus one byte for the report id (also when the device uses none).
struct HidCaps {
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
};

enum class HidAccess {
    Query,      // no access rights: attributes, capabilities and feature reports only
    ReadWrite,  // also input reports
};

// One open device path. Destroying it closes it. All calls are safe on a
// device that has gone away; they then fail.
class HidHandle {
public:
    virtual ~HidHandle() = default;

    virtual bool attributes(HidAttributes& out) = 0;
    virtual bool capabilities(HidCaps& out) = 0;
    // report[0] is the report id; the whole span is sent.
    virtual bool setFeature(std::span<const uint8_t> report) = 0;
    // report[0] holds the wanted report id on entry; on success the span holds
    // the report, id included.
    virtual bool getFeature(std::span<uint8_t> report) = 0;
    // Blocks until an input report arrives (true, copied into buffer with its
    // id in byte 0), the device goes away, or cancelRead() is called (false).
    virtual bool readInput(std::span<uint8_t> buffer) = 0;
    // May be called from any thread; makes a pending and every later
    // readInput on this handle return false.
    virtual void cancelRead() = 0;
};

using HidHandlePtr = std::shared_ptr<HidHandle>;

class HidSystem {
public:
    virtual ~HidSystem() = default;

    // Device paths of the present HID interfaces, in a stable order.
    virtual std::vector<std::string> enumerate() = 0;
    // nullptr when the path cannot be opened with that access.
    virtual HidHandlePtr open(const std::string& path, HidAccess access) = 0;
};

// A system with no devices: stands in when no backend is usable, so the
// program simply sees no mouse.
class NullHidSystem final : public HidSystem {
public:
    std::vector<std::string> enumerate() override { return {}; }
    HidHandlePtr open(const std::string&, HidAccess) override { return nullptr; }
};

}  // namespace platform
