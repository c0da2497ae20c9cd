#include "orvandesk/keys/KeyAssignment.h"

#include <algorithm>

#include "common/keys/FunctionNames.h"
#include "common/keys/FunctionTextIds.h"
#include "common/keys/MenuItems.h"

namespace orvan {

namespace id = keys::orvan_text;

namespace {

constexpr int kGunPresetCount = 7;
const std::string kNoCode = "00000000";
const std::u16string kNoName;

bool ValidButton(int keySet, int button) {
    return keySet >= 0 && keySet < kKeySetCount && button >= 1 && button <= kButtonCount;
}
bool ValidSlot(int slot) {
    return slot >= 1 && slot <= static_cast<int>(kComboKeyCount);
}

// The button kinds of the mode-switch choice, entries 1..6, with the code
// they are rewritten to (byte 3 is the mask).
struct ChoiceKind {
    int textId;
    keys::FunctionCode base;
};
constexpr ChoiceKind kChoiceKinds[6] = {
    {id::MiddleKey, {0x01, 0x04, 0x00, 0x00}},   {id::DpiLoop, {0x09, 0x00, 0x00, 0x00}},
    {id::DpiLoop + 1, {0x09, 0x01, 0x00, 0x00}}, {id::DpiLoop + 2, {0x09, 0x02, 0x00, 0x00}},
    {id::Backward, {0x01, 0x08, 0x00, 0x00}},    {id::Forward, {0x01, 0x10, 0x00, 0x00}},
};
constexpr int kBackwardChoice = 5;
constexpr std::uint8_t kLongPressMask = 0x08;
constexpr std::uint8_t kChordMask = 0x02;
const std::string kLedModeCode = "0E000000";
constexpr int kChordSlot = 2;
constexpr int kLongPressSlot = 4;

std::uint8_t MaskOfChoice(int entry) {
    if (entry >= 1 && entry <= 4) return kLongPressMask;
    if (entry == 5 || entry == 6) return kChordMask;
    return 0;
}

}  // namespace

std::u16string KeyAssignment::Text(int textId) const {
    return keys::LookupText(context_.texts, textId);
}

void KeyAssignment::LoadFromImage() {
    FillKeyTextTable(texts_, data_);
    RefreshButtonNames();
}

void KeyAssignment::RefreshButtonNames() {
    for (int s = 0; s < kKeySetCount; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            names_[s][b - 1] = keys::FunctionName(code(s, b), context_);
        }
    }
    keys::OrvanFunctionContext slots = context_;
    slots.assigningComboSlot = true;
    for (int n = 1; n <= static_cast<int>(kComboKeyCount); ++n) {
        slotNames_[n - 1] = keys::FunctionName(comboSlotCode(n), slots);
    }
}

const std::u16string& KeyAssignment::name(int keySet, int button) const {
    return ValidButton(keySet, button) ? names_[keySet][button - 1] : kNoName;
}

const std::u16string& KeyAssignment::comboSlotName(int slot) const {
    return ValidSlot(slot) ? slotNames_[slot - 1] : kNoName;
}

const std::string& KeyAssignment::code(int keySet, int button) const {
    return ValidButton(keySet, button) ? texts_.profiles[keySet][button - 1] : kNoCode;
}

const std::string& KeyAssignment::comboSlotCode(int slot) const {
    return ValidSlot(slot) ? texts_.comboKeys[slot - 1] : kNoCode;
}

bool KeyAssignment::LeftKeyRuleApplies(AssignView view, int keySet) const {
    if (view == AssignView::Engineering) return keySet == 0;
    return keySet == 0 || (keySet == 1 && modeBCheckLeftKey_);
}

bool KeyAssignment::KeepsLeftKey(int keySet, int button, const std::u16string& newName) const {
    if (!ValidButton(keySet, button)) return true;
    const std::u16string left = Text(id::LeftKey);
    for (int b = 1; b <= kButtonCount; ++b) {
        if ((b == button ? newName : names_[keySet][b - 1]) == left) return true;
    }
    return false;
}

bool KeyAssignment::IsOnlyLeftKey(int keySet, int button) const {
    return ValidButton(keySet, button) && names_[keySet][button - 1] == Text(id::LeftKey) &&
           !KeepsLeftKey(keySet, button, {});
}

void KeyAssignment::StoreCode(int keySet, int button, const std::string& codeText) {
    const auto parsed = keys::ParseFunctionCode(codeText);
    if (!ValidButton(keySet, button) || !parsed) return;
    texts_.profiles[keySet][button - 1] = keys::FunctionCodeText(*parsed);
    std::copy(parsed->bytes.begin(), parsed->bytes.end(),
              data_.bytes.begin() + static_cast<std::ptrdiff_t>(KeyEntryOffset(keySet, button)));
    names_[keySet][button - 1] = keys::FunctionName(*parsed, context_);
}

