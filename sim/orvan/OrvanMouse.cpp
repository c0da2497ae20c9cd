#include "sim/orvan/OrvanMouse.h"

#include <algorithm>
#include <numeric>

namespace sim {

namespace {

constexpr uint8_t REPORT_COMMAND = 0x40;
constexpr uint8_t REPORT_DATA = 0x41;
constexpr uint8_t REPORT_NOTIFY = 0x42;

constexpr uint8_t XDATA_WRITE = 0x01;
constexpr uint8_t XDATA_READ = 0x02;
constexpr uint8_t LIVE_WRITE = 0x05;
constexpr uint8_t LIVE_READ = 0x06;
constexpr uint8_t MEM_WRITE = 0x07;
constexpr uint8_t MEM_READ = 0x09;
constexpr uint8_t DEVICE_INFO = 0x0D;
constexpr uint8_t DEVICE_RESET = 0x0E;

constexpr size_t kUserSection = 164;
constexpr size_t kUserLength = 28;
constexpr size_t kProfileBase = 192;
constexpr size_t kProfileLength = 49;
constexpr uint8_t kDpiStepsOffset = 43;
constexpr uint8_t kKeySetEvent = 8;

uint8_t sectionCheck(std::span<const uint8_t> section) {
    const auto body = section.first(section.size() - 1);
    return static_cast<uint8_t>(std::accumulate(body.begin(), body.end(), 0u) ^ 0x5A);
}

// The firmware keeps a stored section's check byte right when it changes a
// byte itself; a section that was already broken stays broken.
void setKeepingCheck(std::span<uint8_t> section, size_t index, uint8_t value) {
    const bool valid = sectionCheck(section) == section.back();
    section[index] = value;
    if (valid) section.back() = sectionCheck(section);
}

}  // namespace

bool OrvanMouse::ChunkLoss::covers(uint32_t index) const {
    if (every != 0 && (index + 1) % every == 0) return true;
    return index >= first && index - first < count;
}

OrvanMouse::OrvanMouse(platform::SimulatedHidSystem& system, std::span<const uint8_t> image,
                       Options options)
    : system_(system), options_(options), memory_(kMemorySize, 0xFF), registers_(0x10000, 0x00) {
    std::copy_n(image.begin(), std::min(image.size(), kMemorySize), memory_.begin());
    powerUp();
}

platform::HidAttributes OrvanMouse::attributes() const {
    return {options_.vendorId, options_.productId, options_.versionNumber};
}

platform::HidCaps OrvanMouse::capabilities() const {
    return {options_.inputReportLength, 0, options_.featureReportLength};
}

// Malformed reports (wrong length, unknown report id or command, addresses
// outside the memory or the working copy) are refused and change nothing.
// A data report or fetch with no matching transfer in progress is refused
// too, as the firmware has nothing to store or send; so is anything after
// the last chunk of a transfer. A new command ends the transfer in progress.
bool OrvanMouse::setFeature(std::span<const uint8_t> report) {
    uint32_t latency = 0;
    {
        std::lock_guard lock(mutex_);
        latency = latencyMs_;
    }
    if (latency != 0) system_.clock().sleepMs(latency);

    After after = After::Nothing;
    bool ok = false;
    std::optional<uint32_t> backAfterMs;
    {
        std::lock_guard lock(mutex_);
        backAfterMs = unplugBackAfterMs_;
        if (report.size() == options_.featureReportLength && report.size() >= 8) {
            const auto head = report.first<8>();
            if (head[0] == REPORT_COMMAND) ok = handleCommand(head, after);
            if (head[0] == REPORT_DATA) ok = handleDataWrite(head);
        }
        if (countReport() && after == After::Nothing) after = After::Unplug;
    }
    if (after == After::Reset) disappear(options_.resetDelayMs);
    if (after == After::Unplug) disappear(backAfterMs);
    return ok;
}

bool OrvanMouse::getFeature(std::span<uint8_t> report) {
    uint32_t latency = 0;
    {
        std::lock_guard lock(mutex_);
        latency = latencyMs_;
    }
    if (latency != 0) system_.clock().sleepMs(latency);

    bool ok = false;
    bool unplug = false;
    std::optional<uint32_t> backAfterMs;
    {
        std::lock_guard lock(mutex_);
        backAfterMs = unplugBackAfterMs_;
        if (report.size() == options_.featureReportLength && report.size() >= 8 &&
            report[0] == REPORT_DATA)
            ok = fetchData(report);
        unplug = countReport();
    }
    if (unplug) disappear(backAfterMs);
    return ok;
}

bool OrvanMouse::handleCommand(std::span<const uint8_t, 8> r, After& after) {
    const uint8_t code = r[1];
    if (refused_.contains(code)) return false;
    const auto address16 = static_cast<uint16_t>(r[2] << 8 | r[3]);
    const auto length16 = static_cast<size_t>(r[4] << 8 | r[5]);

    auto startRead = [&](std::span<const uint8_t> bytes) {
        reply_.assign(bytes.begin(), bytes.end());
        transferLength_ = bytes.size();
        transferDone_ = 0;
        chunkIndex_ = 0;
        transfer_ = bytes.empty() ? Transfer::None : Transfer::Read;
    };

    switch (code) {
        case XDATA_WRITE:
            registers_[address16] = r[4];
            transfer_ = Transfer::None;
            return true;
        case XDATA_READ: {
            // The host takes the first byte; the rest of the chunk is padding.
            const std::array<uint8_t, 7> reply{registers_[address16], 0, 0, 0, 0, 0, 0};
            startRead(reply);
            return true;
        }
        case LIVE_WRITE: {
            const uint8_t form = r[2];
            size_t n = 0;
            if (form == 0x00) n = r[7];
            if (form == 0x01) n = 4;
            if (n < 1 || n > 4 || (form == 0x00 && n > 3)) return false;
            if (r[3] + n > kWorkingSize) return false;
            transfer_ = Transfer::None;
            return liveWrite(r[3], r.subspan(4, n));
        }
        case LIVE_READ: {
            // Both forms read plain bytes; other forms are unknown.
            const size_t count = r[5];
            if (r[2] > 0x01 || r[3] + count > kWorkingSize) return false;
            startRead(std::span<const uint8_t>(working_).subspan(r[3], count));
            return true;
        }
        case MEM_READ:
            if (address16 + length16 > kMemorySize) return false;
            startRead(std::span<const uint8_t>(memory_).subspan(address16, length16));
            return true;
        case MEM_WRITE:
            if (address16 + length16 > kMemorySize) return false;
            writeAddress_ = address16;
            transferLength_ = length16;
            transferDone_ = 0;
            chunkIndex_ = 0;
            transfer_ = length16 == 0 ? Transfer::None : Transfer::Write;
            return true;
        case DEVICE_INFO:
            startRead(identity_);
            return true;
        case DEVICE_RESET:
            transfer_ = Transfer::None;
            after = After::Reset;
            return true;
        default:
            return false;
    }
}

// A lost chunk still moves the transfer on, as the host goes on with the
// next chunk: only that chunk's bytes are missing.
bool OrvanMouse::handleDataWrite(std::span<const uint8_t, 8> r) {
    if (transfer_ != Transfer::Write) return false;
    const size_t n = std::min(kChunkSize, transferLength_ - transferDone_);
    const bool lost = loss_.covers(chunkIndex_++);
    if (!lost) std::copy_n(r.begin() + 1, n, memory_.begin() + writeAddress_ + transferDone_);
    transferDone_ += n;
    if (transferDone_ == transferLength_) transfer_ = Transfer::None;
    return !lost;
}

bool OrvanMouse::fetchData(std::span<uint8_t> report) {
    if (transfer_ != Transfer::Read) return false;
    const size_t n = std::min(kChunkSize, transferLength_ - transferDone_);
    const bool lost = loss_.covers(chunkIndex_++);
    if (!lost) {
        std::fill(report.begin() + 1, report.end(), 0x00);
        std::copy_n(reply_.begin() + transferDone_, n, report.begin() + 1);
    }
    transferDone_ += n;
    if (transferDone_ == transferLength_) transfer_ = Transfer::None;
    return !lost;
}

bool OrvanMouse::liveWrite(uint8_t address, std::span<const uint8_t> bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t offset = address + i;
        if (offset == kKeySetOffset)
            writeKeySetByte(bytes[i]);
        else
            working_[offset] = bytes[i];
    }
    return true;
}

