#pragma once
// Talks to a simulated Orvan mouse the way the program does: raw 8-byte
// feature reports through a SimulatedHidSystem handle.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "common/platform/clock/Clock.h"
#include "common/platform/hid/SimulatedHidSystem.h"
#include "sim/orvan/OrvanMouse.h"

namespace sim::test {

using Report = std::array<uint8_t, 8>;
using Chunk = std::array<uint8_t, 7>;

inline uint8_t userCheck(const std::vector<uint8_t>& bytes) {
    return static_cast<uint8_t>(std::accumulate(bytes.begin() + 164, bytes.begin() + 191, 0u) ^
                                0x5A);
}

// Every byte differs from its neighbours; 4 DPI levels, key set 1 with
// colour 3, DPI level 2, a valid user check byte.
inline std::vector<uint8_t> patternImage() {
    std::vector<uint8_t> image(2048);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 13 + 5);
    image[43] = 3;
    image[164] = 0x30;
    image[166] = 1;
    image[191] = userCheck(image);
    return image;
}

class OrvanMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        mouse = plugOrvanMouse(system, patternImage());
        handle = openMouse(platform::HidAccess::Query);
        ASSERT_NE(handle, nullptr);
    }

    platform::HidHandlePtr openMouse(platform::HidAccess access) {
        for (const auto& path : system.enumerate()) {
            auto h = system.open(path, access);
            platform::HidAttributes a;
            if (h && h->attributes(a) && a.vendorId == 0x1BCF && a.productId == 0x08B8) return h;
        }
        return nullptr;
    }

    bool send(const Report& report) { return handle->setFeature(report); }
    bool command(uint8_t code, uint8_t p2 = 0, uint8_t p3 = 0, uint8_t p4 = 0, uint8_t p5 = 0,
                 uint8_t p6 = 0, uint8_t p7 = 0) {
        return send({0x40, code, p2, p3, p4, p5, p6, p7});
    }
    bool data(const Chunk& c) { return send({0x41, c[0], c[1], c[2], c[3], c[4], c[5], c[6]}); }
    std::optional<Chunk> fetch() {
        Report r{0x41};
        if (!handle->getFeature(r)) return std::nullopt;
        Chunk c;
        std::copy(r.begin() + 1, r.end(), c.begin());
        return c;
    }
    // MEM_READ or LIVE_READ already sent: fetches `length` bytes.
    std::vector<uint8_t> fetchBlock(size_t length) {
        std::vector<uint8_t> out;
        while (out.size() < length) {
            const auto c = fetch();
            const size_t n = std::min<size_t>(7, length - out.size());
            for (size_t i = 0; i < n; ++i) out.push_back(c ? (*c)[i] : 0xFF);
        }
        return out;
    }
    std::vector<uint8_t> readMemory(uint16_t address, uint16_t length) {
        EXPECT_TRUE(command(0x09, address >> 8, address & 0xFF, length >> 8, length & 0xFF));
        return fetchBlock(length);
    }
    void writeMemory(uint16_t address, const std::vector<uint8_t>& bytes) {
        const auto length = static_cast<uint16_t>(bytes.size());
        ASSERT_TRUE(command(0x07, address >> 8, address & 0xFF, length >> 8, length & 0xFF));
        Chunk c;
        c.fill(0xFF);
        for (size_t i = 0; i < bytes.size(); i += 7) {
            for (size_t j = 0; j < 7 && i + j < bytes.size(); ++j) c[j] = bytes[i + j];
            data(c);
        }
    }
    bool liveByte(uint8_t address, uint8_t value) {
        return command(0x05, 0x00, address, value, 0, 0, 1);
    }

    platform::VirtualClock clock;
    platform::SimulatedHidSystem system{clock};
    std::shared_ptr<OrvanMouse> mouse;
    platform::HidHandlePtr handle;
};

}  // namespace sim::test
