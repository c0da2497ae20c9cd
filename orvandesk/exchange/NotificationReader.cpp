#include "orvandesk/exchange/NotificationReader.h"

#include <chrono>
#include <memory>
#include <vector>

#include "common/platform/thread/ThreadPriority.h"

namespace orvan {

namespace {
// How often the reader looks again while it must not read (no handle, or a
// status refresh in progress). Real time: it is only idling.
constexpr auto kIdlePoll = std::chrono::milliseconds(50);
constexpr uint32_t kSettleMs = 200;
}  // namespace

NotificationReader::NotificationReader(device::DeviceLink& link, platform::Clock& clock,
                                       std::atomic<bool>& statusRefresh, Hooks hooks)
    : link_(link), clock_(clock), statusRefresh_(statusRefresh), hooks_(std::move(hooks)) {}

NotificationReader::~NotificationReader() { stop(); }

void NotificationReader::start() {
    if (thread_.joinable()) return;
    signal_->stopping = false;
    thread_ = std::thread([this] {
        platform::lowerCurrentThreadPriority();
        run();
    });
}

void NotificationReader::stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(signal_->mutex);
        signal_->stopping = true;
    }
    signal_->wake.notify_all();
    link_.CancelNotificationRead();
    thread_.join();
}

void NotificationReader::run() {
    std::vector<uint8_t> report;
    while (!signal_->stopping) {
        if (statusRefresh_ || !link_.hasNotifyHandle()) {
            idle();
            continue;
        }
        report.assign(link_.notificationLength(), 0);
        if (!link_.ReadNotification(report)) {
            // Cancelled, unplugged or replaced: look again shortly.
            idle();
            continue;
        }
        handle(report.data(), report.size());
    }
}

void NotificationReader::handle(const uint8_t* report, size_t length) {
    if (length < 4 || report[0] != device::REPORT_NOTIFY) return;
    switch (report[3]) {
        case 1: dpiEvent1_ = true; return;
        case 2: dpiEvent2_ = true; return;
        case 4: dpiEvent4_ = true; return;
        case kProfileEvent: profileEvent_ = true; return;
        case kRelease: break;
        default: return;
    }
    for (std::atomic<bool>* flag : {&dpiEvent1_, &dpiEvent2_, &dpiEvent4_}) {
        if (!*flag || signal_->stopping) continue;
        pause(kSettleMs);
        runOnWindow(hooks_.refreshCurrentDpi);
        *flag = false;
    }
    if (profileEvent_ && !signal_->stopping) {
        pause(kSettleMs);
        runOnWindow(hooks_.refreshCurrentProfile);
        profileEvent_ = false;
    }
}

void NotificationReader::idle() {
    std::unique_lock lock(signal_->mutex);
    signal_->wake.wait_for(lock, kIdlePoll, [&] { return signal_->stopping.load(); });
}

void NotificationReader::pause(uint32_t ms) {
    if (!signal_->stopping) clock_.sleepMs(ms);
}

void NotificationReader::runOnWindow(const std::function<void()>& task) {
    if (!task || !hooks_.postToWindow) return;
    // Shared with the posted task, which may run after we gave up waiting.
    auto done = std::make_shared<bool>(false);
    hooks_.postToWindow([signal = signal_, task, done] {
        if (!signal->stopping) task();
        {
            std::lock_guard lock(signal->mutex);
            *done = true;
        }
        signal->wake.notify_all();
    });
    std::unique_lock lock(signal_->mutex);
    signal_->wake.wait(lock, [&] { return *done || signal_->stopping.load(); });
}

}  // namespace orvan
