#pragma once
// Time as the sequences see it. Waits and timestamps come from a Clock so that
// tests can run a 17-second restart in microseconds and UI tests can run it
// scaled down.

#include <atomic>
#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, never decreasing.
    virtual uint64_t nowMs() const = 0;
    virtual void sleepMs(uint32_t ms) = 0;
};

// Wall time.
class SteadyClock final : public Clock {
public:
    uint64_t nowMs() const override;
    void sleepMs(uint32_t ms) override;
};

// Wall time running `factor` times faster: a 1000 ms sleep takes 1000 / factor
// ms, and nowMs advances factor ms per real ms.
class ScaledClock final : public Clock {
public:
    explicit ScaledClock(double factor);
    uint64_t nowMs() const override;
    void sleepMs(uint32_t ms) override;

private:
    double factor_;
    uint64_t startRealMs_;
};

// Time that moves only when told to: sleeping advances it at once.
// Thread-safe, so a simulated device on another thread may read it.
class VirtualClock final : public Clock {
public:
    uint64_t nowMs() const override { return now_.load(); }
    void sleepMs(uint32_t ms) override { now_ += ms; }
    void advance(uint64_t ms) { now_ += ms; }

private:
    std::atomic<uint64_t> now_{0};
};

}  // namespace platform
