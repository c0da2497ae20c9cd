#pragma once
// What the combination-key dialog builds: up to two keys taken from the
// keyboard and the modifiers ticked in its check boxes. Modifiers come only
// from the boxes; a key pressed while Shift, Ctrl or Alt is held, a modifier
// key itself and the Windows keys are refused. A third key starts over.

#include <cstdint>
#include <string>

#include "common/keys/KeyTable.h"

namespace keys {

enum class ComboModifier { Ctrl, Shift, Alt, Win };

// What Confirm stores for an empty field: orvandesk turns the button off,
// pellisdesk stores an empty combination.
enum class EmptyCombination { KeyOff, Combination };

class KeyCombination {
public:
    // One key press (a Windows virtual key); heldModifier tells whether Shift,
    // Ctrl or Alt was down. False when the key was refused.
    bool press(std::uint16_t virtualKey, bool heldModifier);
    void setModifier(ComboModifier modifier, bool ticked);
    bool modifier(ComboModifier modifier) const;
    void clear();

    // The field: the ticked modifiers in the order Ctrl, Shift, Alt, Win, then
    // the keys taken, joined with "+".
    std::string text() const;
    int keyCount() const { return keyCount_; }
    Usage key1() const { return key1_; }
    Usage key2() const { return key2_; }
    // Bit 0 Ctrl, bit 1 Shift, bit 2 Alt, bit 3 Win.
    std::uint8_t modifierByte() const { return modifiers_; }
    // "02" + modifiers + key 1 + key 2; "00000000" for an empty field unless
    // the program stores empty combinations.
    std::string codeText(EmptyCombination empty = EmptyCombination::KeyOff) const;

    // Keys the dialog never takes.
    static bool IsRefusedKey(std::uint16_t virtualKey);

private:
    std::string modifierText() const;

    int keyCount_ = 0;
    Usage key1_ = 0;
    Usage key2_ = 0;
    std::string keyText_;
    std::uint8_t modifiers_ = 0;
};

}  // namespace keys
