#pragma once
// A simulated Orvan mouse: the firmware the program talks to, answering the
// 8-byte feature reports (0x40 commands, 0x41 data chunks) from a 2048-byte
// configuration memory, a working copy of offsets 0..191 and a 64 KiB
// controller register space, and sending 0x42 notifications for its own DPI
// and key-set buttons. Tests and --simulate plug it into a SimulatedHidSystem.
//
// Beyond what the program relies on, it offers faults for tests: refused
// commands, lost chunks, unplugging in the middle of a transfer, a wrong
// identity reply and a delay per report.
//
// Thread safety: the system calls the device under its own lock; buttons,
// faults and accessors may be used from any thread. The mouse never calls the
// system while holding its own lock, so the two locks cannot deadlock.

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <span>
#include <vector>

#include "common/platform/hid/SimulatedHidSystem.h"

namespace sim {

class OrvanMouse final : public platform::SimulatedHidDevice,
                         public std::enable_shared_from_this<OrvanMouse> {
public:
    static constexpr size_t kMemorySize = 2048;
    static constexpr size_t kWorkingSize = 192;  // vendor and user sections
    static constexpr size_t kChunkSize = 7;
    static constexpr uint8_t kKeySetOffset = 164;
    static constexpr uint8_t kCurrentDpiOffset = 166;

    using Identity = std::array<uint8_t, 7>;
    // r0 firmware revision (< 0x40), r1 0x3A and r2 0xC0 mark the chip
    // family, r3 memory size in 256-byte pages, r4..r6 chip variant and
    // sensor type.
    static constexpr Identity kIdentity{0x15, 0x3A, 0xC0, 0x08, 0x00, 0x01, 0x03};

    struct Options {
        uint16_t vendorId = 0x1BCF;
        uint16_t productId = 0x08B8;
        uint16_t versionNumber = 0x0100;
        // 8 is what the program accepts; 64 models a variant it must skip.
        uint16_t featureReportLength = 8;
        uint16_t inputReportLength = 8;
        // Time from DEVICE_RESET to re-enumeration, on the system's clock.
        uint32_t resetDelayMs = 3000;
    };

    // Which data reports of each transfer get lost, by chunk index from 0:
    // every `every`-th one (indexes every-1, 2*every-1, ...) and those in
    // [first, first + count).
    struct ChunkLoss {
        uint32_t every = 0;
        uint32_t first = 0;
        uint32_t count = 0;
        bool covers(uint32_t index) const;
    };

    // `image` fills the memory from offset 0; missing bytes are 0xFF, extra
    // bytes are ignored.
    OrvanMouse(platform::SimulatedHidSystem& system, std::span<const uint8_t> image,
               Options options);
    OrvanMouse(platform::SimulatedHidSystem& system, std::span<const uint8_t> image = {})
        : OrvanMouse(system, image, Options{}) {}

    // platform::SimulatedHidDevice
    platform::HidAttributes attributes() const override;
    platform::HidCaps capabilities() const override;
    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;

    // The mouse's own buttons. Each sends a 0x42 input report (byte 3 = the
    // event code) when the mouse is plugged; false when it is not or the code
    // is not a DPI button. DPI buttons: 1 steps to the next level and wraps,
    // 2 steps up and stops at the top, 4 steps down and stops at level 0;
    // the levels in use come from offset 43.
    bool pressDpiButton(uint8_t code);
    // Next key set (0, 1, 2, 0, ...), colour nibble kept; loads it.
    bool pressKeySetButton();
    bool releaseButton();

    // State, copied under the mouse's lock.
    std::vector<uint8_t> memory() const;
    std::vector<uint8_t> workingCopy() const;
    uint8_t registerValue(uint16_t address) const;
    void setRegister(uint16_t address, uint8_t value);
    void writeMemory(uint16_t address, std::span<const uint8_t> bytes);
    // Key-set loads from memory caused by live writes at offset 164 or the
    // key-set button (not by power-up).
    unsigned reloadCount() const;
    // The 48 key-entry bytes of the key set last loaded from memory; all 0xFF
    // while no valid key set is selected.
    std::array<uint8_t, 48> activeKeys() const;

    // Faults.
    void refuseCommand(uint8_t code, bool refuse = true);
    void loseChunks(ChunkLoss loss);
    // After `reports` more feature reports the mouse unplugs itself (0: at
    // once); with `backAfterMs` it is plugged again that long afterwards.
    void unplugAfterReports(unsigned reports, std::optional<uint32_t> backAfterMs = std::nullopt);
    void setIdentity(const Identity& identity);
    void setLatencyMs(uint32_t ms);
    void clearFaults();

private:
    enum class Transfer { None, Read, Write };
    enum class After { Nothing, Unplug, Reset };

    bool handleCommand(std::span<const uint8_t, 8> report, After& after);
    bool handleDataWrite(std::span<const uint8_t, 8> report);
    bool fetchData(std::span<uint8_t> report);
    bool liveWrite(uint8_t address, std::span<const uint8_t> bytes);
    void writeKeySetByte(uint8_t value);
    void loadKeySet(uint8_t set);
    void powerUp();
    void storeUserByte(uint8_t offset, uint8_t value);
    // Counts one report towards a pending unplug; true when it is due now.
    bool countReport();
    void disappear(std::optional<uint32_t> backAfterMs);
    bool sendEvent(uint8_t code);

    platform::SimulatedHidSystem& system_;
    const Options options_;

    mutable std::mutex mutex_;
    std::vector<uint8_t> memory_;
    std::array<uint8_t, kWorkingSize> working_{};
    std::vector<uint8_t> registers_;
    std::array<uint8_t, 48> activeKeys_{};
    std::optional<uint8_t> loadedKeySet_;
    unsigned reloadCount_ = 0;

    // The transfer in progress: a read of `reply` (bytes prepared when the
    // command came) or a memory write to `writeAddress`.
    Transfer transfer_ = Transfer::None;
    std::vector<uint8_t> reply_;
    uint16_t writeAddress_ = 0;
    size_t transferLength_ = 0;
    size_t transferDone_ = 0;
    uint32_t chunkIndex_ = 0;

    std::set<uint8_t> refused_;
    ChunkLoss loss_;
    std::optional<unsigned> reportsUntilUnplug_;
    std::optional<uint32_t> unplugBackAfterMs_;
    Identity identity_ = kIdentity;
    uint32_t latencyMs_ = 0;
};

// Creates a mouse with default options and plugs it in.
std::shared_ptr<OrvanMouse> plugOrvanMouse(platform::SimulatedHidSystem& system,
                                           std::span<const uint8_t> image = {},
                                           OrvanMouse::Options options = {});

}  // namespace sim