void KeyAssignment::StoreComboSlot(int slot, const std::string& codeText) {
    const auto parsed = keys::ParseFunctionCode(codeText);
    if (!ValidSlot(slot) || !parsed) return;
    texts_.comboKeys[slot - 1] = keys::FunctionCodeText(*parsed);
    std::copy(parsed->bytes.begin(), parsed->bytes.end(),
              data_.bytes.begin() + static_cast<std::ptrdiff_t>(ComboKeyOffset(slot)));
    keys::OrvanFunctionContext slots = context_;
    slots.assigningComboSlot = true;
    slotNames_[slot - 1] = keys::FunctionName(*parsed, slots);
}

AssignResult KeyAssignment::AssignItem(AssignView view, int keySet, int button, int item) {
    if (!ValidButton(keySet, button)) return AssignResult::NoCode;
    context_.assigningComboSlot = false;
    const std::string codeText = keys::FunctionCodeOfItem(item, context_);
    if (codeText.empty()) return AssignResult::NoCode;
    if (LeftKeyRuleApplies(view, keySet) &&
        !KeepsLeftKey(keySet, button, keys::FunctionName(codeText, context_))) {
        return AssignResult::Refused;
    }
    StoreCode(keySet, button, codeText);
    return AssignResult::Stored;
}

std::string KeyAssignment::AssignComboSlot(int slot, int item) {
    if (!ValidSlot(slot)) return {};
    context_.assigningComboSlot = true;
    const std::string codeText = keys::FunctionCodeOfItem(item, context_);
    context_.assigningComboSlot = false;
    if (!codeText.empty()) StoreComboSlot(slot, codeText);
    return codeText;
}

bool KeyAssignment::ApplyCombination(int keySet, int button, const std::string& codeText) {
    if (!ValidButton(keySet, button) || !keys::ParseFunctionCode(codeText)) return false;
    StoreCode(keySet, button, codeText);
    return true;
}

AssignResult KeyAssignment::AssignDeviceMacro(int keySet, int button, std::uint16_t address) {
    if (!ValidButton(keySet, button) || !context_.memoryIsI2c) return AssignResult::NoCode;
    if (IsOnlyLeftKey(keySet, button)) return AssignResult::Refused;
    StoreCode(keySet, button,
              "10" + keys::HexByte(static_cast<std::uint8_t>(address >> 8)) +
                  keys::HexByte(static_cast<std::uint8_t>(address & 0xFF)) + "00");
    return AssignResult::Stored;
}

bool KeyAssignment::SettingAIMKey(int level) {
    context_.aimLevel = std::clamp(level, 1, 12);
    const std::u16string aim = Text(id::AimKey);
    const std::string codeText =
        "05" + keys::HexByte(static_cast<std::uint8_t>(context_.aimLevel - 1)) + "0000";
    bool found = false;
    for (int s = 0; s < kKeySetCount; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            if (names_[s][b - 1] != aim) continue;
            StoreCode(s, b, codeText);
            found = true;
        }
    }
    return found;
}

std::optional<int> KeyAssignment::AimLevelOfKeySet(int keySet) const {
    if (keySet < 0 || keySet >= kKeySetCount) return std::nullopt;
    const std::u16string aim = Text(id::AimKey);
    std::optional<int> level;
    for (int b = 1; b <= kButtonCount; ++b) {
        if (names_[keySet][b - 1] != aim) continue;
        if (const auto c = keys::ParseFunctionCode(code(keySet, b))) {
            level = std::min<int>(c->bytes[1], 11) + 1;
        }
    }
    return level;
}

bool KeyAssignment::IsGunName(const std::u16string& name) const {
    if (name.empty()) return false;
    for (int n = 1; n <= keys::kFireMacroListSize; ++n) {
        const std::string fixed = "Fire Macro" + std::to_string(n);
        if (name == std::u16string(fixed.begin(), fixed.end())) return true;
    }
    for (int g = 0; g < kGunPresetCount; ++g) {
        if (name == Text(id::FirstGun + g)) return true;
    }
    return false;
}

bool KeyAssignment::HasNamed(int keySet, const std::u16string& wanted) const {
    if (keySet < 0 || keySet >= kKeySetCount || wanted.empty()) return false;
    return std::find(names_[keySet].begin(), names_[keySet].end(), wanted) != names_[keySet].end();
}

