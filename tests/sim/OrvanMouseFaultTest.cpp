#include <chrono>

#include "tests/sim/OrvanMouseFixture.h"

namespace sim::test {
namespace {

TEST_F(OrvanMouseTest, RefusedCommandFailsUntilAllowedAgain) {
    const auto working = mouse->workingCopy();
    mouse->refuseCommand(0x05);
    mouse->refuseCommand(0x09);
    EXPECT_FALSE(liveByte(4, 0x00));
    EXPECT_FALSE(command(0x09, 0x00, 0x00, 0x00, 0x07));
    EXPECT_EQ(fetch(), std::nullopt);
    EXPECT_EQ(mouse->workingCopy(), working);
    EXPECT_TRUE(command(0x0D)) << "other commands still pass";

    mouse->refuseCommand(0x09, false);
    const auto image = patternImage();
    EXPECT_EQ(readMemory(0, 7), std::vector<uint8_t>(image.begin(), image.begin() + 7));
    EXPECT_FALSE(liveByte(4, 0x00));
    mouse->clearFaults();
    EXPECT_TRUE(liveByte(4, 0x00));
}

// A lost chunk is missing on its own: the chunks after it still carry the
// bytes of their own positions.
TEST_F(OrvanMouseTest, LostChunksFailWhileTheTransferMovesOn) {
    const auto image = patternImage();
    mouse->loseChunks({.every = 3});
    ASSERT_TRUE(command(0x09, 0x00, 0x00, 0x00, 0x1C));  // 4 chunks
    for (size_t i = 0; i < 4; ++i) {
        const auto chunk = fetch();
        if (i == 2) {
            EXPECT_EQ(chunk, std::nullopt);
        } else {
            ASSERT_TRUE(chunk) << i;
            EXPECT_TRUE(std::equal(chunk->begin(), chunk->end(), image.begin() + 7 * i)) << i;
        }
    }

    mouse->loseChunks({.first = 1, .count = 2});
    ASSERT_TRUE(command(0x07, 0x07, 0x00, 0x00, 0x1C));  // 28 bytes at 1792
    for (uint8_t i = 0; i < 4; ++i) EXPECT_EQ(data({i, i, i, i, i, i, i}), i == 0 || i == 3) << +i;
    const auto memory = mouse->memory();
    for (size_t i = 0; i < 28; ++i) {
        const size_t chunk = i / 7;
        const uint8_t expected =
            chunk == 1 || chunk == 2 ? image[1792 + i] : static_cast<uint8_t>(chunk);
        EXPECT_EQ(memory[1792 + i], expected) << i;
    }

    mouse->loseChunks({.first = 0, .count = 1});
    ASSERT_TRUE(command(0x0D));
    EXPECT_EQ(fetch(), std::nullopt) << "replies are chunks too";
}

TEST_F(OrvanMouseTest, UnplugsItselfInTheMiddleOfATransfer) {
    mouse->unplugAfterReports(3);
    ASSERT_TRUE(command(0x09, 0x00, 0x00, 0x00, 0x1C));
    EXPECT_TRUE(fetch());
    EXPECT_TRUE(fetch());
    EXPECT_EQ(fetch(), std::nullopt);
    EXPECT_FALSE(system.isPlugged(mouse.get()));
    clock.advance(60'000);
    EXPECT_FALSE(system.isPlugged(mouse.get())) << "stays away without a return time";

    system.plug(mouse);
    handle = openMouse(platform::HidAccess::Query);
    ASSERT_NE(handle, nullptr);
    mouse->unplugAfterReports(1, 500);
    ASSERT_TRUE(liveByte(4, 0x00));
    EXPECT_FALSE(system.isPlugged(mouse.get()));
    clock.advance(500);
    EXPECT_TRUE(system.isPlugged(mouse.get()));
    EXPECT_EQ(mouse->workingCopy()[4], patternImage()[4]) << "power was lost";
}

TEST_F(OrvanMouseTest, WrongIdentityReply) {
    mouse->setIdentity({0x40, 0x3A, 0xC0, 0, 0, 0, 0});
    ASSERT_TRUE(command(0x0D));
    EXPECT_EQ(fetch(), (Chunk{0x40, 0x3A, 0xC0, 0, 0, 0, 0}));
}

TEST_F(OrvanMouseTest, LatencyIsSpentOnTheSystemClock) {
    mouse->setLatencyMs(7);
    const uint64_t start = clock.nowMs();
    ASSERT_TRUE(command(0x0D));
    ASSERT_TRUE(fetch());
    EXPECT_EQ(clock.nowMs() - start, 14u);
}

TEST(OrvanMouseLatency, TakesRealTimeOnASteadyClock) {
    platform::SteadyClock clock;
    platform::SimulatedHidSystem system{clock};
    const auto mouse = plugOrvanMouse(system);
    mouse->setLatencyMs(20);
    const auto handle = system.open(system.enumerate().at(0), platform::HidAccess::Query);
    const Report info{0x40, 0x0D};
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(handle->setFeature(info));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

}  // namespace
}  // namespace sim::test
