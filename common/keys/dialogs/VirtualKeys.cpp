#include "common/keys/dialogs/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

namespace keys {
namespace {

struct KeyRange {
    int first;
    int last;
    std::uint16_t firstVirtualKey;
};

struct KeyPair {
    int qtKey;
    std::uint16_t virtualKey;
};

// Runs where Qt keys and virtual keys advance together.
constexpr std::array kRanges = {
    KeyRange{Qt::Key_A, Qt::Key_Z, 0x41},
    KeyRange{Qt::Key_0, Qt::Key_9, 0x30},
    KeyRange{Qt::Key_F1, Qt::Key_F24, 0x70},
};

// Keys of the numeric pad (Qt marks them with KeypadModifier). Keys of the
// pad that are not listed here (Home, End, arrows with Num Lock off) give the
// virtual key of the key they stand for, as on Windows.
constexpr std::array kPadRanges = {
    KeyRange{Qt::Key_0, Qt::Key_9, 0x60},
};
constexpr std::array kPadKeys = {
    KeyPair{Qt::Key_Asterisk, 0x6A}, KeyPair{Qt::Key_Plus, 0x6B},  KeyPair{Qt::Key_Minus, 0x6D},
    KeyPair{Qt::Key_Period, 0x6E},   KeyPair{Qt::Key_Comma, 0x6E}, KeyPair{Qt::Key_Slash, 0x6F},
    KeyPair{Qt::Key_Enter, 0x0D},
};

constexpr std::array kKeys = {
    // Editing and control keys.
    KeyPair{Qt::Key_Backspace, 0x08},
    KeyPair{Qt::Key_Tab, 0x09},
    KeyPair{Qt::Key_Backtab, 0x09},
    KeyPair{Qt::Key_Clear, 0x0C},
    KeyPair{Qt::Key_Return, 0x0D},
    KeyPair{Qt::Key_Enter, 0x0D},
    KeyPair{Qt::Key_Shift, 0x10},
    KeyPair{Qt::Key_Control, 0x11},
    KeyPair{Qt::Key_Alt, 0x12},
    KeyPair{Qt::Key_AltGr, 0xA5},
    KeyPair{Qt::Key_Pause, 0x13},
    KeyPair{Qt::Key_CapsLock, 0x14},
    KeyPair{Qt::Key_Escape, 0x1B},
    KeyPair{Qt::Key_Space, 0x20},
    KeyPair{Qt::Key_PageUp, 0x21},
    KeyPair{Qt::Key_PageDown, 0x22},
    KeyPair{Qt::Key_End, 0x23},
    KeyPair{Qt::Key_Home, 0x24},
    KeyPair{Qt::Key_Left, 0x25},
    KeyPair{Qt::Key_Up, 0x26},
    KeyPair{Qt::Key_Right, 0x27},
    KeyPair{Qt::Key_Down, 0x28},
    KeyPair{Qt::Key_Select, 0x29},
    KeyPair{Qt::Key_Print, 0x2C},
    KeyPair{Qt::Key_Insert, 0x2D},
    KeyPair{Qt::Key_Delete, 0x2E},
    KeyPair{Qt::Key_Help, 0x2F},
    KeyPair{Qt::Key_Meta, 0x5B},
    KeyPair{Qt::Key_Super_L, 0x5B},
    KeyPair{Qt::Key_Super_R, 0x5C},
    KeyPair{Qt::Key_Menu, 0x5D},
    KeyPair{Qt::Key_NumLock, 0x90},
    KeyPair{Qt::Key_ScrollLock, 0x91},
    // Symbols of the main block, unshifted and shifted (US layout).
    KeyPair{Qt::Key_ParenRight, 0x30},
    KeyPair{Qt::Key_Exclam, 0x31},
    KeyPair{Qt::Key_At, 0x32},
    KeyPair{Qt::Key_NumberSign, 0x33},
    KeyPair{Qt::Key_Dollar, 0x34},
    KeyPair{Qt::Key_Percent, 0x35},
    KeyPair{Qt::Key_AsciiCircum, 0x36},
    KeyPair{Qt::Key_Ampersand, 0x37},
    KeyPair{Qt::Key_Asterisk, 0x38},
    KeyPair{Qt::Key_ParenLeft, 0x39},
    KeyPair{Qt::Key_Semicolon, 0xBA},
    KeyPair{Qt::Key_Colon, 0xBA},
    KeyPair{Qt::Key_Equal, 0xBB},
    KeyPair{Qt::Key_Plus, 0xBB},
    KeyPair{Qt::Key_Comma, 0xBC},
    KeyPair{Qt::Key_Less, 0xBC},
    KeyPair{Qt::Key_Minus, 0xBD},
    KeyPair{Qt::Key_Underscore, 0xBD},
    KeyPair{Qt::Key_Period, 0xBE},
    KeyPair{Qt::Key_Greater, 0xBE},
    KeyPair{Qt::Key_Slash, 0xBF},
    KeyPair{Qt::Key_Question, 0xBF},
    KeyPair{Qt::Key_QuoteLeft, 0xC0},
    KeyPair{Qt::Key_AsciiTilde, 0xC0},
    KeyPair{Qt::Key_BracketLeft, 0xDB},
    KeyPair{Qt::Key_BraceLeft, 0xDB},
    KeyPair{Qt::Key_Backslash, 0xDC},
    KeyPair{Qt::Key_Bar, 0xDC},
    KeyPair{Qt::Key_BracketRight, 0xDD},
    KeyPair{Qt::Key_BraceRight, 0xDD},
    KeyPair{Qt::Key_Apostrophe, 0xDE},
    KeyPair{Qt::Key_QuoteDbl, 0xDE},
    // Browser, media and launch keys.
    KeyPair{Qt::Key_Back, 0xA6},
    KeyPair{Qt::Key_Forward, 0xA7},
    KeyPair{Qt::Key_Refresh, 0xA8},
    KeyPair{Qt::Key_Stop, 0xA9},
    KeyPair{Qt::Key_Search, 0xAA},
    KeyPair{Qt::Key_Favorites, 0xAB},
    KeyPair{Qt::Key_HomePage, 0xAC},
    KeyPair{Qt::Key_VolumeMute, 0xAD},
    KeyPair{Qt::Key_VolumeDown, 0xAE},
    KeyPair{Qt::Key_VolumeUp, 0xAF},
    KeyPair{Qt::Key_MediaNext, 0xB0},
    KeyPair{Qt::Key_MediaPrevious, 0xB1},
    KeyPair{Qt::Key_MediaStop, 0xB2},
    KeyPair{Qt::Key_MediaTogglePlayPause, 0xB3},
    KeyPair{Qt::Key_MediaPlay, 0xB3},
    KeyPair{Qt::Key_MediaPause, 0xB3},
    KeyPair{Qt::Key_LaunchMail, 0xB4},
    KeyPair{Qt::Key_LaunchMedia, 0xB5},
    KeyPair{Qt::Key_Launch0, 0xB6},
    KeyPair{Qt::Key_Launch1, 0xB7},
};

template <class Ranges, class Pairs>
std::uint16_t Find(int qtKey, const Ranges& ranges, const Pairs& pairs) {
    for (const KeyRange& range : ranges) {
        if (qtKey >= range.first && qtKey <= range.last) {
            return static_cast<std::uint16_t>(range.firstVirtualKey + (qtKey - range.first));
        }
    }
    for (const KeyPair& pair : pairs) {
        if (pair.qtKey == qtKey) return pair.virtualKey;
    }
    return 0;
}

}  // namespace

std::uint16_t VirtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const std::uint16_t pad = Find(qtKey, kPadRanges, kPadKeys); pad != 0) return pad;
    }
    return Find(qtKey, kRanges, kKeys);
}

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
    // Only the Windows platform plugin puts a virtual key there; elsewhere the
    // native key is a key symbol of the window system.
    static const bool nativeIsVirtualKey =
        QGuiApplication::platformName() == QLatin1String("windows");
    if (nativeIsVirtualKey && event.nativeVirtualKey() != 0 && event.nativeVirtualKey() <= 0xFF) {
        return static_cast<std::uint16_t>(event.nativeVirtualKey());
    }
    return VirtualKeyOfQtKey(event.key(), event.modifiers());
}

}  // namespace keys
