#pragma once
// Report lengths from a HID report descriptor, sized the way Windows sizes
// them, so a hidraw node answers like a Windows HID interface would.

#include <cstdint>
#include <span>

#include "common/platform/hid/HidSystem.h"

namespace platform {

struct ReportDescriptorSummary {
    // Per kind: the largest report's data in bytes (rounded up) plus one byte
    // for the report id, also without report ids; 0 when there is no report
    // of that kind. Saturates at 0xFFFF.
    HidCaps caps;
    // The descriptor has Report ID items: every report then starts with its
    // id byte on the wire.
    bool usesReportIds = false;
    // False for a truncated item, unbalanced collections, Pop without Push,
    // too deep a Push or a Report ID outside 1..255. Parsing still goes on
    // (or stops at the truncation), so caps hold what could be read.
    bool wellFormed = true;
};

// Never reads outside `descriptor` and ends after one pass over it.
ReportDescriptorSummary parseReportDescriptor(std::span<const uint8_t> descriptor);

inline HidCaps capsFromReportDescriptor(std::span<const uint8_t> descriptor) {
    return parseReportDescriptor(descriptor).caps;
}

}  // namespace platform
