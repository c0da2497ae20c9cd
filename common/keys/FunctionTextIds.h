#pragma once
// Language ids of the function names, per program. The key pages compare
// button captions with some of these (the Left Key rule, the mode-switch
// options), so they are named here once.

namespace keys {

namespace orvan_text {
constexpr int UserDefined = 205;
constexpr int LeftKey = 210;
constexpr int RightKey = 211;
constexpr int MiddleKey = 212;
constexpr int Backward = 213;
constexpr int Forward = 214;
constexpr int DpiLoop = 221;     // then DPI Up, DPI Down
constexpr int FireKey1 = 231;    // then Fire Key2, Fire Key3
constexpr int PowerDown = 241;   // then Sleep, Wake Up
constexpr int OfficeMode = 251;  // then Game Mode, Third Mode
constexpr int GameMode = 252;
constexpr int KbSwitchLoop = 254;
constexpr int AimKey = 260;
constexpr int LedMode = 261;
constexpr int LedSwitch = 262;
constexpr int ButtonEffectSwitch = 263;
constexpr int ReportRate = 264;
constexpr int FireMacroKey = 265;
constexpr int FireMacroOff = 266;
constexpr int AdjustXYFn = 268;
constexpr int AdjustXYSwitch = 269;
constexpr int FirstMedia = 270;    // Play/Pause .. Mute, in menu order
constexpr int FirstBrowser = 280;  // Home .. Favorites
constexpr int FirstPc = 290;       // My Computer, Calculator, E-Mail, Desktop
constexpr int KeyOff = 277;
constexpr int FirstGun = 600;  // AKM Fire .. 7.62mm Fire
}  // namespace orvan_text

// pellisdesk numbers its texts its own way. Fire Mode (240), KB Switch Key
// (242) and KB Reset Key (245) are fixed; the special keys follow the menu
// items 1000..1008 from 240 and the other groups are laid out the same way,
// which the pellisdesk language tables follow.
namespace pellis_text {
constexpr int UserDefined = 205;
constexpr int KeyOff = 209;
constexpr int FirstMouseButton = 210;  // Left, Right, Middle, Backward, Forward
constexpr int FirstPower = 220;        // Power Down, Sleep, Wake Up
constexpr int FirstFireKey = 230;      // Fire Mode1 .. Fire Mode4
constexpr int FireMode = 240;
constexpr int AimKey = 241;
constexpr int KbSwitchKey = 242;
constexpr int Cpi = 243;
constexpr int ReportRate = 244;
constexpr int KbResetKey = 245;
constexpr int LedMode = 246;
constexpr int CpiUp = 247;
constexpr int CpiDown = 248;
constexpr int FirstMedia = 250;    // Play/Pause .. Mute
constexpr int FirstBrowser = 260;  // Home .. Favorites
}  // namespace pellis_text

}  // namespace keys
