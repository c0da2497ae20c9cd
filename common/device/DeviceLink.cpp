#include "common/device/DeviceLink.h"

#include <algorithm>

namespace device {

namespace {
constexpr uint16_t kAcceptedFeatureLength = 8;
}

DeviceLink::DeviceLink(std::shared_ptr<platform::HidSystem> hid, DeviceHost& host, ProbeSet probes)
    : hid_(hid ? std::move(hid) : std::make_shared<platform::NullHidSystem>()), host_(host), probes_(probes) {
    chunk_.fill(0xFF);
}

void DeviceLink::setIds(uint32_t vendorId, uint32_t productId) {
    connection_.VendorId = vendorId;
    connection_.ProductId = productId;
}

int DeviceLink::CountHidInterfaces() {
    int count = 0;
    for (const auto& path : hid_->enumerate())
        if (hid_->open(path, platform::HidAccess::Query)) ++count;  // closed again at once
    return count;
}

bool DeviceLink::OpenMouse(uint32_t vendorId, uint32_t productId) {
    bool found = false;
    for (const auto& path : hid_->enumerate()) {
        platform::HidHandlePtr query = hid_->open(path, platform::HidAccess::Query);
        if (!query) continue;
        platform::HidAttributes attributes;
        platform::HidCaps caps;
        if (!query->attributes(attributes) || !query->capabilities(caps)) continue;
        if (caps.featureReportByteLength != kAcceptedFeatureLength || attributes.vendorId != vendorId ||
            attributes.productId != productId)
            continue;

        if (probes_.opensNotifyHandle) {
            auto notify = hid_->open(path, platform::HidAccess::ReadWrite);
            std::lock_guard lock(notifyMutex_);
            if (connection_.NotifyHandle) connection_.NotifyHandle->cancelRead();
            connection_.NotifyHandle = std::move(notify);
            connection_.InputReportLength = caps.inputReportByteLength;
        } else {
            connection_.InputReportLength = caps.inputReportByteLength;
        }
        connection_.FeatureReportLength = caps.featureReportByteLength;
        connection_.VendorId = attributes.vendorId;
        connection_.ProductId = attributes.productId;
        found = true;

        if (query->setFeature(probes_.commandProbe)) connection_.CommandHandle = query;
        Report reply = probes_.replyProbe;
        const bool replyOk = probes_.replyProbeIsFetch ? query->getFeature(reply) : query->setFeature(reply);
        if (replyOk) connection_.ReplyHandle = query;
        // A query handle that became neither channel is closed here.
    }
    return found;
}

void DeviceLink::InvalidateHandles() {
    connection_.CommandHandle.reset();
    connection_.ReplyHandle.reset();
    std::lock_guard lock(notifyMutex_);
    if (connection_.NotifyHandle) connection_.NotifyHandle->cancelRead();
    connection_.NotifyHandle.reset();
}

bool DeviceLink::SendReport(const Report& report) {
    return connection_.CommandHandle && connection_.CommandHandle->setFeature(report);
}

bool DeviceLink::SendCommand(uint8_t code, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t p5) {
    return SendReport({REPORT_COMMAND, code, p2, p3, p4, p5, 0x00, 0x00});
}

bool DeviceLink::SendDataChunk(const Chunk& data) {
    if (!connection_.ReplyHandle) return false;
    Report report{REPORT_DATA};
    std::copy(data.begin(), data.end(), report.begin() + 1);
    return connection_.ReplyHandle->setFeature(report);
}

void DeviceLink::ReadDataChunk() {
    chunk_.fill(0xFF);
    if (!connection_.ReplyHandle) return;
    Report report{REPORT_DATA};
    if (connection_.ReplyHandle->getFeature(report)) std::copy(report.begin() + 1, report.end(), chunk_.begin());
}

bool DeviceLink::hasNotifyHandle() const {
    std::lock_guard lock(notifyMutex_);
    return connection_.NotifyHandle != nullptr;
}

void DeviceLink::CancelNotificationRead() {
    std::lock_guard lock(notifyMutex_);
    if (connection_.NotifyHandle) connection_.NotifyHandle->cancelRead();
}

size_t DeviceLink::notificationLength() const {
    std::lock_guard lock(notifyMutex_);
    return std::max<size_t>(connection_.InputReportLength, kReportLength);
}

bool DeviceLink::ReadNotification(std::span<uint8_t> buffer) {
    platform::HidHandlePtr handle;
    {
        std::lock_guard lock(notifyMutex_);
        handle = connection_.NotifyHandle;
    }
    // The copy keeps the handle open while we block on it; invalidating
    // cancels the read instead of closing it under us.
    return handle && handle->readInput(buffer);
}

bool DeviceLink::ReadBlock(const Report& command, std::span<uint8_t> destination, bool showBusy) {
    std::fill(destination.begin(), destination.end(), 0xFF);
    chunk_.fill(0xFF);
    if (!SendReport(command)) return false;
    if (showBusy) host_.showBusy();
    for (size_t offset = 0; offset < destination.size(); offset += kChunkLength) {
        if (showBusy) host_.processPendingEvents();
        ReadDataChunk();
        const size_t n = std::min(kChunkLength, destination.size() - offset);
        std::copy_n(chunk_.begin(), n, destination.begin() + static_cast<ptrdiff_t>(offset));
    }
    return true;
}

bool DeviceLink::WriteBlock(const Report& command, std::span<const uint8_t> source, bool showBusy) {
    chunk_.fill(0xFF);
    if (!SendReport(command)) return false;
    if (showBusy) host_.showBusy();
    for (size_t offset = 0; offset < source.size(); offset += kChunkLength) {
        if (showBusy) host_.processPendingEvents();
        // A short last chunk keeps the previous chunk's bytes behind the data.
        const size_t n = std::min(kChunkLength, source.size() - offset);
        std::copy_n(source.begin() + static_cast<ptrdiff_t>(offset), n, chunk_.begin());
        SendDataChunk(chunk_);
    }
    return true;
}

}  // namespace device