// The low nibble selects the key set. Selecting a set other than the loaded
// one loads it from memory; a value with no such set (0x0F) forgets the
// loaded one, so writing the same set again afterwards reloads it.
void OrvanMouse::writeKeySetByte(uint8_t value) {
    working_[kKeySetOffset] = value;
    const uint8_t set = value & 0x0F;
    if (set > 2) {
        loadedKeySet_.reset();
        activeKeys_.fill(0xFF);
        return;
    }
    if (loadedKeySet_ == set) return;
    loadKeySet(set);
    ++reloadCount_;
}

void OrvanMouse::loadKeySet(uint8_t set) {
    loadedKeySet_ = set;
    std::copy_n(memory_.begin() + kProfileBase + kProfileLength * set, activeKeys_.size(),
                activeKeys_.begin());
}

void OrvanMouse::powerUp() {
    std::copy_n(memory_.begin(), kWorkingSize, working_.begin());
    transfer_ = Transfer::None;
    const uint8_t set = working_[kKeySetOffset] & 0x0F;
    if (set <= 2) {
        loadKeySet(set);
    } else {
        loadedKeySet_.reset();
        activeKeys_.fill(0xFF);
    }
}

// Button changes are stored too: the program reads the current key set and
// DPI level back from memory after a notification.
void OrvanMouse::storeUserByte(uint8_t offset, uint8_t value) {
    const size_t index = offset - kUserSection;
    setKeepingCheck(std::span<uint8_t>(working_).subspan(kUserSection, kUserLength), index, value);
    setKeepingCheck(std::span<uint8_t>(memory_).subspan(kUserSection, kUserLength), index, value);
}

