#include "common/keys/FunctionNames.h"
#include "common/keys/FunctionTextIds.h"
#include "common/keys/OrvanRows.h"

namespace keys {
namespace {

namespace id = orvan_text;

// Runs named by the catch-all rule for codes that are not key-set switches.
constexpr std::array<CodeRun, 5> kOtherNamedRuns = {
    kOrvanMediaRun, kOrvanBrowserRun, kOrvanPcRun, kOrvanAdjustXYRun, kOrvanFireMacroOffRun,
};

// Gun presets by gun number (byte 1 low bits) with the stage settings each
// gun has (byte 2 from 1 to maxStages).
struct GunName {
    int gun;
    int maxStages;
    int text;
};
constexpr std::array<GunName, 7> kGunNames = {{
    {0, 1, id::FirstGun},
    {1, 1, id::FirstGun + 1},
    {2, 1, id::FirstGun + 2},
    {3, 1, id::FirstGun + 3},
    {4, 1, id::FirstGun + 4},
    {5, 2, id::FirstGun + 5},
    {7, 3, id::FirstGun + 6},
}};

std::u16string Text(const OrvanFunctionContext& c, int textId) {
    return LookupText(c.texts, textId);
}

std::u16string FireMacroListName(const FunctionCode& code,
                                 const std::array<FunctionCode, kFireMacroListSize>& list) {
    std::u16string name;
    for (int n = 1; n <= kFireMacroListSize; ++n) {
        const FunctionCode& stored = list[n - 1];
        // The first six digits: type, byte 1 and byte 2. A later entry wins.
        if (stored.bytes[0] == code.bytes[0] && stored.bytes[1] == code.bytes[1] &&
            stored.bytes[2] == code.bytes[2]) {
            name = u"Fire Macro";
            for (char ch : std::to_string(n)) name += static_cast<char16_t>(ch);
        }
    }
    return name;
}

std::u16string GunPresetName(const FunctionCode& code, const OrvanFunctionContext& c) {
    if (c.fireMacroList) return FireMacroListName(code, *c.fireMacroList);
    const std::uint8_t byte1 = code.bytes[1];
    if ((byte1 & 0xF0) != 0x00 && (byte1 & 0xF0) != 0x10) return {};
    const int gun = byte1 & 0x0F;
    const int stages = code.bytes[2];
    for (const GunName& g : kGunNames) {
        if (g.gun == gun && stages >= 1 && stages <= g.maxStages) return Text(c, g.text);
    }
    return {};
}

std::u16string DeviceMacroName(const FunctionCode& code, const OrvanFunctionContext& c) {
    if (!c.memoryIsI2c) return {};
    const auto address = static_cast<std::uint16_t>(code.bytes[1] * 256 + code.bytes[2]);
    std::u16string name;
    for (const DeviceMacroEntry& macro : c.deviceMacros) {
        if (macro.inUse && macro.address == address) name = macro.name;
    }
    return name;
}

// Colour choice of a key set from the colour nibble: 0..9 are colours 1..10,
// 0xF the specified colour; no choice stands for 0xA..0xE.
std::optional<int> ColourChoiceOfNibble(int nibble) {
    if (nibble <= 9) return nibble;
    if (nibble == 0xF) return 10;
    return std::nullopt;
}

}  // namespace

FunctionNaming NameFunction(const FunctionCode& code, const OrvanFunctionContext& c) {
    const auto& b = code.bytes;
    const auto named = [&](int textId) { return FunctionNaming{Text(c, textId), {}, {}}; };

    // 1. Key off.
    if (code == FunctionCode{}) return named(id::KeyOff);
    // 2. Left and right only without a combo mask: those fall through to an empty name.
    if (auto textId = TextOfCodeInRun(kOrvanLeftRightRun, code)) return named(*textId);
    // 3. Middle, backward, forward whatever their combo mask.
    if (code.is(FunctionType::MouseButton)) {
        if (b[1] == 0x04) return named(id::MiddleKey);
        if (b[1] == 0x08) return named(id::Backward);
        if (b[1] == 0x10) return named(id::Forward);
    }
    // 4. AIM key at any level.
    if (code.is(FunctionType::Aim)) return named(id::AimKey);
    // 5. Special keys.
    if (auto textId = TextOfCodeInRun(kOrvanSpecialRun, code)) return named(*textId);
    if (code == kFireMacroKeyCode || code == kFireMacroKeyCodeAlt) return named(id::FireMacroKey);
    // 6. DPI keys whatever their combo mask.
    if (code.is(FunctionType::Dpi) && b[1] <= 0x02) return named(id::DpiLoop + b[1]);
    // 7. Fire keys by the current count and interval; the first match wins.
    if (code.is(FunctionType::FireKey)) {
        const int count = (b[1] & 0x0F) + 1;
        const int interval = static_cast<int>(code.low16());
        for (int n = 1; n <= kOrvanFireKeyCount; ++n) {
            const OrvanFireKey& key = c.fireKeys[n - 1];
            if (key.count == count && key.intervalMs == interval) {
                FunctionNaming result = named(id::FireKey1 + n - 1);
                result.fireKeyHold = FireKeyHoldSeen{n, (b[1] & 0x80) != 0};
                return result;
            }
        }
        return {};
    }
    // 8. Power keys.
    if (auto textId = TextOfCodeInRun(kOrvanPowerRun, code)) return named(*textId);
    // 9. Everything but key-set switches: the remaining menu rows, else the composite names.
    if (!code.is(FunctionType::KeySetSwitch)) {
        if (auto textId = TextOfCodeInRuns(kOtherNamedRuns, code)) return named(*textId);
        return FunctionNaming{CompositeFunctionName(code, c), {}, {}};
    }
    // 10. Go to a key set; the code also carries that set's colour.
    if (b[1] != 0x00) {
        const int target = (b[1] & 0x87) - 0x80;
        if (target < 0 || target > 2) return {};
        FunctionNaming result = named(id::OfficeMode + target);
        if (auto choice = ColourChoiceOfNibble(b[2] >> 4)) {
            result.keySetColour = KeySetColourSeen{target, *choice};
        }
        return result;
    }
    // 11. Step to the next key set.
    return named(id::KbSwitchLoop);
}

std::u16string FunctionName(const FunctionCode& code, const OrvanFunctionContext& context) {
    return NameFunction(code, context).name;
}

std::u16string FunctionName(std::string_view codeText, const OrvanFunctionContext& context) {
    const auto code = ParseFunctionCode(codeText);
    return code ? FunctionName(*code, context) : std::u16string{};
}

std::u16string CompositeFunctionName(const FunctionCode& code, const OrvanFunctionContext& c) {
    if (code.is(FunctionType::KeyCombination)) {
        std::u16string name = KeyCombinationName(code);
        return name.empty() ? Text(c, id::UserDefined) : name;
    }
    if (code.is(FunctionType::GunPreset)) return GunPresetName(code, c);
    if (code.is(FunctionType::DeviceMacro)) return DeviceMacroName(code, c);
    return {};
}

std::u16string CompositeFunctionName(std::string_view codeText,
                                     const OrvanFunctionContext& context) {
    const auto code = ParseFunctionCode(codeText);
    return code ? CompositeFunctionName(*code, context) : std::u16string{};
}

}  // namespace keys
