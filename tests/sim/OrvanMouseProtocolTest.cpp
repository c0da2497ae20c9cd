#include "tests/sim/OrvanMouseFixture.h"

namespace sim::test {
namespace {

std::vector<uint8_t> slice(const std::vector<uint8_t>& v, size_t at, size_t n) {
    return {v.begin() + at, v.begin() + at + n};
}

TEST_F(OrvanMouseTest, MemoryWriteStoresOnlyTheGivenLengthAndReadsBack) {
    const std::vector<uint8_t> block{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const auto before = mouse->memory();
    writeMemory(484, block);

    const auto after = mouse->memory();
    EXPECT_EQ(slice(after, 484, 12), block);
    // The short second chunk also carried bytes 6 and 7 of the first one.
    EXPECT_EQ(slice(after, 496, 8), slice(before, 496, 8));
    EXPECT_EQ(slice(after, 0, 484), slice(before, 0, 484));
    EXPECT_FALSE(data({0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA})) << "transfer is complete";

    ASSERT_TRUE(command(0x09, 0x01, 0xE4, 0x00, 0x0C));
    EXPECT_EQ(fetch(), (Chunk{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(fetch(), (Chunk{8, 9, 10, 11, 12, 0, 0}));
    EXPECT_EQ(fetch(), std::nullopt) << "no third chunk";

    EXPECT_EQ(readMemory(0, 2048), after);
}

TEST_F(OrvanMouseTest, MemoryWriteLeavesTheWorkingCopyUntilReset) {
    const auto working = mouse->workingCopy();
    writeMemory(4, {0x11, 0x22});
    EXPECT_EQ(mouse->workingCopy(), working);
    EXPECT_EQ(mouse->memory()[4], 0x11);
}

TEST_F(OrvanMouseTest, LiveWritesChangeTheWorkingCopyNotMemory) {
    const auto memory = mouse->memory();
    ASSERT_TRUE(send({0x40, 0x05, 0x00, 0x04, 0xBF, 0x00, 0x00, 0x01}));
    ASSERT_TRUE(send({0x40, 0x05, 0x00, 0x30, 0xA1, 0xA2, 0xA3, 0x02}));  // two of three
    ASSERT_TRUE(send({0x40, 0x05, 0x01, 0x83, 0x02, 0x01, 0x06, 0x00}));  // entry at 131
    ASSERT_TRUE(send({0x40, 0x05, 0x00, 0xBF, 0x77, 0x00, 0x00, 0x01}));  // last byte

    auto expected = slice(memory, 0, 192);
    expected[4] = 0xBF;
    expected[0x30] = 0xA1;
    expected[0x31] = 0xA2;
    expected[131] = 0x02;
    expected[132] = 0x01;
    expected[133] = 0x06;
    expected[134] = 0x00;
    expected[191] = 0x77;
    EXPECT_EQ(mouse->workingCopy(), expected);
    EXPECT_EQ(mouse->memory(), memory);

    ASSERT_TRUE(command(0x06, 0x00, 164, 0x00, 28));
    EXPECT_EQ(fetchBlock(28), slice(expected, 164, 28));
    EXPECT_EQ(fetch(), std::nullopt);
    ASSERT_TRUE(command(0x06, 0x00, 0, 0x00, 192));
    EXPECT_EQ(fetchBlock(192), expected);
}

TEST_F(OrvanMouseTest, MalformedReportsAreRefusedAndChangeNothing) {
    const auto working = mouse->workingCopy();
    const auto memory = mouse->memory();
    const Report refused[] = {
        {0x40, 0x05, 0x00, 0x04, 0x01, 0x02, 0x03, 0x00},  // no bytes
        {0x40, 0x05, 0x00, 0x04, 0x01, 0x02, 0x03, 0x04},  // four in form 0
        {0x40, 0x05, 0x02, 0x04, 0x01, 0x02, 0x03, 0x01},  // unknown form
        {0x40, 0x05, 0x00, 0xBE, 0x01, 0x02, 0x03, 0x03},  // past offset 191
        {0x40, 0x05, 0x01, 0xBD, 0x01, 0x02, 0x03, 0x04},  // entry past 191
        {0x40, 0x05, 0x00, 0xC0, 0x01, 0x00, 0x00, 0x01},  // outside the working copy
        {0x40, 0x06, 0x00, 0xB0, 0x00, 0x11, 0x00, 0x00},  // live read past 191
        {0x40, 0x06, 0x02, 0x00, 0x00, 0x01, 0x00, 0x00},  // unknown read form
        {0x40, 0x09, 0x07, 0xFA, 0x00, 0x07, 0x00, 0x00},  // memory read past 2047
        {0x40, 0x07, 0x08, 0x00, 0x00, 0x01, 0x00, 0x00},  // memory write at 2048
        {0x40, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00},
        {0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // unknown commands
        {0x40, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
        {0x40, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
        {0x41, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07},  // data with no write pending
        {0x42, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // unknown report id
        {0x00, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
    };
    for (const auto& r : refused) EXPECT_FALSE(send(r)) << platform::hexBytes(r);

    const std::vector<uint8_t> shortReport{0x40, 0x0D};
    const std::vector<uint8_t> longReport(64, 0x40);
    EXPECT_FALSE(handle->setFeature(shortReport));
    EXPECT_FALSE(handle->setFeature(longReport));
    EXPECT_FALSE(handle->setFeature({}));
    EXPECT_EQ(fetch(), std::nullopt) << "nothing to fetch";
    std::array<uint8_t, 8> wrongId{0x40};
    EXPECT_FALSE(handle->getFeature(wrongId));
    std::vector<uint8_t> shortFetch{0x41, 0, 0};
    EXPECT_FALSE(handle->getFeature(shortFetch));

    EXPECT_EQ(mouse->workingCopy(), working);
    EXPECT_EQ(mouse->memory(), memory);
}

TEST_F(OrvanMouseTest, ANewCommandEndsTheTransferInProgress) {
    ASSERT_TRUE(command(0x09, 0x00, 0x00, 0x00, 0x15));
    ASSERT_TRUE(fetch());
    ASSERT_TRUE(command(0x0D));
    EXPECT_EQ(fetch(), OrvanMouse::kIdentity);
    EXPECT_EQ(fetch(), std::nullopt);

    ASSERT_TRUE(command(0x07, 0x00, 0x00, 0x00, 0x0E));
    ASSERT_TRUE(liveByte(4, 0x01));
    EXPECT_FALSE(data({9, 9, 9, 9, 9, 9, 9}));
}

TEST_F(OrvanMouseTest, DeviceInfoAnswersTheIdentity) {
    ASSERT_TRUE(command(0x0D));
    const auto reply = fetch();
    ASSERT_TRUE(reply);
    EXPECT_LT((*reply)[0], 0x40);
    EXPECT_EQ((*reply)[1], 0x3A);
    EXPECT_EQ((*reply)[2], 0xC0);
    EXPECT_EQ(fetch(), std::nullopt);
}

TEST_F(OrvanMouseTest, RegistersAreReadAndWrittenAtSixteenBitAddresses) {
    ASSERT_TRUE(command(0x01, 0xAB, 0xCD, 0x5E));
    ASSERT_TRUE(command(0x01, 0x00, 0xCD, 0x11));
    EXPECT_EQ(mouse->registerValue(0xABCD), 0x5E);
    EXPECT_EQ(mouse->registerValue(0x00CD), 0x11);

    ASSERT_TRUE(command(0x02, 0xAB, 0xCD, 0x00, 0x01));
    EXPECT_EQ(fetch(), (Chunk{0x5E, 0, 0, 0, 0, 0, 0}));
    mouse->setRegister(0xFFFF, 0x99);
    ASSERT_TRUE(command(0x02, 0xFF, 0xFF, 0x00, 0x01));
    EXPECT_EQ(fetch(), (Chunk{0x99, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(fetch(), std::nullopt);
}

// Profiles at 192 + 49 k: writing new keys to memory alone does not change
// what the mouse uses; 0x0F and then the real value loads them.
TEST_F(OrvanMouseTest, KeySetReloadsAfterLiveWriteOf0x0FThenTheRealValue) {
    std::vector<uint8_t> keys(147);
    for (size_t i = 0; i < keys.size(); ++i) keys[i] = static_cast<uint8_t>(0xA0 + i % 49);
    ASSERT_TRUE(liveByte(164, 0x31));  // key set 1, colour 3
    EXPECT_EQ(mouse->reloadCount(), 1u) << "switching sets loads the new one";
    writeMemory(192, keys);
    const auto oldKeys = mouse->activeKeys();
    EXPECT_NE(std::vector<uint8_t>(oldKeys.begin(), oldKeys.end()), slice(keys, 49, 48));

    ASSERT_TRUE(liveByte(164, 0x31));
    EXPECT_EQ(mouse->reloadCount(), 1u) << "the same value alone does not reload";
    EXPECT_EQ(mouse->activeKeys(), oldKeys);

    ASSERT_TRUE(liveByte(164, 0x0F));
    ASSERT_TRUE(liveByte(164, 0x31));
    EXPECT_EQ(mouse->reloadCount(), 2u);
    EXPECT_EQ(mouse->workingCopy()[164], 0x31);
    const auto active = mouse->activeKeys();
    EXPECT_EQ(std::vector<uint8_t>(active.begin(), active.end()), slice(keys, 49, 48));
    EXPECT_EQ(mouse->memory()[164], patternImage()[164]) << "live writes are not stored";
}

TEST_F(OrvanMouseTest, ResetDisappearsAndComesBackWithTheWorkingCopyFromMemory) {
    ASSERT_TRUE(liveByte(4, 0xBF));
    ASSERT_TRUE(command(0x0E));
    EXPECT_TRUE(system.enumerate().empty());
    EXPECT_FALSE(command(0x0D)) << "old handles are dead";

    clock.advance(2999);
    EXPECT_FALSE(system.isPlugged(mouse.get()));
    clock.advance(1);
    EXPECT_TRUE(system.isPlugged(mouse.get()));
    handle = openMouse(platform::HidAccess::Query);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(mouse->workingCopy()[4], patternImage()[4]);
    EXPECT_TRUE(command(0x0D));
}

TEST(OrvanMouseVariant, SixtyFourByteFeatureReportsCarryTheSameCommands) {
    platform::VirtualClock clock;
    platform::SimulatedHidSystem system{clock};
    OrvanMouse::Options options;
    options.featureReportLength = 64;
    const auto mouse = plugOrvanMouse(system, {}, options);
    const auto handle = system.open(system.enumerate().at(0), platform::HidAccess::Query);
    platform::HidCaps caps;
    ASSERT_TRUE(handle->capabilities(caps));
    EXPECT_EQ(caps.featureReportByteLength, 64);

    const Report eight{0x40, 0x0D};
    EXPECT_FALSE(handle->setFeature(eight));
    std::vector<uint8_t> report(64, 0x00);
    report[0] = 0x40;
    report[1] = 0x0D;
    EXPECT_TRUE(handle->setFeature(report));
    std::fill(report.begin(), report.end(), 0xEE);
    report[0] = 0x41;
    ASSERT_TRUE(handle->getFeature(report));
    EXPECT_TRUE(
        std::equal(OrvanMouse::kIdentity.begin(), OrvanMouse::kIdentity.end(), report.begin() + 1));
    EXPECT_TRUE(std::all_of(report.begin() + 8, report.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(mouse->memory(), std::vector<uint8_t>(2048, 0xFF));
}

}  // namespace
}  // namespace sim::test