bool KeyAssignment::HasGunButton(int keySet) const {
    if (keySet < 0 || keySet >= kKeySetCount) return false;
    return std::any_of(names_[keySet].begin(), names_[keySet].end(),
                       [this](const std::u16string& n) { return IsGunName(n); });
}

void KeyAssignment::RewriteMask(int firstSet, int lastSet, const std::u16string& wanted,
                                const keys::FunctionCode& base, std::uint8_t mask) {
    keys::FunctionCode rewritten = base;
    rewritten.bytes[3] = mask;
    const std::string codeText = keys::FunctionCodeText(rewritten);
    for (int s = firstSet; s <= lastSet; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            if (names_[s][b - 1] == wanted) StoreCode(s, b, codeText);
        }
    }
}

void KeyAssignment::RewriteGunMasks(int firstSet, int lastSet, std::uint8_t mask) {
    for (int s = firstSet; s <= lastSet; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            if (!IsGunName(names_[s][b - 1])) continue;
            auto c = keys::ParseFunctionCode(code(s, b));
            if (!c) continue;
            c->bytes[3] = mask;
            StoreCode(s, b, keys::FunctionCodeText(*c));
        }
    }
}

std::uint8_t KeyAssignment::ChoiceMask() const {
    return MaskOfChoice(options_.fireFunChoice);
}

std::string KeyAssignment::GameModeCode() const {
    return "07D1F0" + keys::HexByte(context_.profileSetting.offset);
}

OptionWrite KeyAssignment::SetLedModeSwitch(bool on) {
    options_.ledModeSwitch = on;
    StoreComboSlot(kChordSlot, on ? kLedModeCode : kNoCode);
    if (on && (options_.fireFunChoice == 5 || options_.fireFunChoice == 6)) {
        // The chord choice loses slot 2; its buttons stop asking for it.
        options_.fireFunChoice = 0;
        for (const ChoiceKind& kind : kChoiceKinds) {
            RewriteMask(0, kKeySetCount - 1, Text(kind.textId), kind.base, 0);
        }
        RewriteGunMasks(0, kKeySetCount - 1, 0);
    }
    RewriteMask(0, kKeySetCount - 1, Text(id::Backward), kChoiceKinds[kBackwardChoice - 1].base,
                on ? kChordMask : 0);
    RefreshFireFun();
    return OptionWrite::VendorSection;
}

OptionWrite KeyAssignment::SetFireFunChoice(int entry) {
    entry = std::clamp(entry, 0, 6);
    options_.fireFunChoice = entry;
    const bool chord = entry == 5 || entry == 6;
    if (chord) options_.ledModeSwitch = false;
    // Slot 2 stays with the LED-mode option while that is on.
    if (!options_.ledModeSwitch) StoreComboSlot(kChordSlot, chord ? GameModeCode() : kNoCode);
    StoreComboSlot(kLongPressSlot, entry >= 1 && entry <= 4 ? GameModeCode() : kNoCode);
    const std::uint8_t mask = MaskOfChoice(entry);
    for (int k = 1; k <= 6; ++k) {
        std::uint8_t m = k == entry ? mask : 0;
        if (k == kBackwardChoice && options_.ledModeSwitch) m = kChordMask;
        const ChoiceKind& kind = kChoiceKinds[k - 1];
        RewriteMask(0, kKeySetCount - 1, Text(kind.textId), kind.base, m);
    }
    RewriteGunMasks(0, kKeySetCount - 1, options_.gunFireMode ? mask : 0);
    RefreshFireFun();
    return OptionWrite::VendorSection;
}

OptionWrite KeyAssignment::SetGunFireMode(bool on) {
    options_.gunFireMode = on;
    RewriteGunMasks(0, kKeySetCount - 1, on ? ChoiceMask() : 0);
    RefreshFireFun();
    options_.gunFireMode = on;
    return OptionWrite::VendorSection;
}

OptionWrite KeyAssignment::ClickModeSwitchToggle(int toggle, int keySet) {
    RefreshButtonNames();
    if (toggle == 8) {
        if (keySet != 1 || !HasGunButton(keySet)) return OptionWrite::None;
        options_.gunFireMode = !options_.gunFireMode;
        RewriteGunMasks(1, 1, options_.gunFireMode ? ChoiceMask() : 0);
        const bool on = options_.gunFireMode;
        RefreshFireFun();
        options_.gunFireMode = on;
        return OptionWrite::VendorSection;
    }
    if (toggle < 1 || toggle > 7) return OptionWrite::None;
    const int required = toggle == 1 ? id::Backward : kChoiceKinds[toggle - 2].textId;
    if (!HasNamed(keySet, Text(required))) return OptionWrite::None;
    if (toggle == 1) return SetLedModeSwitch(!options_.ledModeSwitch);
    const int entry = toggle - 1;
    return SetFireFunChoice(options_.fireFunChoice == entry ? 0 : entry);
}

