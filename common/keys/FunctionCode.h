#pragma once
// The 4-byte button function code stored per button and per combo slot, and
// its text form: the four bytes as eight upper-case hex digits, byte 0 first
// ("01010000" is the left button).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace keys {

// Byte 0 of a function code.
enum class FunctionType : std::uint8_t {
    Off = 0x00,
    MouseButton = 0x01,     // byte 1 button bit, byte 3 combo mask
    KeyCombination = 0x02,  // byte 1 modifier bits, bytes 2 and 3 keyboard usages
    Consumer = 0x03,        // bytes 1 and 2 consumer usage, high byte first
    Power = 0x04,           // byte 1: 1 power down, 2 sleep, 3 wake up
    Aim = 0x05,             // byte 1 AIM level - 1
    FireKey = 0x06,         // byte 1 clicks and hold, bytes 2..3 interval
    KeySetSwitch = 0x07,
    LedSwitch = 0x08,  // byte 1: 0 LED on/off, 1 button effect
    Dpi = 0x09,        // byte 1: 0 cycle, 1 up, 2 down; byte 3 combo mask
    AdjustXY = 0x0A,
    GunPreset = 0x0B,
    ReportRate = 0x0C,
    SetToDefault = 0x0D,  // pellisdesk
    LedMode = 0x0E,
    FireMode = 0x0F,     // pellisdesk
    DeviceMacro = 0x10,  // bytes 1..2 macro start address
};

// Modifier bits of a key combination (byte 1).
namespace modifier {
constexpr std::uint8_t Ctrl = 0x01;
constexpr std::uint8_t Shift = 0x02;
constexpr std::uint8_t Alt = 0x04;
constexpr std::uint8_t Win = 0x08;
}  // namespace modifier

struct FunctionCode {
    std::array<std::uint8_t, 4> bytes{};

    constexpr FunctionCode() = default;
    constexpr FunctionCode(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
        : bytes{b0, b1, b2, b3} {}

    constexpr std::uint8_t type() const { return bytes[0]; }
    constexpr bool is(FunctionType t) const { return bytes[0] == static_cast<std::uint8_t>(t); }
    // Bytes 2 and 3 as one big-endian number.
    constexpr unsigned low16() const { return bytes[2] * 256u + bytes[3]; }

    friend constexpr bool operator==(const FunctionCode&, const FunctionCode&) = default;
};

// "01010000" for the left button.
std::string FunctionCodeText(const FunctionCode& code);

// Exactly eight hex digits (either case); anything else gives no code.
std::optional<FunctionCode> ParseFunctionCode(std::string_view text);

// Two upper-case hex digits of a byte, as the code texts are built.
std::string HexByte(std::uint8_t value);

}  // namespace keys
