#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "LinkFixture.h"

using Orvan = LinkFixture;

namespace {
std::vector<uint8_t> counting(size_t n, uint8_t start = 0) {
    std::vector<uint8_t> v(n);
    std::iota(v.begin(), v.end(), start);
    return v;
}
size_t fetches(const std::vector<std::string>& lines) {
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("get 41", 0) == 0;
    }));
}
}  // namespace

TEST_F(Orvan, ReadsTheWholeImageIn293Chunks) {
    plugCountingMouse();
    open();
    std::vector<uint8_t> image(2048);
    ASSERT_TRUE(orvan.ReadDeviceMemory(0, image, true));
    const auto lines = log();
    EXPECT_EQ(lines.front(), "set 40 09 00 00 08 00 00 00");
    EXPECT_EQ(fetches(lines), 293u);
    EXPECT_EQ(image, counting(2048));
}

TEST_F(Orvan, ReadCopiesOnlyTheBytesOfAShortLastChunk) {
    plugCountingMouse();
    open();
    struct Case {
        size_t length;
        size_t expectedFetches;
    };
    for (const Case c : {Case{14, 2}, Case{15, 3}, Case{12, 2}, Case{1, 1}}) {
        SCOPED_TRACE(c.length);
        hid->clearTraffic();
        std::vector<uint8_t> buffer(c.length + 3, 0xAA);
        ASSERT_TRUE(orvan.ReadDeviceMemory(100, std::span(buffer).first(c.length), false));
        EXPECT_EQ(fetches(log()), c.expectedFetches);
        EXPECT_EQ(std::vector(buffer.begin(), buffer.begin() + static_cast<long>(c.length)),
                  counting(c.length, 100));
        EXPECT_EQ(std::vector(buffer.end() - 3, buffer.end()), std::vector<uint8_t>(3, 0xAA));
    }
}

TEST_F(Orvan, ShortLastWriteChunkCarriesThePreviousChunksTail) {
    auto mouse = plugCountingMouse();
    open();
    const auto block = counting(12, 0x10);
    ASSERT_TRUE(orvan.WriteDeviceMemory(484, block));
    const std::vector<std::string> expected{
        "set 40 07 01 E4 00 0C 00 00",
        "set 41 10 11 12 13 14 15 16",
        "set 41 17 18 19 1A 1B 15 16",
    };
    EXPECT_EQ(log(), expected);
    const auto memory = mouse->memory();
    EXPECT_EQ(std::vector(memory.begin() + 484, memory.begin() + 496), block);
    EXPECT_EQ(memory[496], static_cast<uint8_t>(496)) << "nothing beyond the length is stored";
}

TEST_F(Orvan, SingleShortWriteChunkIsPaddedWithFF) {
    plugCountingMouse();
    open();
    ASSERT_TRUE(orvan.WriteDeviceMemory(0x0102, counting(3, 1)));
    EXPECT_EQ(log().back(), "set 41 01 02 03 FF FF FF FF");
}

TEST_F(Orvan, RefusedReadCommandLeavesOnlyFF) {
    auto mouse = plugCountingMouse();
    open();
    mouse->refuseCommand(orvan::MEM_READ);
    std::vector<uint8_t> buffer(20, 0);
    EXPECT_FALSE(orvan.ReadDeviceMemory(0, buffer, false));
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(fetches(log()), 0u);
}

TEST_F(Orvan, LostReadChunksBecomeFFAndTheReadStillSucceeds) {
    auto mouse = plugCountingMouse();
    open();
    mouse->loseChunks({.every = 0, .first = 1, .count = 1});
    std::vector<uint8_t> buffer(21);
    EXPECT_TRUE(orvan.ReadDeviceMemory(0, buffer, false));
    EXPECT_EQ(std::vector(buffer.begin(), buffer.begin() + 7), counting(7));
    EXPECT_EQ(std::vector(buffer.begin() + 7, buffer.begin() + 14), std::vector<uint8_t>(7, 0xFF));
    EXPECT_EQ(std::vector(buffer.begin() + 14, buffer.end()), counting(7, 14));
}

TEST_F(Orvan, LiveWritesHaveTheirExactReports) {
    plugCountingMouse();
    open();
    EXPECT_TRUE(orvan.WriteLiveBytes(4, 0xBF, 0, 0, 1));
    EXPECT_TRUE(orvan.WriteLiveEntry(127 + 4 * 3, 0x02, 0x01, 0x06, 0x00));
    const std::vector<std::string> expected{
        "set 40 05 00 04 BF 00 00 01",
        "set 40 05 01 8B 02 01 06 00",
    };
    EXPECT_EQ(log(), expected);
}

TEST_F(Orvan, LiveBlockGoesOutInThreeBytePieces) {
    auto mouse = plugCountingMouse();
    open();
    const auto user = counting(28, 0x80);
    ASSERT_TRUE(orvan.WriteLiveBlock(164, user));
    const auto lines = log();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "set 40 05 00 A4 80 81 82 03");
    EXPECT_EQ(lines[1], "set 40 05 00 A7 83 84 85 03");
    EXPECT_EQ(lines[9], "set 40 05 00 BF 9B 99 9A 01") << "last piece: one byte, then the previous piece's";
    const auto working = mouse->workingCopy();
    EXPECT_EQ(std::vector(working.begin() + 164, working.begin() + 192), user);

    hid->clearTraffic();
    ASSERT_TRUE(orvan.WriteLiveBlock(0, counting(164)));
    EXPECT_EQ(log().size(), 55u);
    EXPECT_EQ(log().back(), "set 40 05 00 A2 A2 A3 A1 02");
}

TEST_F(Orvan, LiveReadReturnsTheWorkingCopy) {
    auto mouse = plugCountingMouse();
    open();
    ASSERT_TRUE(orvan.WriteLiveBytes(165, 0x77, 0x66, 0, 2));
    std::vector<uint8_t> user(28);
    ASSERT_TRUE(orvan.ReadLiveBlock(0, 164, user));
    EXPECT_EQ(log()[1], "set 40 06 00 A4 00 1C 00 00");
    EXPECT_EQ(fetches(log()), 4u);
    EXPECT_EQ(user[1], 0x77);
    EXPECT_EQ(user[2], 0x66);
    EXPECT_EQ(mouse->memory()[165], 165) << "a live write is not stored";
}

TEST_F(Orvan, RegistersIdentityAndReset) {
    auto mouse = plugCountingMouse();
    open();
    ASSERT_TRUE(orvan.WriteXData(0x1234, 0x5A));
    EXPECT_EQ(orvan.ReadXData(0x1234), 0x5A);
    EXPECT_EQ(log()[0], "set 40 01 12 34 5A 00 00 00");
    EXPECT_EQ(log()[1], "set 40 02 12 34 00 01 00 00");

    ASSERT_TRUE(orvan.QueryDeviceInfo());
    EXPECT_LT(link.chunk()[0], 0x40);
    EXPECT_EQ(link.chunk()[1], 0x3A);
    EXPECT_EQ(link.chunk()[2], 0xC0);

    hid->clearTraffic();
    ASSERT_TRUE(orvan.ResetMouse());
    EXPECT_EQ(log(), std::vector<std::string>{"set 40 0E 00 00 00 00 00 00"});
    EXPECT_EQ(link.CountHidInterfaces(), 0) << "the mouse restarts";
    clock.advance(17'000);
    EXPECT_EQ(link.CountHidInterfaces(), 1) << "and enumerates again";
}
