#include "orvandesk/exchange/Connection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/platform/hid/SimulatedHidSystem.h"
#include "orvandesk/device/OrvanCommands.h"
#include "sim/orvan/OrvanMouse.h"
#include "sim/orvan/OtherHidDevice.h"

namespace {

// Records what the connection asked of the window.
class RecordingHost final : public orvan::ConnectionHost {
public:
    std::vector<std::string> calls;
    bool timerRunning = true;

    void stopDetectionTimer() override {
        timerRunning = false;
        calls.push_back("stop timer");
    }
    void startDetectionTimer() override {
        timerRunning = true;
        calls.push_back("start timer");
    }
    void processPendingEvents() override { ++pumps; }
    void showMouseLost() override { calls.push_back("lost"); }
    void showFlashConfigurationError() override { calls.push_back("flash error"); }
    void showReadIds(uint8_t m, uint8_t p) override {
        calls.push_back("ids " + std::to_string(m) + "," + std::to_string(p));
    }
    void showIdsRejected() override { calls.push_back("ids rejected"); }
    void readImage() override { calls.push_back("read image"); }
    int pumps = 0;
};

std::vector<uint8_t> defaultImage(uint8_t manufacturer = 0xFF, uint8_t product = 0xFF, uint8_t marker = 0xE0) {
    std::vector<uint8_t> image(2048, 0xFF);
    image[0] = 0x1B;
    image[1] = 0xCF;
    image[2] = 0x08;
    image[3] = 0xB8;
    image[484] = manufacturer;
    image[485] = product;
    image[495] = marker;
    return image;
}

class ConnectionTest : public ::testing::Test {
protected:
    platform::VirtualClock clock;
    std::shared_ptr<platform::SimulatedHidSystem> hid = std::make_shared<platform::SimulatedHidSystem>(clock);
    device::DeviceLink link{hid, device::quietHost(), orvan::kProbes};
    orvan::OrvanDevice device{link};
    RecordingHost host;

    orvan::Connection make(std::span<const uint8_t> image, uint8_t revManu = 0, uint8_t revPro = 0) {
        return orvan::Connection(device, clock, host,
                                 orvan::ConnectionConfig::fromDefaultImage(image, revManu, revPro));
    }
};

}  // namespace

TEST(ConnectionConfigTest, ComesFromTheDefaultImage) {
    const auto image = defaultImage(0x12, 0x34);
    const auto c = orvan::ConnectionConfig::fromDefaultImage(image, 7, 8);
    EXPECT_EQ(c.vendorId, 0x1BCFu);
    EXPECT_EQ(c.productId, 0x08B8u);
    EXPECT_EQ(c.configuredKind, "I2C");
    ASSERT_TRUE(c.firstExpectedIds);
    EXPECT_EQ(*c.firstExpectedIds, (orvan::IdPair{0x12, 0x34}));
    EXPECT_EQ(c.secondExpectedIds, (orvan::IdPair{7, 8}));

    const auto flash = orvan::ConnectionConfig::fromDefaultImage(defaultImage(1, 2, 0x00), 0, 0);
    EXPECT_EQ(flash.configuredKind, "Flash");
    EXPECT_FALSE(flash.firstExpectedIds);
}

TEST_F(ConnectionTest, MouseAttachedAtStartIsConnectedOnTheFirstTickAfterSettling) {
    const auto image = defaultImage();
    sim::plugOrvanMouse(*hid, image);
    auto connection = make(image);
    const uint64_t before = clock.nowMs();
    connection.DevTimerTimer();
    EXPECT_EQ(clock.nowMs() - before, 2100u) << "21 rounds of 100 ms";
    EXPECT_EQ(host.pumps, 21);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ids 255,255", "read image"}));
    EXPECT_EQ(connection.detectedKind(), "I2C");
    EXPECT_EQ(connection.lastInterfaceCount(), 1);
    EXPECT_EQ(link.connection().VendorId, 0x1BCFu);
    EXPECT_TRUE(link.usable());
}

TEST_F(ConnectionTest, IdBytesDecideAcceptance) {
    struct Case {
        uint8_t manufacturer, product;
        uint8_t revManu, revPro;
        bool accepted;
    };
    for (const Case c : {Case{255, 255, 0, 0, true}, Case{0, 0, 0, 0, true}, Case{1, 2, 0, 0, false},
                         Case{1, 2, 1, 2, true}}) {
        SCOPED_TRACE(std::to_string(c.manufacturer) + "," + std::to_string(c.product));
        hid = std::make_shared<platform::SimulatedHidSystem>(clock);
        device::DeviceLink freshLink{hid, device::quietHost(), orvan::kProbes};
        orvan::OrvanDevice freshDevice{freshLink};
        host.calls.clear();
        sim::plugOrvanMouse(*hid, defaultImage(c.manufacturer, c.product));
        const auto shipped = defaultImage();  // expects (255, 255)
        orvan::Connection connection(freshDevice, clock, host,
                                     orvan::ConnectionConfig::fromDefaultImage(shipped, c.revManu, c.revPro));
        connection.DevTimerTimer();
        const std::string ids = "ids " + std::to_string(c.manufacturer) + "," + std::to_string(c.product);
        if (c.accepted) {
            EXPECT_EQ(host.calls, (std::vector<std::string>{ids, "read image"}));
        } else {
            EXPECT_EQ(host.calls, (std::vector<std::string>{ids, "stop timer", "ids rejected", "start timer"}));
        }
    }
}

