#pragma once
// The program's only channel to the mouse: finds it among the HID
// interfaces, opens it with the family's probes, and exchanges 8-byte feature
// reports and 7-byte data chunks. Everything here is synchronous; waiting and
// retrying belong to the connection logic above.

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>

#include "common/device/DeviceHost.h"
#include "common/device/Report.h"
#include "common/platform/hid/HidSystem.h"

namespace device {

// The one connection of the process. CommandHandle and ReplyHandle are the
// same handle when both probes succeed; each is valid only after its own
// probe. An empty pointer is the invalid handle.
struct DeviceConnection {
    uint32_t VendorId = 0;
    uint32_t ProductId = 0;
    uint32_t FeatureReportLength = 0;
    uint32_t InputReportLength = 0;
    platform::HidHandlePtr CommandHandle;
    platform::HidHandlePtr ReplyHandle;
    platform::HidHandlePtr NotifyHandle;
};

class DeviceLink {
public:
    DeviceLink(std::shared_ptr<platform::HidSystem> hid, DeviceHost& host, ProbeSet probes);

    DeviceHost& host() { return host_; }
    const DeviceConnection& connection() const { return connection_; }
    // Ids of the accepted mouse; the connection logic sets and clears them.
    void setIds(uint32_t vendorId, uint32_t productId);
    // Both command and reply channels work.
    bool usable() const { return connection_.CommandHandle && connection_.ReplyHandle; }

    // Present HID interfaces whose device path can be opened.
    int CountHidInterfaces();
    // True when some interface has an 8-byte feature report and the given
    // ids; records its lengths, opens NotifyHandle and sets CommandHandle /
    // ReplyHandle for the probes that succeed. Earlier handles stay unless a
    // qualifying interface replaces them.
    bool OpenMouse(uint32_t vendorId, uint32_t productId);
    // Closes all three handles (a pending notification read returns false).
    void InvalidateHandles();

    bool SendReport(const Report& report);  // on CommandHandle
    bool SendCommand(uint8_t code, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t p5);
    bool SendDataChunk(const Chunk& data);
    // Fetches one data report into the chunk buffer; 0xFF bytes when it fails.
    void ReadDataChunk();
    const Chunk& chunk() const { return chunk_; }

    // The notification reader's call, from its own thread: one input report
    // of InputReportLength bytes. False when there is no handle, the read
    // failed, or the handle was invalidated meanwhile.
    bool ReadNotification(std::span<uint8_t> buffer);
    // The length a notification buffer must have (at least one report).
    size_t notificationLength() const;
    // Thread-safe views for the reader thread.
    bool hasNotifyHandle() const;
    // Makes a pending notification read return false (used to stop the reader).
    void CancelNotificationRead();

    // Chunked transfers: send `command`, then fetch (or send) the block in
    // 7-byte chunks. A read fills `destination` with 0xFF first; a refused
    // command returns false. Failures of single chunks are not detected.
    bool ReadBlock(const Report& command, std::span<uint8_t> destination, bool showBusy);
    bool WriteBlock(const Report& command, std::span<const uint8_t> source, bool showBusy);

private:
    std::shared_ptr<platform::HidSystem> hid_;
    DeviceHost& host_;
    ProbeSet probes_;
    DeviceConnection connection_;
    // Guards NotifyHandle, which the reader thread copies before each read.
    mutable std::mutex notifyMutex_;
    Chunk chunk_{};
};

}  // namespace device
