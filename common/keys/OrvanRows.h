#pragma once
// orvandesk's fixed menu rows: item numbers, codes and name ids together, so
// the menu and the naming rules read the same rows.

#include <array>

#include "common/keys/FunctionTextIds.h"
#include "common/keys/SharedFunctionRows.h"

namespace keys {

inline constexpr std::array<FunctionCode, 2> kOrvanLeftRight = {{
    {0x01, 0x01, 0x00, 0x00},
    {0x01, 0x02, 0x00, 0x00},
}};
// LED Mode, LED Switch, Button Effect Switch, Report Rate.
inline constexpr std::array<FunctionCode, 4> kOrvanSpecialCodes = {{
    {0x0E, 0x00, 0x00, 0x00},
    {0x08, 0x00, 0x00, 0x00},
    {0x08, 0x01, 0x00, 0x00},
    {0x0C, 0x00, 0x00, 0x00},
}};
inline constexpr FunctionCode kFireMacroKeyCode{0x10, 0x06, 0xA0, 0xFF};
// Also named "Fire Macro Key", but the menu never offers it.
inline constexpr FunctionCode kFireMacroKeyCodeAlt{0x10, 0x70, 0xA0, 0xFF};
inline constexpr std::array<FunctionCode, 1> kOrvanFireMacroOff = {{{0x0B, 0x8F, 0x00, 0x00}}};
inline constexpr std::array<FunctionCode, 1> kOrvanKeyOff = {{{0x00, 0x00, 0x00, 0x00}}};
// My Computer, Calculator, E-Mail, Desktop (Win+D).
inline constexpr std::array<FunctionCode, 4> kOrvanPcCodes = {{
    {0x03, 0x01, 0x94, 0x00},
    {0x03, 0x01, 0x92, 0x00},
    {0x03, 0x01, 0x8A, 0x00},
    {0x02, 0x08, 0x07, 0x00},
}};
inline constexpr std::array<FunctionCode, 1> kOrvanKeySetLoop = {{{0x07, 0x00, 0x00, 0x00}}};
inline constexpr std::array<FunctionCode, 2> kOrvanAdjustXY = {{
    {0x0A, 0x00, 0x00, 0x00},
    {0x0A, 0x01, 0x00, 0x00},
}};

inline constexpr CodeRun kOrvanLeftRightRun{900, orvan_text::LeftKey, kOrvanLeftRight};
inline constexpr CodeRun kOrvanSpecialRun{1001, orvan_text::LedMode, kOrvanSpecialCodes};
inline constexpr CodeRun kOrvanFireMacroOffRun{1006, orvan_text::FireMacroOff, kOrvanFireMacroOff};
inline constexpr CodeRun kOrvanKeyOffRun{1007, orvan_text::KeyOff, kOrvanKeyOff};
inline constexpr CodeRun kOrvanMediaRun{1100, orvan_text::FirstMedia, kMediaCodes};
inline constexpr CodeRun kOrvanBrowserRun{1200, orvan_text::FirstBrowser, kBrowserCodes};
inline constexpr CodeRun kOrvanPcRun{1300, orvan_text::FirstPc, kOrvanPcCodes};
inline constexpr CodeRun kOrvanPowerRun{2200, orvan_text::PowerDown, kPowerCodes};
inline constexpr CodeRun kOrvanKeySetLoopRun{2303, orvan_text::KbSwitchLoop, kOrvanKeySetLoop};
inline constexpr CodeRun kOrvanAdjustXYRun{2400, orvan_text::AdjustXYFn, kOrvanAdjustXY};

// Every menu item whose code does not depend on the context.
inline constexpr std::array<CodeRun, 10> kOrvanFixedRuns = {
    kOrvanLeftRightRun,  kOrvanSpecialRun,  kOrvanFireMacroOffRun, kOrvanKeyOffRun,
    kOrvanMediaRun,      kOrvanBrowserRun,  kOrvanPcRun,           kOrvanPowerRun,
    kOrvanKeySetLoopRun, kOrvanAdjustXYRun,
};

}  // namespace keys
