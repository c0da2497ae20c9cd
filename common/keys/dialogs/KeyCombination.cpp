#include "common/keys/dialogs/KeyCombination.h"

#include "common/keys/FunctionCode.h"

namespace keys {
namespace {

std::uint8_t BitOf(ComboModifier modifier) {
    switch (modifier) {
        case ComboModifier::Ctrl:
            return modifier::Ctrl;
        case ComboModifier::Shift:
            return modifier::Shift;
        case ComboModifier::Alt:
            return modifier::Alt;
        case ComboModifier::Win:
            return modifier::Win;
    }
    return 0;
}

void Join(std::string& text, std::string_view part) {
    if (part.empty()) return;
    if (!text.empty()) text += '+';
    text += part;
}

}  // namespace

bool KeyCombination::IsRefusedKey(std::uint16_t virtualKey) {
    switch (virtualKey) {
        case 0x10:  // Shift, Ctrl, Alt
        case 0x11:
        case 0x12:
        case 0x5B:  // left and right Windows
        case 0x5C:
        case 0xA0:  // the left and right forms of Shift, Ctrl, Alt
        case 0xA1:
        case 0xA2:
        case 0xA3:
        case 0xA4:
        case 0xA5:
            return true;
        default:
            return false;
    }
}

bool KeyCombination::press(std::uint16_t virtualKey, bool heldModifier) {
    // Starting over comes first, so even a refused third key empties the keys.
    if (keyCount_ == 2) {
        keyCount_ = 0;
        key1_ = key2_ = 0;
        keyText_.clear();
    }
    if (heldModifier || IsRefusedKey(virtualKey)) return false;

    const KeyIndex index = KeyIndexOfVirtualKey(virtualKey);
    const Usage usage = UsageOfKeyIndex(index);
    (keyCount_ == 0 ? key1_ : key2_) = usage;
    ++keyCount_;
    Join(keyText_, KeyIndexName(index));
    return true;
}

void KeyCombination::setModifier(ComboModifier modifier, bool ticked) {
    const std::uint8_t bit = BitOf(modifier);
    modifiers_ = ticked ? static_cast<std::uint8_t>(modifiers_ | bit)
                        : static_cast<std::uint8_t>(modifiers_ & ~bit);
}

bool KeyCombination::modifier(ComboModifier modifier) const {
    return (modifiers_ & BitOf(modifier)) != 0;
}

void KeyCombination::clear() {
    *this = KeyCombination();
}

std::string KeyCombination::modifierText() const {
    std::string text;
    if (modifiers_ & modifier::Ctrl) Join(text, "Ctrl");
    if (modifiers_ & modifier::Shift) Join(text, "Shift");
    if (modifiers_ & modifier::Alt) Join(text, "Alt");
    if (modifiers_ & modifier::Win) Join(text, "Win");
    return text;
}

std::string KeyCombination::text() const {
    std::string text = modifierText();
    Join(text, keyText_);
    return text;
}

std::string KeyCombination::codeText(EmptyCombination empty) const {
    if (text().empty() && empty == EmptyCombination::KeyOff) return "00000000";
    return "02" + HexByte(modifiers_) + HexByte(key1_) + HexByte(key2_);
}

}  // namespace keys
