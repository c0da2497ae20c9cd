// The full 2048-byte image read through the device link against the
// simulated mouse: 1 command and 293 chunk fetches. With no latency this
// measures the host's own cost per report; with 1 ms per report it shows how
// close the read comes to the 294 ms the reports themselves take.

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "common/device/DeviceLink.h"
#include "common/platform/clock/Clock.h"
#include "common/platform/hid/SimulatedHidSystem.h"
#include "orvandesk/device/OrvanCommands.h"
#include "orvandesk/device/OrvanDevice.h"
#include "sim/orvan/OrvanMouse.h"

namespace {

constexpr int kReportsPerRead = 294;

void readImage(benchmark::State& state, uint32_t latencyMs) {
    platform::SteadyClock clock;
    auto hid = std::make_shared<platform::SimulatedHidSystem>(clock);
    auto mouse = sim::plugOrvanMouse(*hid, std::vector<uint8_t>(2048, 0x5A));
    device::DeviceLink link(hid, device::quietHost(), orvan::kProbes);
    orvan::OrvanDevice device(link);
    if (!link.OpenMouse(0x1BCF, 0x08B8)) {
        state.SkipWithError("simulated mouse not found");
        return;
    }
    mouse->setLatencyMs(latencyMs);
    std::vector<uint8_t> image(2048);
    double totalMs = 0;
    for (auto _ : state) {
        hid->clearTraffic();
        const auto start = std::chrono::steady_clock::now();
        device.ReadDeviceMemory(0, image, true);
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(image.data());
    }
    state.counters["reports"] = kReportsPerRead;
    state.counters["per_report"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kReportsPerRead,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (latencyMs > 0) {
        // Real time per read against the floor set by the reports themselves.
        const double floorMs = kReportsPerRead * latencyMs;
        state.counters["floor_ms"] = floorMs;
        state.counters["read_vs_floor"] = totalMs / static_cast<double>(state.iterations()) / floorMs;
    }
}

void BM_ImageReadNoLatency(benchmark::State& state) { readImage(state, 0); }
void BM_ImageRead1msPerReport(benchmark::State& state) { readImage(state, 1); }

}  // namespace

BENCHMARK(BM_ImageReadNoLatency)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImageRead1msPerReport)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

BENCHMARK_MAIN();
