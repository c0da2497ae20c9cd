#include "common/platform/hidraw/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace platform {

namespace {

enum ItemType : uint8_t { Main = 0, Global = 1, Local = 2 };

enum MainTag : uint8_t {
    Input = 0x8,
    Output = 0x9,
    Feature = 0xB,
    Collection = 0xA,
    EndCollection = 0xC
};

enum GlobalTag : uint8_t {
    ReportSize = 0x7,
    ReportId = 0x8,
    ReportCount = 0x9,
    Push = 0xA,
    Pop = 0xB
};

constexpr uint8_t kLongItemPrefix = 0xFE;
// The kernel allows far less; deeper nesting is garbage, not a device.
constexpr size_t kMaxPushDepth = 32;
constexpr uint16_t kMaxLength = 0xFFFF;
// Enough bits for a report whose length saturates kMaxLength; a bigger
// count could overflow the sums.
constexpr uint64_t kMaxBits = uint64_t{kMaxLength} * 8;

struct GlobalState {
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

uint32_t littleEndian(const uint8_t* data, size_t size) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;) value = (value << 8) | data[i];
    return value;
}

int kindIndex(uint8_t mainTag) {
    switch (mainTag) {
        case Input:
            return 0;
        case Output:
            return 1;
        case Feature:
            return 2;
        default:
            return -1;
    }
}

uint16_t lengthOf(const std::array<uint64_t, 256>& bitsPerId) {
    const uint64_t bits = *std::max_element(bitsPerId.begin(), bitsPerId.end());
    if (bits == 0) return 0;
    return static_cast<uint16_t>(std::min<uint64_t>(kMaxLength, (bits + 7) / 8 + 1));
}

}  // namespace

ReportDescriptorSummary parseReportDescriptor(std::span<const uint8_t> descriptor) {
    ReportDescriptorSummary out;
    // Bits per report, indexed [input/output/feature][report id].
    std::array<std::array<uint64_t, 256>, 3> bits{};
    GlobalState global;
    std::vector<GlobalState> stack;
    size_t depth = 0;

    const size_t end = descriptor.size();
    size_t pos = 0;
    while (pos < end) {
        const uint8_t prefix = descriptor[pos];
        if (prefix == kLongItemPrefix) {
            // Long items carry no state we use: skip size byte, tag byte and data.
            if (end - pos < 3 || end - pos - 3 < descriptor[pos + 1]) {
                out.wellFormed = false;
                break;
            }
            pos += 3 + size_t{descriptor[pos + 1]};
            continue;
        }
        const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (end - pos - 1 < size) {
            out.wellFormed = false;
            break;
        }
        const uint32_t value = littleEndian(descriptor.data() + pos + 1, size);
        const uint8_t type = (prefix >> 2) & 3;
        const uint8_t tag = prefix >> 4;
        pos += 1 + size;

        if (type == Main) {
            if (const int kind = kindIndex(tag); kind >= 0) {
                uint64_t& sum = bits[kind][global.reportId];
                const uint64_t add = uint64_t{global.reportSize} * global.reportCount;
                sum = add >= kMaxBits - sum ? kMaxBits : sum + add;
            } else if (tag == Collection) {
                ++depth;
            } else if (tag == EndCollection) {
                if (depth == 0)
                    out.wellFormed = false;
                else
                    --depth;
            }
        } else if (type == Global) {
            switch (tag) {
                case ReportSize:
                    global.reportSize = value;
                    break;
                case ReportCount:
                    global.reportCount = value;
                    break;
                case ReportId:
                    out.usesReportIds = true;
                    if (value == 0 || value > 255) out.wellFormed = false;
                    global.reportId = static_cast<uint8_t>(value);
                    break;
                case Push:
                    if (stack.size() < kMaxPushDepth)
                        stack.push_back(global);
                    else
                        out.wellFormed = false;
                    break;
                case Pop:
                    if (stack.empty()) {
                        out.wellFormed = false;
                    } else {
                        global = stack.back();
                        stack.pop_back();
                    }
                    break;
                default:
                    break;
            }
        }
        // Local items (usages, designators, delimiters) do not change sizes.
    }
    if (depth != 0) out.wellFormed = false;

    out.caps.inputReportByteLength = lengthOf(bits[0]);
    out.caps.outputReportByteLength = lengthOf(bits[1]);
    out.caps.featureReportByteLength = lengthOf(bits[2]);
    return out;
}

}  // namespace platform
