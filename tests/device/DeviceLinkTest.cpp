#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "LinkFixture.h"
#include "sim/orvan/OtherHidDevice.h"

using Link = LinkFixture;

TEST_F(Link, OpenMouseProbesWithOneIdentityExchange) {
    plugCountingMouse();
    ASSERT_TRUE(link.OpenMouse(kVid, kPid));
    const auto lines = log();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "set 40 0D 00 00 00 00 00 00");
    EXPECT_EQ(lines[1].substr(0, 7), "get 41 ");
    const auto& c = link.connection();
    EXPECT_TRUE(c.CommandHandle && c.ReplyHandle && c.NotifyHandle);
    EXPECT_EQ(c.CommandHandle, c.ReplyHandle);
    EXPECT_EQ(c.FeatureReportLength, 8u);
    EXPECT_EQ(c.VendorId, kVid);
    EXPECT_EQ(c.ProductId, kPid);
}

TEST_F(Link, OpenMouseSkipsWrongIdsAndWideFeatureReports) {
    sim::OrvanMouse::Options wide;
    wide.featureReportLength = 64;
    plugCountingMouse(wide);
    sim::OrvanMouse::Options otherProduct;
    otherProduct.productId = 0x1234;
    plugCountingMouse(otherProduct);
    hid->plug(std::make_shared<sim::OtherHidDevice>(sim::OtherHidDevice::keyboard()));

    EXPECT_FALSE(link.OpenMouse(kVid, kPid));
    EXPECT_FALSE(link.connection().CommandHandle);
    EXPECT_FALSE(link.connection().NotifyHandle);
    EXPECT_TRUE(log().empty()) << "no probe goes to a device that does not qualify";
}

TEST_F(Link, OpenMouseSucceedsEvenWhenBothProbesFail) {
    sim::OtherHidDevice::Options silent;
    silent.vendorId = kVid;
    silent.productId = kPid;
    silent.featureReportLength = 8;
    silent.allowsReadWrite = true;
    hid->plug(std::make_shared<sim::OtherHidDevice>(silent));

    EXPECT_TRUE(link.OpenMouse(kVid, kPid));
    EXPECT_FALSE(link.connection().CommandHandle);
    EXPECT_FALSE(link.connection().ReplyHandle);
    EXPECT_FALSE(link.usable());
    hid->clearTraffic();
    EXPECT_FALSE(link.SendCommand(0x0D, 0, 0, 0, 0));
    EXPECT_FALSE(orvan.WriteLiveBlock(164, std::vector<uint8_t>(28)));
    std::vector<uint8_t> buffer(14, 0);
    EXPECT_FALSE(orvan.ReadDeviceMemory(0, buffer, false));
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(log().empty()) << "invalid handles make no system calls";
}

TEST_F(Link, CountsOnlyInterfacesThatOpen) {
    plugCountingMouse();
    hid->plug(std::make_shared<sim::OtherHidDevice>(sim::OtherHidDevice::bootMouse()));
    sim::OtherHidDevice::Options locked;
    locked.openable = false;
    hid->plug(std::make_shared<sim::OtherHidDevice>(locked));
    EXPECT_EQ(link.CountHidInterfaces(), 2);
}

TEST_F(Link, NoBackendMeansNoMouse) {
    device::DeviceLink none{nullptr, device::quietHost(), orvan::kProbes};
    EXPECT_EQ(none.CountHidInterfaces(), 0);
    EXPECT_FALSE(none.OpenMouse(kVid, kPid));
    std::vector<uint8_t> buffer(8);
    EXPECT_FALSE(none.ReadNotification(buffer));
}

TEST_F(Link, InvalidatingWakesABlockedNotificationReadAndClosesHandles) {
    auto mouse = plugCountingMouse();
    open();
    std::vector<uint8_t> buffer(link.notificationLength());

    ASSERT_TRUE(mouse->pressKeySetButton());
    ASSERT_TRUE(link.ReadNotification(buffer));
    EXPECT_EQ(buffer[0], 0x42);
    EXPECT_EQ(buffer[3], 8);

    bool result = true;
    std::thread reader([&] { result = link.ReadNotification(buffer); });
    link.InvalidateHandles();
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(link.connection().NotifyHandle);
    EXPECT_FALSE(link.usable());
}

TEST_F(Link, UnpluggedMouseMakesReportsFailWithoutCrashing) {
    auto mouse = plugCountingMouse();
    open();
    hid->unplug(mouse.get());
    std::vector<uint8_t> buffer(7, 0);
    EXPECT_FALSE(orvan.ReadDeviceMemory(0, buffer, false));
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == 0xFF; }));
    std::vector<uint8_t> note(link.notificationLength());
    EXPECT_FALSE(link.ReadNotification(note));
}
