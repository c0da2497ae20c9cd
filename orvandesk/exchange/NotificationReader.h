#pragma once
// The notification reader: one thread for the program's life that waits for
// the mouse's 0x42 input reports (its own DPI and key-set buttons) and has the
// window follow them. The refreshes touch the window, so they are handed to
// the window thread; the reader waits for each to finish before it reads
// again.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "common/device/DeviceLink.h"
#include "common/platform/clock/Clock.h"

namespace orvan {

class NotificationReader {
public:
    struct Hooks {
        // Queues a task on the window thread and returns at once.
        std::function<void(std::function<void()>)> postToWindow;
        // The current-DPI and current-profile refreshes (run on the window thread).
        std::function<void()> refreshCurrentDpi;
        std::function<void()> refreshCurrentProfile;
    };

    // Event codes in byte 3 of the report.
    static constexpr uint8_t kRelease = 0;
    static constexpr uint8_t kProfileEvent = 8;

    NotificationReader(device::DeviceLink& link, platform::Clock& clock, std::atomic<bool>& statusRefresh,
                       Hooks hooks);
    ~NotificationReader();
    NotificationReader(const NotificationReader&) = delete;
    NotificationReader& operator=(const NotificationReader&) = delete;

    // Starts the thread unless it runs already.
    void start();
    bool running() const { return thread_.joinable(); }
    // Stops the thread and waits for it; safe to call more than once.
    void stop();

private:
    void run();
    void handle(const uint8_t* report, size_t length);
    // Runs `task` on the window thread and waits for it (or for stop()).
    void runOnWindow(const std::function<void()>& task);
    // Waits a little real time, or until stop().
    void idle();
    // Waits `ms` on the clock unless stopping.
    void pause(uint32_t ms);

    device::DeviceLink& link_;
    platform::Clock& clock_;
    std::atomic<bool>& statusRefresh_;
    Hooks hooks_;

    // Shared with tasks posted to the window thread, which may run after the
    // reader has gone.
    struct Signal {
        std::atomic<bool> stopping{false};
        std::mutex mutex;
        std::condition_variable wake;
    };
    std::shared_ptr<Signal> signal_ = std::make_shared<Signal>();
    std::atomic<bool> dpiEvent1_{false}, dpiEvent2_{false}, dpiEvent4_{false}, profileEvent_{false};
    std::thread thread_;
};

}  // namespace orvan
