#include "common/platform/clock/Clock.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {
uint64_t realNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

uint64_t SteadyClock::nowMs() const { return realNowMs(); }

void SteadyClock::sleepMs(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

ScaledClock::ScaledClock(double factor) : factor_(factor > 0 ? factor : 1.0), startRealMs_(realNowMs()) {}

uint64_t ScaledClock::nowMs() const {
    return static_cast<uint64_t>(static_cast<double>(realNowMs() - startRealMs_) * factor_);
}

void ScaledClock::sleepMs(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int64_t>(ms * 1000.0 / factor_)));
}

}  // namespace platform