TEST_F(ConnectionTest, RejectedIdentityOrFlashConfigurationReadsNothing) {
    auto mouse = sim::plugOrvanMouse(*hid, defaultImage());
    mouse->setIdentity({0x40, 0x3A, 0xC0, 0, 0, 0, 0});
    auto connection = make(defaultImage());
    connection.DevTimerTimer();
    EXPECT_TRUE(host.calls.empty()) << "a foreign identity is ignored silently";
    EXPECT_EQ(connection.detectedKind(), "");

    mouse->clearFaults();
    host.calls.clear();
    auto flash = make(defaultImage(0xFF, 0xFF, 0x00));
    flash.DevTimerTimer();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"flash error"}));
}

TEST_F(ConnectionTest, OtherDeviceArrivingShowsTheLostMessage) {
    auto connection = make(defaultImage());
    hid->plug(std::make_shared<sim::OtherHidDevice>());
    connection.DevTimerTimer();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"lost", "start timer"}));
    EXPECT_EQ(connection.lastInterfaceCount(), 1);
    host.calls.clear();
    connection.DevTimerTimer();
    EXPECT_TRUE(host.calls.empty()) << "an unchanged count does nothing";
}

TEST_F(ConnectionTest, UnpluggingFollowsTheProbe) {
    const auto image = defaultImage();
    auto mouse = sim::plugOrvanMouse(*hid, image);
    auto other = std::make_shared<sim::OtherHidDevice>();
    hid->plug(other);
    auto connection = make(image);
    connection.DevTimerTimer();
    ASSERT_EQ(connection.lastInterfaceCount(), 2);

    // Another device goes: the mouse still answers, the stored count stays.
    hid->unplug(other.get());
    host.calls.clear();
    connection.DevTimerTimer();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(connection.stillThere());
    EXPECT_EQ(connection.lastInterfaceCount(), 2);

    // The mouse goes: lost, handles invalid, ids cleared.
    hid->unplug(mouse.get());
    connection.DevTimerTimer();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"lost", "start timer"}));
    EXPECT_FALSE(link.usable());
    EXPECT_FALSE(link.connection().NotifyHandle);
    EXPECT_EQ(link.connection().VendorId, 0u);
    EXPECT_EQ(connection.detectedKind(), "");
    EXPECT_EQ(connection.lastInterfaceCount(), 0);
}

TEST_F(ConnectionTest, NestedTickDoesNothing) {
    const auto image = defaultImage();
    sim::plugOrvanMouse(*hid, image);
    struct NestingHost final : orvan::ConnectionHost {
        orvan::Connection* connection = nullptr;
        int reads = 0;
        void stopDetectionTimer() override {}
        void startDetectionTimer() override {}
        void processPendingEvents() override {
            if (connection) connection->DevTimerTimer();  // a timer tick during the settling wait
        }
        void showMouseLost() override {}
        void showFlashConfigurationError() override {}
        void showReadIds(uint8_t, uint8_t) override {}
        void showIdsRejected() override {}
        void readImage() override { ++reads; }
    } nesting;
    orvan::Connection connection(device, clock, nesting, orvan::ConnectionConfig::fromDefaultImage(image, 0, 0));
    nesting.connection = &connection;
    connection.DevTimerTimer();
    EXPECT_EQ(nesting.reads, 1);
}

TEST_F(ConnectionTest, RestartAndReconnectWaitsAboutSeventeenSecondsAndFindsTheMouseAgain) {
    const auto image = defaultImage();
    sim::plugOrvanMouse(*hid, image);
    auto connection = make(image);
    connection.DevTimerTimer();
    host.calls.clear();
    hid->clearTraffic();

    const uint64_t before = clock.nowMs();
    connection.RestartAndReconnect();
    EXPECT_EQ(clock.nowMs() - before, 17030u);
    EXPECT_EQ(hid->featureLog().front(), "set 40 0E 00 00 00 00 00 00");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ids 255,255", "read image"}));
    EXPECT_TRUE(link.usable());
}

TEST_F(ConnectionTest, ReFindWithoutMouseEndsInLost) {
    auto connection = make(defaultImage());
    connection.ReFindDev();
    // Entry 1 fails to open (nothing there), entry 2 is empty.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"lost", "start timer"}));
}
