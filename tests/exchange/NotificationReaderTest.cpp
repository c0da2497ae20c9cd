#include "orvandesk/exchange/NotificationReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/platform/hid/SimulatedHidSystem.h"
#include "orvandesk/device/OrvanCommands.h"
#include "sim/orvan/OrvanMouse.h"

namespace {

// Stands in for the window thread: tasks posted by the reader run when the
// test pumps them.
class WindowQueue {
public:
    void post(std::function<void()> task) {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        ready_.notify_all();
    }
    // Runs tasks until `done` holds or two seconds pass.
    bool pumpUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done()) {
            std::unique_lock lock(mutex_);
            if (!ready_.wait_until(lock, deadline, [&] { return !tasks_.empty(); })) return done();
            auto task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
        }
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> tasks_;
};

class NotificationReaderTest : public ::testing::Test {
protected:
    platform::VirtualClock clock;
    std::shared_ptr<platform::SimulatedHidSystem> hid = std::make_shared<platform::SimulatedHidSystem>(clock);
    device::DeviceLink link{hid, device::quietHost(), orvan::kProbes};
    std::shared_ptr<sim::OrvanMouse> mouse = sim::plugOrvanMouse(*hid, std::vector<uint8_t>(2048, 0));
    std::atomic<bool> statusRefresh{false};
    WindowQueue window;
    std::vector<std::string> refreshes;  // touched on the "window" thread only

    orvan::NotificationReader::Hooks hooks() {
        return {
            [this](std::function<void()> task) { window.post(std::move(task)); },
            [this] { refreshes.push_back("dpi"); },
            [this] { refreshes.push_back("profile"); },
        };
    }
};

}  // namespace

TEST_F(NotificationReaderTest, ButtonEventsRunTheRefreshesOnTheWindowThreadAfterRelease) {
    ASSERT_TRUE(link.OpenMouse(0x1BCF, 0x08B8));
    orvan::NotificationReader reader(link, clock, statusRefresh, hooks());
    reader.start();

    mouse->pressDpiButton(2);
    mouse->pressKeySetButton();
    mouse->releaseButton();
    EXPECT_TRUE(window.pumpUntil([&] { return refreshes.size() == 2; }));
    EXPECT_EQ(refreshes, (std::vector<std::string>{"dpi", "profile"}));
    EXPECT_GE(clock.nowMs(), 400u) << "200 ms before each refresh";

    // Flags were cleared: a bare release refreshes nothing more.
    mouse->releaseButton();
    mouse->pressDpiButton(1);
    mouse->releaseButton();
    EXPECT_TRUE(window.pumpUntil([&] { return refreshes.size() == 3; }));
    EXPECT_EQ(refreshes.back(), "dpi");
    reader.stop();
}

TEST_F(NotificationReaderTest, StopsCleanlyWhileBlockedOrIdle) {
    // Blocked in a read on an open handle.
    ASSERT_TRUE(link.OpenMouse(0x1BCF, 0x08B8));
    {
        orvan::NotificationReader reader(link, clock, statusRefresh, hooks());
        reader.start();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        reader.stop();
        EXPECT_FALSE(reader.running());
    }
    // Idle without a handle, and idle during a status refresh.
    link.InvalidateHandles();
    orvan::NotificationReader idle(link, clock, statusRefresh, hooks());
    idle.start();
    statusRefresh = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    idle.stop();
    EXPECT_TRUE(refreshes.empty());
}

TEST_F(NotificationReaderTest, StopWhileWaitingForTheWindowDoesNotHang) {
    ASSERT_TRUE(link.OpenMouse(0x1BCF, 0x08B8));
    orvan::NotificationReader reader(link, clock, statusRefresh, hooks());
    reader.start();
    mouse->pressKeySetButton();
    mouse->releaseButton();
    // The window never runs the posted task; the reader must still stop.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    reader.stop();
    EXPECT_TRUE(refreshes.empty());
    window.pumpUntil([] { return true; });
}

TEST_F(NotificationReaderTest, FollowsAReplacedHandle) {
    ASSERT_TRUE(link.OpenMouse(0x1BCF, 0x08B8));
    orvan::NotificationReader reader(link, clock, statusRefresh, hooks());
    reader.start();
    link.InvalidateHandles();
    ASSERT_TRUE(link.OpenMouse(0x1BCF, 0x08B8));
    // Give the reader time to notice the new handle before the events come.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    mouse->pressKeySetButton();
    mouse->releaseButton();
    EXPECT_TRUE(window.pumpUntil([&] { return refreshes.size() == 1; }));
    reader.stop();
}
