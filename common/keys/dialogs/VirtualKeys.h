#pragma once
// The dialogs receive Qt key events while the key tables speak Windows
// virtual keys. On Windows the event carries the virtual key itself; on other
// systems it is worked out from the Qt key and the keypad flag, as a US
// keyboard gives it, so a shifted symbol still names its key ("!" is "1").

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace keys {

// 0 for a key that no virtual key stands for (the key tables name it "None").
std::uint16_t VirtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The event's own virtual key where the platform gives one, otherwise
// VirtualKeyOfQtKey of its key and modifiers.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);

}  // namespace keys
