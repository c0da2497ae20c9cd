#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "common/platform/hidraw/HidrawHandle.h"
#include "common/platform/hidraw/HidrawSysfs.h"
#include "common/platform/hidraw/HidrawSystem.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class ScratchDir {
public:
    ScratchDir() {
        char name[] = "/tmp/hidraw-test-XXXXXX";
        path_ = ::mkdtemp(name) ? name : "";
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }
    void write(const std::string& relative, const std::string& text) const {
        fs::create_directories(fs::path(path_ + "/" + relative).parent_path());
        std::ofstream(path_ + "/" + relative) << text;
    }

private:
    std::string path_;
};

TEST(HidrawSystem, ThisMachineListsWithoutTroubleAndRefusesNonDevices) {
    auto system = makeHidrawSystem();
    ASSERT_NE(system, nullptr);
    for (const auto& path : system->enumerate())
        EXPECT_EQ(path.rfind("/dev/hidraw", 0), 0u) << path;
    EXPECT_EQ(system->open("/dev/hidraw-does-not-exist", HidAccess::Query), nullptr);
    EXPECT_EQ(system->open("/dev/hidraw-does-not-exist", HidAccess::ReadWrite), nullptr);
    EXPECT_EQ(system->open("", HidAccess::Query), nullptr);
    // A character device that is not hidraw, and a regular file.
    EXPECT_EQ(system->open("/dev/null", HidAccess::Query), nullptr);
    ScratchDir dir;
    dir.write("hidraw0", "");
    EXPECT_EQ(system->open(dir.path() + "/hidraw0", HidAccess::ReadWrite), nullptr);
}

TEST(HidrawSystem, ListsHidrawNodesByNumber) {
    ScratchDir dev;
    for (const char* name :
         {"hidraw10", "hidraw2", "hidraw0", "hidraw", "hidrawx", "hidraw1a", "input", "hidraw9"})
        dev.write(name, "");
    auto system = makeHidrawSystem({dev.path(), "/nonexistent"});
    const std::vector<std::string> want = {dev.path() + "/hidraw0", dev.path() + "/hidraw2",
                                           dev.path() + "/hidraw9", dev.path() + "/hidraw10"};
    EXPECT_EQ(system->enumerate(), want);
    EXPECT_TRUE(makeHidrawSystem({"/nonexistent", "/nonexistent"})->enumerate().empty());
}

TEST(HidrawSysfs, VersionIsTheBcdDeviceOfTheUsbDeviceAbove) {
    ScratchDir sys;
    const std::string hid = "usb1/1-2/1-2:1.1/0003:1234:5678.0007";
    sys.write(hid + "/uevent", "HID_ID=0003:00001234:00005678\n");
    sys.write("usb1/1-2/bcdDevice", "0213\n");
    EXPECT_EQ(usbVersionNumber(sys.path() + "/" + hid), 0x0213);

    sys.write("usb1/1-2/bcdDevice", "zz\n");
    EXPECT_EQ(usbVersionNumber(sys.path() + "/" + hid), 0);
    sys.write("usb1/1-2/bcdDevice", "12345\n");
    EXPECT_EQ(usbVersionNumber(sys.path() + "/" + hid), 0);
    fs::remove(sys.path() + "/usb1/1-2/bcdDevice");
    EXPECT_EQ(usbVersionNumber(sys.path() + "/" + hid), 0);
    EXPECT_EQ(usbVersionNumber(sys.path() + "/missing"), 0);
}

// readInput against a socket pair standing in for the node: one datagram per
// report, and closing the far end looks like an unplug (POLLHUP).
class HidrawRead : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds_), 0);
    }
    void TearDown() override { closeDevice(); }

    std::shared_ptr<HidrawHandle> handle(HidAccess access, bool numbered) {
        const int fd = fds_[0];
        fds_[0] = -1;
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        return std::make_shared<HidrawHandle>(fd, access, HidrawDeviceInfo{0, numbered});
    }
    void deviceSends(const Bytes& report) {
        ASSERT_EQ(::write(fds_[1], report.data(), report.size()),
                  static_cast<ssize_t>(report.size()));
    }
    void closeDevice() {
        for (int& fd : fds_)
            if (fd >= 0) ::close(std::exchange(fd, -1));
    }

    int fds_[2] = {-1, -1};
};

TEST_F(HidrawRead, ReportsKeepTheirIdInByteZero) {
    auto numbered = handle(HidAccess::ReadWrite, true);
    Bytes buffer(8, 0xEE);
    deviceSends({0x42, 1, 2, 3});
    ASSERT_TRUE(numbered->readInput(buffer));
    EXPECT_EQ(buffer, (Bytes{0x42, 1, 2, 3, 0, 0, 0, 0}));
}

TEST_F(HidrawRead, UnnumberedReportsGetIdZeroInFront) {
    auto plain = handle(HidAccess::ReadWrite, false);
    Bytes buffer(5, 0xEE);
    deviceSends({0x01, 0x05, 0xFB, 0x00});
    ASSERT_TRUE(plain->readInput(buffer));
    EXPECT_EQ(buffer, (Bytes{0x00, 0x01, 0x05, 0xFB, 0x00}));
}

TEST_F(HidrawRead, QueryHandleReadsNothing) {
    auto query = handle(HidAccess::Query, true);
    deviceSends({0x42, 1});
    Bytes buffer(8);
    EXPECT_FALSE(query->readInput(buffer));
}

TEST_F(HidrawRead, CancelFromAnotherThreadWakesTheReaderAndStaysCancelled) {
    auto h = handle(HidAccess::ReadWrite, true);
    auto reader = std::async(std::launch::async, [&] {
        Bytes buffer(8);
        return h->readInput(buffer);
    });
    EXPECT_EQ(reader.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    h->cancelRead();
    ASSERT_EQ(reader.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(reader.get());

    deviceSends({0x42, 1});
    Bytes buffer(8);
    EXPECT_FALSE(h->readInput(buffer));
}

TEST_F(HidrawRead, UnplugDeliversQueuedReportsThenFails) {
    auto h = handle(HidAccess::ReadWrite, true);
    deviceSends({0x42, 7});
    closeDevice();
    Bytes buffer(8);
    EXPECT_TRUE(h->readInput(buffer));
    EXPECT_EQ(buffer[1], 7);
    auto reader = std::async(std::launch::async, [&] { return h->readInput(buffer); });
    ASSERT_EQ(reader.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(reader.get());
}

TEST_F(HidrawRead, IoctlsOnANonHidrawFdFailQuietly) {
    auto h = handle(HidAccess::ReadWrite, true);
    HidAttributes attributes;
    HidCaps caps;
    Bytes report = {0x41, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(h->attributes(attributes));
    EXPECT_FALSE(h->capabilities(caps));
    EXPECT_FALSE(h->setFeature(report));
    EXPECT_FALSE(h->getFeature(report));
    EXPECT_FALSE(h->setFeature({}));
    EXPECT_FALSE(h->getFeature({}));
}

}  // namespace
}  // namespace platform
