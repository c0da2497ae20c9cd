#include <algorithm>

#include "common/keys/MenuItems.h"
#include "common/keys/OrvanRows.h"

namespace keys {
namespace {

constexpr MenuEntry kOrvanEntries[] = {
    {900, "Key_Left"},
    {901, "Key_Right"},
    {902, "Key_Middle"},
    {903, "Key_B4"},
    {904, "Key_B5"},
    {1000, "Key_AIM"},
    {1001, "Key_LEDMode"},
    {1002, "Key_LEDSwitch"},
    {1003, "Key_BtnEFT"},
    {1004, "Key_ReportRate"},
    {1005, "Key_FireMacroKey"},
    {1006, "Key_FireMacroOff"},
    {1007, "Key_KeyOff"},
    {1100, "Key_PlayPause"},
    {1101, "Key_Stop"},
    {1102, "Key_PreviousTrack"},
    {1103, "Key_NextTrack"},
    {1104, "Key_VolumePlus"},
    {1105, "Key_VolumeMinus"},
    {1106, "Key_Mute"},
    {1200, "Key_WWWHome"},
    {1201, "Key_WWWSearch"},
    {1202, "Key_WWWBack"},
    {1203, "Key_WWWForward"},
    {1204, "Key_WWWStop"},
    {1205, "Key_WWWRefresh"},
    {1206, "Key_WWWFavorites"},
    {1300, "Key_Computer"},
    {1301, "Key_Calculator"},
    {1302, "Key_EMail"},
    {1303, "Key_Desktop"},
    {2000, "Key_CPI"},
    {2001, "Key_CPII"},
    {2002, "Key_CPID"},
    {2100, "Key_Fire1"},
    {2101, "Key_Fire2"},
    {2102, "Key_Fire3"},
    {2200, "Key_PowerDown"},
    {2201, "Key_Sleep"},
    {2202, "Key_WakeUp"},
    {2300, "Key_Profile1"},
    {2301, "Key_Profile2"},
    {2302, "Key_Profile3"},
    {2303, "Key_Profile"},
    {2400, "Key_AdjustXYFn"},
    {2401, "Key_AdjustXYSwitch"},
};

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

std::span<const MenuEntry> OrvanMenuEntries() {
    return kOrvanEntries;
}

std::string FunctionCodeOfItem(int item, const OrvanFunctionContext& context) {
    const auto code = CodeOfItem(item, context);
    return code ? FunctionCodeText(*code) : std::string{};
}

}  // namespace keys
