#include "orvandesk/device/OrvanDevice.h"

#include <algorithm>

#include "orvandesk/device/OrvanCommands.h"

namespace orvan {

using device::hi;
using device::lo;
using device::REPORT_COMMAND;

bool OrvanDevice::ReadDeviceMemory(uint16_t address, std::span<uint8_t> destination, bool showBusy) {
    const auto length = static_cast<unsigned>(destination.size());
    return link_.ReadBlock({REPORT_COMMAND, MEM_READ, hi(address), lo(address), hi(length), lo(length), 0, 0},
                           destination, showBusy);
}

bool OrvanDevice::WriteDeviceMemory(uint16_t address, std::span<const uint8_t> source) {
    const auto length = static_cast<unsigned>(source.size());
    return link_.WriteBlock({REPORT_COMMAND, MEM_WRITE, hi(address), lo(address), hi(length), lo(length), 0, 0},
                            source, true);
}

bool OrvanDevice::WriteLiveBytes(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t n) {
    link_.host().showBusy();
    const bool ok = link_.SendReport({REPORT_COMMAND, LIVE_WRITE, kLiveBytes, address, d0, d1, d2, n});
    link_.host().hideBusy();
    return ok;
}

bool OrvanDevice::WriteLiveEntry(uint8_t address, uint8_t e0, uint8_t e1, uint8_t e2, uint8_t e3) {
    link_.host().showBusy();
    const bool ok = link_.SendReport({REPORT_COMMAND, LIVE_WRITE, kLiveEntry, address, e0, e1, e2, e3});
    link_.host().hideBusy();
    return ok;
}

bool OrvanDevice::WriteLiveBlock(uint8_t address, std::span<const uint8_t> source) {
    if (!link_.connection().CommandHandle) return false;
    device::Report report{REPORT_COMMAND, LIVE_WRITE, kLiveBytes, 0, 0, 0, 0, 0};
    for (size_t offset = 0; offset < source.size(); offset += 3) {
        link_.host().showBusy();
        // Unused positions of a short last piece keep the previous piece's bytes.
        const size_t n = std::min<size_t>(3, source.size() - offset);
        report[3] = static_cast<uint8_t>((address + offset) & 0xFF);
        std::copy_n(source.begin() + static_cast<ptrdiff_t>(offset), n, report.begin() + 4);
        report[7] = static_cast<uint8_t>(n);
        link_.SendReport(report);
    }
    return true;
}

bool OrvanDevice::ReadLiveBlock(uint8_t form, uint8_t address, std::span<uint8_t> destination) {
    const auto count = static_cast<uint8_t>(std::min<size_t>(destination.size(), 0xFF));
    return link_.ReadBlock({REPORT_COMMAND, LIVE_READ, form, address, 0, count, 0, 0},
                           destination.first(count), false);
}

uint8_t OrvanDevice::ReadXData(uint16_t address) {
    if (!link_.SendReport({REPORT_COMMAND, XDATA_READ, hi(address), lo(address), 0, 1, 0, 0})) return 0xFF;
    link_.ReadDataChunk();
    return link_.chunk()[0];
}

bool OrvanDevice::WriteXData(uint16_t address, uint8_t value) {
    return link_.SendCommand(XDATA_WRITE, hi(address), lo(address), value, 0);
}

bool OrvanDevice::QueryDeviceInfo() {
    if (!link_.SendCommand(DEVICE_INFO, 0, 0, 0, 0)) return false;
    link_.ReadDataChunk();
    return true;
}

bool OrvanDevice::ResetMouse() { return link_.SendCommand(DEVICE_RESET, 0, 0, 0, 0); }

}  // namespace orvan
