#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "sim/orvan/OtherHidDevice.h"
#include "tests/sim/OrvanMouseFixture.h"

namespace sim::test {
namespace {

using Input = std::array<uint8_t, 8>;

TEST_F(OrvanMouseTest, NotificationsReachABlockedReaderOnAReadWriteHandle) {
    const auto notify = openMouse(platform::HidAccess::ReadWrite);
    ASSERT_NE(notify, nullptr);
    std::vector<Input> received;
    std::promise<void> done;
    std::thread reader([&] {
        Input buffer{};
        while (received.size() < 4 && notify->readInput(buffer)) received.push_back(buffer);
        done.set_value();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let it block
    EXPECT_TRUE(mouse->pressDpiButton(2));
    EXPECT_TRUE(mouse->releaseButton());
    EXPECT_TRUE(mouse->pressKeySetButton());
    EXPECT_TRUE(mouse->releaseButton());
    if (done.get_future().wait_for(std::chrono::seconds(5)) != std::future_status::ready)
        notify->cancelRead();
    reader.join();

    const std::vector<Input> expected{
        {0x42, 0, 0, 2, 0, 0, 0, 0},
        {0x42, 0, 0, 0, 0, 0, 0, 0},
        {0x42, 0, 0, 8, 0, 0, 0, 0},
        {0x42, 0, 0, 0, 0, 0, 0, 0},
    };
    EXPECT_EQ(received, expected);
}

TEST_F(OrvanMouseTest, DpiButtonsMoveTheLevelAndStoreIt) {
    struct Case {
        uint8_t start;
        uint8_t code;
        uint8_t level;
    };
    // Four levels in use (offset 43 holds 3).
    const Case cases[] = {
        {1, 1, 2}, {3, 1, 0}, {7, 1, 0},  // next, wrapping
        {1, 2, 2}, {3, 2, 3}, {9, 2, 3},  // up, stopping at the top
        {1, 4, 0}, {0, 4, 0}, {9, 4, 3},  // down, stopping at the first
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(liveByte(166, c.start));
        ASSERT_TRUE(mouse->pressDpiButton(c.code));
        const auto working = mouse->workingCopy();
        const auto memory = mouse->memory();
        EXPECT_EQ(working[166], c.level) << +c.start << " code " << +c.code;
        EXPECT_EQ(memory[166], c.level) << +c.start << " code " << +c.code;
        EXPECT_EQ(memory[191], userCheck(memory)) << "stored section stays valid";
    }
    const auto before = system.traffic().size();
    EXPECT_FALSE(mouse->pressDpiButton(3));
    EXPECT_FALSE(mouse->pressDpiButton(8));
    EXPECT_EQ(system.traffic().size(), before);
}

TEST_F(OrvanMouseTest, KeySetButtonCyclesKeepingTheColourAndLoadsTheSet) {
    const auto image = patternImage();
    const uint8_t expected[] = {0x31, 0x32, 0x30, 0x31};
    unsigned loads = mouse->reloadCount();
    for (const uint8_t value : expected) {
        ASSERT_TRUE(mouse->pressKeySetButton());
        EXPECT_EQ(mouse->workingCopy()[164], value);
        EXPECT_EQ(mouse->memory()[164], value);
        EXPECT_EQ(mouse->reloadCount(), ++loads);
        const auto keys = mouse->activeKeys();
        EXPECT_TRUE(
            std::equal(keys.begin(), keys.end(), image.begin() + 192 + 49 * (value & 0x0F)));
    }
    ASSERT_TRUE(liveByte(164, 0x0F));
    ASSERT_TRUE(mouse->pressKeySetButton());
    EXPECT_EQ(mouse->workingCopy()[164], 0x00) << "from no valid set to the first";
}

TEST_F(OrvanMouseTest, ButtonsOfAnUnpluggedMouseSendNothing) {
    system.unplug(mouse.get());
    system.clearTraffic();
    EXPECT_FALSE(mouse->pressDpiButton(1));
    EXPECT_FALSE(mouse->pressKeySetButton());
    EXPECT_FALSE(mouse->releaseButton());
    EXPECT_TRUE(system.traffic().empty());
}

// Buttons take the mouse's lock and then the system's; reports take them the
// other way round. Neither may wait for the other.
TEST_F(OrvanMouseTest, ButtonsAndReportsFromTwoThreadsDoNotDeadlock) {
    std::atomic<bool> stop{false};
    std::thread presser([&] {
        while (!stop) {
            mouse->pressDpiButton(1);
            mouse->releaseButton();
        }
    });
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(command(0x09, 0x00, 0xA6, 0x00, 0x01));
        const auto level = fetch();
        ASSERT_TRUE(level);
        EXPECT_LT((*level)[0], 4);
    }
    stop = true;
    presser.join();
}

TEST(OtherHidDevice, CountsAsAnInterfaceButRefusesReadWriteAndFeatures) {
    platform::VirtualClock clock;
    platform::SimulatedHidSystem system{clock};
    const auto mouse = plugOrvanMouse(system);
    const auto keyboard = std::make_shared<OtherHidDevice>(OtherHidDevice::keyboard());
    const auto path = system.plug(keyboard);
    EXPECT_EQ(system.enumerate().size(), 2u);

    EXPECT_EQ(system.open(path, platform::HidAccess::ReadWrite), nullptr);
    const auto query = system.open(path, platform::HidAccess::Query);
    ASSERT_NE(query, nullptr);
    platform::HidAttributes attributes;
    ASSERT_TRUE(query->attributes(attributes));
    EXPECT_NE(attributes.vendorId, 0x1BCF);
    const Report info{0x40, 0x0D};
    EXPECT_FALSE(query->setFeature(info));
    Report fetch{0x41};
    EXPECT_FALSE(query->getFeature(fetch));

    system.unplug(keyboard.get());
    EXPECT_EQ(system.enumerate().size(), 1u);

    OtherHidDevice::Options hidden;
    hidden.openable = false;
    const auto hiddenPath = system.plug(std::make_shared<OtherHidDevice>(hidden));
    EXPECT_EQ(system.open(hiddenPath, platform::HidAccess::Query), nullptr);
}

}  // namespace
}  // namespace sim::test