bool KeyAssignment::ToggleTicked(int toggle) const {
    if (toggle == 1) return options_.ledModeSwitch;
    if (toggle == 8) return options_.gunFireMode;
    return toggle >= 2 && toggle <= 7 && options_.fireFunChoice == toggle - 1;
}

void KeyAssignment::RefreshFireFun() {
    RefreshButtonNames();
    // The "Combo Enable" selectors, from the buttons of all three key sets.
    auto maskOf = [this](int textId, std::uint8_t wanted) -> std::uint8_t {
        const std::u16string n = Text(textId);
        for (int s = 0; s < kKeySetCount; ++s) {
            for (int b = 1; b <= kButtonCount; ++b) {
                if (names_[s][b - 1] != n) continue;
                const auto c = keys::ParseFunctionCode(code(s, b));
                if (c && c->bytes[3] == wanted) return wanted;
            }
        }
        return 0;
    };
    keys::OrvanComboMasks& masks = context_.comboMasks;
    masks.middle = maskOf(id::MiddleKey, kLongPressMask);
    masks.dpiCycle = maskOf(id::DpiLoop, kLongPressMask);
    masks.dpiUp = maskOf(id::DpiLoop + 1, kLongPressMask);
    masks.dpiDown = maskOf(id::DpiLoop + 2, kLongPressMask);
    masks.backward = maskOf(id::Backward, kChordMask);
    masks.forward = maskOf(id::Forward, kChordMask);
    options_.gunMask = 0;
    for (int s = 0; s < kKeySetCount; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            if (!IsGunName(names_[s][b - 1])) continue;
            if (const auto c = keys::ParseFunctionCode(code(s, b))) options_.gunMask = c->bytes[3];
        }
    }

    // The engineering choices, from the masks and the slots that carry the mode switch.
    const std::u16string game = Text(id::GameMode);
    const bool longPressSlot = comboSlotName(kLongPressSlot) == game;
    const bool chordSlot = comboSlotName(kChordSlot) == game;
    int choice = 0;
    if (longPressSlot) {
        if (masks.middle == kLongPressMask) choice = 1;
        if (masks.dpiCycle == kLongPressMask) choice = 2;
        if (masks.dpiUp == kLongPressMask) choice = 3;
        if (masks.dpiDown == kLongPressMask) choice = 4;
    }
    if (chordSlot) {
        if (masks.backward == kChordMask) choice = 5;
        if (masks.forward == kChordMask) choice = 6;
    }
    options_.fireFunChoice = choice;
    options_.gunFireMode = options_.gunMask != 0 && (longPressSlot || chordSlot);
    options_.ledModeSwitch = comboSlotCode(kChordSlot) == kLedModeCode;
}

KeysParameters KeyAssignment::InitKeysParameters() const {
    KeysParameters kept;
    for (int s = 0; s < 2; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            const auto c = keys::ParseFunctionCode(code(s, b));
            if (!c || !c->is(keys::FunctionType::DeviceMacro)) continue;
            const auto address = static_cast<std::uint16_t>(c->bytes[1] * 256 + c->bytes[2]);
            for (const keys::DeviceMacroEntry& macro : context_.deviceMacros) {
                if (macro.inUse && macro.address == address) kept[s][b - 1] = macro.name;
            }
        }
    }
    return kept;
}

bool KeyAssignment::RefreshKeysParameters(const KeysParameters& before,
                                          const std::vector<keys::DeviceMacroEntry>& macros) {
    context_.deviceMacros = macros;
    bool changed = false;
    for (int s = 0; s < 2; ++s) {
        for (int b = 1; b <= kButtonCount; ++b) {
            const std::u16string& wanted = before[s][b - 1];
            if (wanted.empty()) continue;
            std::string codeText = kNoCode;
            for (const keys::DeviceMacroEntry& macro : macros) {
                if (!macro.inUse || macro.name != wanted) continue;
                codeText = "10" + keys::HexByte(static_cast<std::uint8_t>(macro.address >> 8)) +
                           keys::HexByte(static_cast<std::uint8_t>(macro.address & 0xFF)) + "00";
                break;
            }
            if (codeText != code(s, b)) changed = true;
            StoreCode(s, b, codeText);
        }
    }
    return changed;
}

}  // namespace orvan