bool OrvanMouse::countReport() {
    if (!reportsUntilUnplug_) return false;
    if (--*reportsUntilUnplug_ != 0) return false;
    reportsUntilUnplug_.reset();
    return true;
}

// Losing power: the working copy and any transfer are gone; the next
// power-up starts from memory.
void OrvanMouse::disappear(std::optional<uint32_t> backAfterMs) {
    {
        std::lock_guard lock(mutex_);
        powerUp();
    }
    system_.unplug(this);
    if (!backAfterMs) return;
    if (auto self = weak_from_this().lock())
        system_.plugAt(std::move(self), system_.clock().nowMs() + *backAfterMs);
}

bool OrvanMouse::sendEvent(uint8_t code) {
    std::vector<uint8_t> report(std::max<size_t>(options_.inputReportLength, 4), 0x00);
    report[0] = REPORT_NOTIFY;
    report[3] = code;
    system_.sendInput(this, std::move(report));
    return true;
}

bool OrvanMouse::pressDpiButton(uint8_t code) {
    if (code != 1 && code != 2 && code != 4) return false;
    if (!system_.isPlugged(this)) return false;
    {
        std::lock_guard lock(mutex_);
        const int levels = std::min<int>(working_[kDpiStepsOffset], 7) + 1;
        const int current = working_[kCurrentDpiOffset];
        int next = 0;
        if (code == 1) next = current + 1 < levels ? current + 1 : 0;
        if (code == 2) next = std::min(current + 1, levels - 1);
        if (code == 4) next = std::clamp(current - 1, 0, levels - 1);
        storeUserByte(kCurrentDpiOffset, static_cast<uint8_t>(next));
    }
    return sendEvent(code);
}

bool OrvanMouse::pressKeySetButton() {
    if (!system_.isPlugged(this)) return false;
    {
        std::lock_guard lock(mutex_);
        const uint8_t current = working_[kKeySetOffset];
        const uint8_t set = current & 0x0F;
        const uint8_t next = set < 2 ? set + 1 : 0;
        storeUserByte(kKeySetOffset, static_cast<uint8_t>((current & 0xF0) | next));
        loadKeySet(next);
        ++reloadCount_;
    }
    return sendEvent(kKeySetEvent);
}

bool OrvanMouse::releaseButton() {
    if (!system_.isPlugged(this)) return false;
    return sendEvent(0);
}

std::vector<uint8_t> OrvanMouse::memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

std::vector<uint8_t> OrvanMouse::workingCopy() const {
    std::lock_guard lock(mutex_);
    return {working_.begin(), working_.end()};
}

uint8_t OrvanMouse::registerValue(uint16_t address) const {
    std::lock_guard lock(mutex_);
    return registers_[address];
}

void OrvanMouse::setRegister(uint16_t address, uint8_t value) {
    std::lock_guard lock(mutex_);
    registers_[address] = value;
}

void OrvanMouse::writeMemory(uint16_t address, std::span<const uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    if (address >= kMemorySize) return;
    std::copy_n(bytes.begin(), std::min(bytes.size(), kMemorySize - address),
                memory_.begin() + address);
}

unsigned OrvanMouse::reloadCount() const {
    std::lock_guard lock(mutex_);
    return reloadCount_;
}

std::array<uint8_t, 48> OrvanMouse::activeKeys() const {
    std::lock_guard lock(mutex_);
    return activeKeys_;
}

void OrvanMouse::refuseCommand(uint8_t code, bool refuse) {
    std::lock_guard lock(mutex_);
    if (refuse)
        refused_.insert(code);
    else
        refused_.erase(code);
}

void OrvanMouse::loseChunks(ChunkLoss loss) {
    std::lock_guard lock(mutex_);
    loss_ = loss;
}

void OrvanMouse::unplugAfterReports(unsigned reports, std::optional<uint32_t> backAfterMs) {
    {
        std::lock_guard lock(mutex_);
        unplugBackAfterMs_ = backAfterMs;
        reportsUntilUnplug_.reset();
        if (reports != 0) {
            reportsUntilUnplug_ = reports;
            return;
        }
    }
    disappear(backAfterMs);
}

void OrvanMouse::setIdentity(const Identity& identity) {
    std::lock_guard lock(mutex_);
    identity_ = identity;
}

void OrvanMouse::setLatencyMs(uint32_t ms) {
    std::lock_guard lock(mutex_);
    latencyMs_ = ms;
}

void OrvanMouse::clearFaults() {
    std::lock_guard lock(mutex_);
    refused_.clear();
    loss_ = {};
    reportsUntilUnplug_.reset();
    unplugBackAfterMs_.reset();
    identity_ = kIdentity;
    latencyMs_ = 0;
}

std::shared_ptr<OrvanMouse> plugOrvanMouse(platform::SimulatedHidSystem& system,
                                           std::span<const uint8_t> image,
                                           OrvanMouse::Options options) {
    auto mouse = std::make_shared<OrvanMouse>(system, image, options);
    system.plug(mouse);
    return mouse;
}

}  // namespace sim
