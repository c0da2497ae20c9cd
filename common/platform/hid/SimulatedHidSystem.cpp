#include "common/platform/hid/SimulatedHidSystem.h"

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

struct Slot {
    std::shared_ptr<SimulatedHidDevice> device;
    std::string path;
};

struct Pending {
    std::shared_ptr<SimulatedHidDevice> device;
    uint64_t atMs;
};

class SimHandle;

}  // namespace

struct SimulatedHidSystem::State {
    explicit State(Clock& c) : clock(c) {}
    Clock& clock;
    // One lock for devices, handles and the log; device calls run under it,
    // so a device sees one call at a time.
    mutable std::recursive_mutex mutex;
    std::vector<Slot> slots;
    std::vector<Pending> pending;
    std::vector<std::weak_ptr<SimHandle>> handles;
    std::vector<HidTraffic> traffic;
    unsigned nextPathNumber = 0;

    void applySchedule() {
        const uint64_t now = clock.nowMs();
        for (auto it = pending.begin(); it != pending.end();) {
            if (it->atMs <= now) {
                plugNow(std::move(it->device));
                it = pending.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::string plugNow(std::shared_ptr<SimulatedHidDevice> device) {
        char path[64];
        std::snprintf(path, sizeof path, "sim://hid/%u", nextPathNumber++);
        slots.push_back({std::move(device), path});
        return path;
    }

    const Slot* find(const std::string& path) const {
        for (const auto& s : slots)
            if (s.path == path) return &s;
        return nullptr;
    }

    void log(HidTraffic::Kind kind, bool ok, std::span<const uint8_t> bytes) {
        traffic.push_back({clock.nowMs(), kind, ok, std::vector<uint8_t>(bytes.begin(), bytes.end())});
    }

    void unplugNow(const SimulatedHidDevice* device);
    void deliver(const SimulatedHidDevice* device, const std::vector<uint8_t>& report);
};

namespace {

class SimHandle final : public HidHandle {
public:
    SimHandle(std::shared_ptr<SimulatedHidSystem::State> state, std::shared_ptr<SimulatedHidDevice> device,
              HidAccess access)
        : state_(std::move(state)), device_(std::move(device)), access_(access) {}

    bool attributes(HidAttributes& out) override {
        std::lock_guard lock(state_->mutex);
        if (!alive()) return false;
        out = device_->attributes();
        return true;
    }
    bool capabilities(HidCaps& out) override {
        std::lock_guard lock(state_->mutex);
        if (!alive()) return false;
        out = device_->capabilities();
        return true;
    }
    bool setFeature(std::span<const uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        const bool ok = alive() && device_->setFeature(report);
        state_->log(HidTraffic::Kind::SetFeature, ok, report);
        return ok;
    }
    bool getFeature(std::span<uint8_t> report) override {
        std::lock_guard lock(state_->mutex);
        const bool ok = alive() && device_->getFeature(report);
        state_->log(HidTraffic::Kind::GetFeature, ok, report);
        return ok;
    }
    bool readInput(std::span<uint8_t> buffer) override {
        if (access_ != HidAccess::ReadWrite) return false;  // never gets input
        std::unique_lock lock(inputMutex_);
        inputReady_.wait(lock, [&] { return cancelled_ || gone_ || !queue_.empty(); });
        if (cancelled_ || queue_.empty()) return false;
        const auto report = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        const size_t n = std::min(buffer.size(), report.size());
        std::copy_n(report.begin(), n, buffer.begin());
        return true;
    }
    void cancelRead() override {
        std::lock_guard lock(inputMutex_);
        cancelled_ = true;
        inputReady_.notify_all();
    }

    // Called with the system lock held.
    void push(const std::vector<uint8_t>& report) {
        if (access_ != HidAccess::ReadWrite) return;
        std::lock_guard lock(inputMutex_);
        queue_.push_back(report);
        inputReady_.notify_all();
    }
    void markGone() {
        std::lock_guard lock(inputMutex_);
        gone_ = true;
        inputReady_.notify_all();
    }
    const SimulatedHidDevice* device() const { return device_.get(); }

private:
    bool alive() {
        std::lock_guard lock(inputMutex_);
        return !gone_;
    }

    std::shared_ptr<SimulatedHidSystem::State> state_;
    std::shared_ptr<SimulatedHidDevice> device_;
    HidAccess access_;
    std::mutex inputMutex_;
    std::condition_variable inputReady_;
    std::deque<std::vector<uint8_t>> queue_;
    bool cancelled_ = false;
    bool gone_ = false;
};

}  // namespace

void SimulatedHidSystem::State::unplugNow(const SimulatedHidDevice* device) {
    slots.erase(std::remove_if(slots.begin(), slots.end(), [&](const Slot& s) { return s.device.get() == device; }),
                slots.end());
    for (auto& weak : handles)
        if (auto h = weak.lock(); h && h->device() == device) h->markGone();
}

void SimulatedHidSystem::State::deliver(const SimulatedHidDevice* device, const std::vector<uint8_t>& report) {
    log(HidTraffic::Kind::Input, true, report);
    for (auto& weak : handles)
        if (auto h = weak.lock(); h && h->device() == device) h->push(report);
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
        out += buf;
    }
    return out;
}

SimulatedHidSystem::SimulatedHidSystem(Clock& clock) : clock_(clock), state_(std::make_shared<State>(clock)) {}

SimulatedHidSystem::~SimulatedHidSystem() {
    std::lock_guard lock(state_->mutex);
    for (auto& weak : state_->handles)
        if (auto h = weak.lock()) h->markGone();
}

std::string SimulatedHidSystem::plug(std::shared_ptr<SimulatedHidDevice> device) {
    std::lock_guard lock(state_->mutex);
    return state_->plugNow(std::move(device));
}

void SimulatedHidSystem::unplug(const SimulatedHidDevice* device) {
    std::lock_guard lock(state_->mutex);
    state_->unplugNow(device);
}

void SimulatedHidSystem::plugAt(std::shared_ptr<SimulatedHidDevice> device, uint64_t atMs) {
    std::lock_guard lock(state_->mutex);
    state_->pending.push_back({std::move(device), atMs});
    state_->applySchedule();
}

bool SimulatedHidSystem::isPlugged(const SimulatedHidDevice* device) const {
    std::lock_guard lock(state_->mutex);
    state_->applySchedule();
    return std::any_of(state_->slots.begin(), state_->slots.end(),
                       [&](const Slot& s) { return s.device.get() == device; });
}

void SimulatedHidSystem::sendInput(const SimulatedHidDevice* device, std::vector<uint8_t> report) {
    std::lock_guard lock(state_->mutex);
    state_->deliver(device, report);
}

std::vector<HidTraffic> SimulatedHidSystem::traffic() const {
    std::lock_guard lock(state_->mutex);
    return state_->traffic;
}

std::vector<std::string> SimulatedHidSystem::featureLog() const {
    std::lock_guard lock(state_->mutex);
    std::vector<std::string> lines;
    for (const auto& t : state_->traffic) {
        if (t.kind == HidTraffic::Kind::Input) continue;
        lines.push_back((t.kind == HidTraffic::Kind::SetFeature ? "set " : "get ") + hexBytes(t.bytes) +
                        (t.ok ? "" : " (failed)"));
    }
    return lines;
}

void SimulatedHidSystem::clearTraffic() {
    std::lock_guard lock(state_->mutex);
    state_->traffic.clear();
}

std::vector<std::string> SimulatedHidSystem::enumerate() {
    std::lock_guard lock(state_->mutex);
    state_->applySchedule();
    std::vector<std::string> paths;
    for (const auto& s : state_->slots) paths.push_back(s.path);
    return paths;
}

HidHandlePtr SimulatedHidSystem::open(const std::string& path, HidAccess access) {
    std::lock_guard lock(state_->mutex);
    state_->applySchedule();
    const Slot* slot = state_->find(path);
    if (!slot || !slot->device->openable()) return nullptr;
    if (access == HidAccess::ReadWrite && !slot->device->allowsReadWrite()) return nullptr;
    auto handle = std::make_shared<SimHandle>(state_, slot->device, access);
    std::erase_if(state_->handles, [](const auto& w) { return w.expired(); });
    state_->handles.push_back(handle);
    return handle;
}

}  // namespace platform
