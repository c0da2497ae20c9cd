#pragma once
// pellisdesk's fixed menu rows: item numbers, codes and name ids together.

#include <array>

#include "common/keys/FunctionTextIds.h"
#include "common/keys/SharedFunctionRows.h"

namespace keys {

// Fire Mode, AIM Key, Profile Key, CPI, Report Rate, Set To Default,
// LED Mode, CPI +, CPI -.
inline constexpr std::array<FunctionCode, 9> kPellisSpecialCodes = {{
    {0x0F, 0x00, 0x00, 0x00},
    {0x05, 0x00, 0x00, 0x00},
    {0x07, 0x00, 0x00, 0x00},
    {0x09, 0x00, 0x00, 0x00},
    {0x0C, 0x00, 0x00, 0x00},
    {0x0D, 0x00, 0x00, 0x00},
    {0x0E, 0x00, 0x00, 0x00},
    {0x09, 0x01, 0x00, 0x00},
    {0x09, 0x02, 0x00, 0x00},
}};

inline constexpr CodeRun kPellisMouseRun{900, pellis_text::FirstMouseButton, kMouseButtonCodes};
inline constexpr CodeRun kPellisSpecialRun{1000, pellis_text::FireMode, kPellisSpecialCodes};
inline constexpr CodeRun kPellisPowerRun{1100, pellis_text::FirstPower, kPowerCodes};
inline constexpr CodeRun kPellisMediaRun{1300, pellis_text::FirstMedia, kMediaCodes};
inline constexpr CodeRun kPellisBrowserRun{1400, pellis_text::FirstBrowser, kBrowserCodes};

inline constexpr std::array<CodeRun, 5> kPellisFixedRuns = {
    kPellisMouseRun, kPellisSpecialRun, kPellisPowerRun, kPellisMediaRun, kPellisBrowserRun,
};

constexpr int kPellisFirstFireKeyItem = 1200;

}  // namespace keys
