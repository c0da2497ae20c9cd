#pragma once
// Command codes of the Orvan firmware and the probes that recognise it.

#include <cstdint>

#include "common/device/Report.h"

namespace orvan {

constexpr uint8_t XDATA_WRITE = 0x01;
constexpr uint8_t XDATA_READ = 0x02;
constexpr uint8_t LIVE_WRITE = 0x05;
constexpr uint8_t LIVE_READ = 0x06;
constexpr uint8_t MEM_WRITE = 0x07;
constexpr uint8_t MEM_READ = 0x09;
constexpr uint8_t DEVICE_INFO = 0x0D;
constexpr uint8_t DEVICE_RESET = 0x0E;

// LIVE_WRITE forms: up to three bytes, or one 4-byte entry.
constexpr uint8_t kLiveBytes = 0x00;
constexpr uint8_t kLiveEntry = 0x01;

// Opening sends DEVICE_INFO and fetches its reply: one complete identity
// exchange, whose reply is thrown away.
inline constexpr device::ProbeSet kProbes{
    .commandProbe = {device::REPORT_COMMAND, DEVICE_INFO, 0, 0, 0, 0, 0, 0},
    .replyProbe = {device::REPORT_DATA, 0, 0, 0, 0, 0, 0, 0},
    .replyProbeIsFetch = true,
    .opensNotifyHandle = true,
};

}  // namespace orvan
