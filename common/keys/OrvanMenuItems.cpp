#include <algorithm>

#include "common/keys/MenuItems.h"
#include "common/keys/OrvanRows.h"

namespace keys {
namespace {

std::uint8_t Clamped(int value, int low, int high) {
    return static_cast<std::uint8_t>(std::clamp(value, low, high));
}

// Colour choice 0..9 as 0x00..0x90, the specified colour as 0xF0.
std::uint8_t ColourByte(int choice) {
    const int c = std::clamp(choice, 0, 10);
    return static_cast<std::uint8_t>(c == 10 ? 0xF0 : c * 16);
}

FunctionCode FireKeyCode(const OrvanFireKey& key) {
    const auto count = Clamped(key.count, 1, 15);
    const int ms = std::clamp(key.intervalMs, 1, 4094);
    const auto byte1 = static_cast<std::uint8_t>(0x10 + (count - 1) + (key.hold ? 0x80 : 0));
    return {0x06, byte1, static_cast<std::uint8_t>(ms >> 8), static_cast<std::uint8_t>(ms & 0xFF)};
}

FunctionCode KeySetCode(int keySet, const OrvanFunctionContext& context) {
    if (!context.assigningComboSlot) return {0x07, static_cast<std::uint8_t>(0x80 + keySet), 0, 0};
    const ProfileSettingFields& p = context.profileSetting;
    int byte1 = 0x80 + keySet;
    if (p.returnToZero) byte1 |= 0x40;
    if (p.adjustXY) byte1 |= 0x20;
    if (p.changeColour) byte1 |= 0x10;
    const std::uint8_t colour = p.specifiedColourForAll ? 0xF0 : ColourByte(p.colourChoice[keySet]);
    return {0x07, static_cast<std::uint8_t>(byte1), colour, p.offset};
}

std::optional<FunctionCode> CodeOfItem(int item, const OrvanFunctionContext& c) {
    if (auto code = CodeOfItemInRuns(kOrvanFixedRuns, item)) return code;
    const OrvanComboMasks& masks = c.comboMasks;
    switch (item) {
        case 0:
            return FunctionCode{};
        case 902:
            return FunctionCode{0x01, 0x04, 0x00, masks.middle};
        case 903:
            return FunctionCode{0x01, 0x08, 0x00, masks.backward};
        case 904:
            return FunctionCode{0x01, 0x10, 0x00, masks.forward};
        case 1000:
            return FunctionCode{0x05, Clamped(c.aimLevel - 1, 0, 11), 0x00, 0x00};
        case 1005:
            if (!c.memoryIsI2c) return std::nullopt;
            return kFireMacroKeyCode;
        case 2000:
            return FunctionCode{0x09, 0x00, 0x00, masks.dpiCycle};
        case 2001:
            return FunctionCode{0x09, 0x01, 0x00, masks.dpiUp};
        case 2002:
            return FunctionCode{0x09, 0x02, 0x00, masks.dpiDown};
        case 2100:
        case 2101:
        case 2102:
            return FireKeyCode(c.fireKeys[item - 2100]);
        case 2300:
        case 2301:
        case 2302:
            return KeySetCode(item - 2300, c);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string FunctionCodeOfItem(int item, const OrvanFunctionContext& context) {
    const auto code = CodeOfItem(item, context);
    return code ? FunctionCodeText(*code) : std::string{};
}

}  // namespace keys
