#pragma once
// Built-in section defaults: what a section whose check byte is wrong is
// rebuilt from, and what the engineering page's restore-defaults button puts
// into the image. Each builder sets only the bytes its variant defines and
// leaves every other byte of the section as it was.

#include <array>
#include <string_view>

#include "orvandesk/image/ImageBuffers.h"

namespace orvan {

// The LED type of the lighting page. Any text but "Sync" and "NT" (also an
// empty one, before the first image is shown) counts as "RGB".
enum class LedType { Rgb, Sync, Nt };
LedType LedTypeFromString(std::string_view text);
std::string_view LedTypeString(LedType type);
// Bits 7..6 of LedMode: 00 RGB, 01 Sync, 10 and 11 NT.
LedType LedTypeOfLedMode(Byte ledMode);

// The LED package selection, cb_Package item 0 "Z-Uduz LED" or 1 "RGB LED".
enum class LedPackage { ZUduz = 0, Rgb = 1 };

// What the defaults depend on, read from the window at the moment of use.
struct DefaultsContext {
    LedType ledType = LedType::Rgb;
    LedPackage package = LedPackage::Rgb;
    // The connected mouse's memory kind is I2C EEPROM; some defaults apply
    // only then.
    bool memoryKindI2c = true;
};

// Each builder ends with the section's check byte recomputed.
void BuildVendorDefault(DataBuf& data, const DefaultsContext& context);
void BuildUserDefault(DataBuf& data, const DefaultsContext& context);
// profile = 0..2; all three get the same keys.
void BuildProfileDefault(DataBuf& data, int profile);
// Restore-defaults only; the reserve block has no check byte.
void BuildReserveDefault(DataBuf& data, const DefaultsContext& context);

// Fire macro names "Macro1" .. "Macro10" and cleared step lists (first 24
// bytes zero, the last 8 kept). Restore-defaults only.
void BuildFireMacroDefaults(std::array<FireMacroName, kFireMacroCount>& names,
                            std::array<FireMacroSteps, kFireMacroCount>& steps);
// The same defaults in the 512-byte device block (its last 32 bytes kept).
void BuildFireMacroDefaults(FireMacroBuf& block);

// A name as 8 UTF-16 code units, high byte first, zero-padded; longer
// names are cut at 8 units. Only the Basic Latin range is needed here.
FireMacroName FireMacroNameOf(std::string_view ascii);

}  // namespace orvan
