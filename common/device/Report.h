#pragma once
// Feature-report framing shared by both mouse families: every report is 8
// bytes with the report id in byte 0; data travels in 7-byte chunks.

#include <array>
#include <cstddef>
#include <cstdint>

namespace device {

constexpr size_t kReportLength = 8;
constexpr size_t kChunkLength = 7;

constexpr uint8_t REPORT_COMMAND = 0x40;
constexpr uint8_t REPORT_DATA = 0x41;
constexpr uint8_t REPORT_NOTIFY = 0x42;

using Report = std::array<uint8_t, kReportLength>;
using Chunk = std::array<uint8_t, kChunkLength>;

// Number of 7-byte chunks a block of `length` bytes travels in.
constexpr size_t chunkCount(size_t length) { return (length + kChunkLength - 1) / kChunkLength; }

constexpr uint8_t hi(unsigned v) { return static_cast<uint8_t>((v >> 8) & 0xFF); }
constexpr uint8_t lo(unsigned v) { return static_cast<uint8_t>(v & 0xFF); }

// How a family's firmware is recognised and probed when it is opened.
struct ProbeSet {
    // Sent with a feature write on the query handle; success makes that
    // handle the command handle.
    Report commandProbe{};
    // The data report used to test the reply channel; success makes the
    // query handle the reply handle.
    Report replyProbe{};
    // Orvan fetches the reply probe (get feature); Pellis sends it.
    bool replyProbeIsFetch = true;
    // Orvan mice send notification input reports on a second handle.
    bool opensNotifyHandle = true;
};

}  // namespace device
