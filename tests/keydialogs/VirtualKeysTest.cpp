// Qt keys to Windows virtual keys, checked through the key table names the
// dialogs show.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "common/keys/KeyTable.h"
#include "common/keys/dialogs/VirtualKeys.h"

namespace {

struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    std::uint16_t virtualKey;
    std::string_view name;
};

TEST(VirtualKeys, QtKeysNameTheirKeys) {
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const Case cases[] = {
        {Qt::Key_A, none, 0x41, "A"},
        {Qt::Key_Z, Qt::ShiftModifier, 0x5A, "Z"},
        {Qt::Key_0, none, 0x30, "0"},
        {Qt::Key_9, none, 0x39, "9"},
        {Qt::Key_0, pad, 0x60, "0 (numeric pad)"},
        {Qt::Key_9, pad, 0x69, "9 (numeric pad)"},
        {Qt::Key_Asterisk, pad, 0x6A, "Multiply (numeric pad)"},
        {Qt::Key_Plus, pad, 0x6B, "Add (numeric pad)"},
        {Qt::Key_Minus, pad, 0x6D, "Subtract (numeric pad)"},
        {Qt::Key_Period, pad, 0x6E, "Decimal (numeric pad)"},
        {Qt::Key_Slash, pad, 0x6F, "Divide (numeric pad)"},
        {Qt::Key_Enter, pad, 0x0D, "Enter"},
        // The pad's navigation keys with Num Lock off are the keys they stand for.
        {Qt::Key_Home, pad, 0x24, "Home"},
        {Qt::Key_F1, none, 0x70, "F1"},
        {Qt::Key_F24, none, 0x87, "F24"},
        // A shifted symbol names the key it is on.
        {Qt::Key_Exclam, Qt::ShiftModifier, 0x31, "1"},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 0x30, "0"},
        {Qt::Key_Asterisk, Qt::ShiftModifier, 0x38, "8"},
        {Qt::Key_Plus, Qt::ShiftModifier, 0xBB, "OEM_Plus"},
        {Qt::Key_Minus, none, 0xBD, "OEM_Minus"},
        {Qt::Key_Semicolon, none, 0xBA, "OEM_1"},
        {Qt::Key_Question, Qt::ShiftModifier, 0xBF, "OEM_2"},
        {Qt::Key_QuoteLeft, none, 0xC0, "OEM_3"},
        {Qt::Key_Apostrophe, none, 0xDE, "OEM_7"},
        {Qt::Key_Tab, none, 0x09, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0x09, "Tab"},
        {Qt::Key_Return, none, 0x0D, "Enter"},
        {Qt::Key_Escape, none, 0x1B, "Esc"},
        {Qt::Key_Print, none, 0x2C, "Print Screen"},
        {Qt::Key_Menu, none, 0x5D, "Applications"},
        {Qt::Key_Shift, none, 0x10, "Shift"},
        {Qt::Key_Control, none, 0x11, "Ctrl"},
        {Qt::Key_Alt, none, 0x12, "Alt"},
        {Qt::Key_Super_L, none, 0x5B, "Left Windows"},
        {Qt::Key_Super_R, none, 0x5C, "Right Windows"},
        {Qt::Key_Meta, none, 0x5B, "Left Windows"},
        {Qt::Key_VolumeUp, none, 0xAF, "Volume_Up"},
        {Qt::Key_MediaTogglePlayPause, none, 0xB3, "Media_Play_Pause"},
        {Qt::Key_Launch1, none, 0xB7, "Launch_App2"},
        // Keys no virtual key stands for are "None", as unlisted virtual keys are.
        {Qt::Key_unknown, none, 0, "None"},
        {Qt::Key_Dead_Acute, none, 0, "None"},
        {Qt::Key_F25, none, 0, "None"},
    };
    for (const Case& c : cases) {
        const std::uint16_t vk = keys::VirtualKeyOfQtKey(c.qtKey, c.modifiers);
        EXPECT_EQ(vk, c.virtualKey) << "Qt key 0x" << std::hex << c.qtKey;
        EXPECT_EQ(keys::KeyIndexName(keys::KeyIndexOfVirtualKey(vk)), c.name)
            << "Qt key 0x" << std::hex << c.qtKey;
    }
}

TEST(VirtualKeys, EventsOffWindowsUseTheQtKey) {
    // Off Windows the native key is a window-system key symbol, not a virtual key.
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, 0, 0x63, 0);
    EXPECT_EQ(keys::VirtualKeyOf(event), 0x43);
}

}  // namespace
