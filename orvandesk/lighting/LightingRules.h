#pragma once
// The LED rules shared by the lighting page and the engineering page: which
// effects each LED type defines, which effect options byte 42 offers, the
// ten step-time positions, the limits of the typed values, and the LED type
// and package that the built-in defaults follow.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "orvandesk/image/SectionDefaults.h"

namespace orvan::lighting {

inline constexpr int kOptionCount = 6;     // lbl_LED1 .. lbl_LED6, effect k - 1
inline constexpr int kStepPositions = 10;  // Img_Fall1 .. Img_Fall10
inline constexpr int kColourCount = 10;    // cs_Col1 .. cs_Col10

// Whether `type` has effect number `effect` (bits 3..0 of LedMode): RGB 0..5,
// Sync 0..2, NT 0, 1, 2, 4, 5.
bool EffectDefined(LedType type, int effect);

// The effect options a page refresh shows: those of the type's effects that
// byte 42 enables. Options of effects the type lacks are hidden too, so no
// click can send an effect number the type does not define.
std::array<bool, kOptionCount> OptionsShown(LedType type, uint8_t effectEnable);

// The LedMode byte sent for option k (1..6): type and count bits kept, the
// effect number k - 1.
uint8_t LedModeForOption(uint8_t ledMode, int option);

// Step time to slider position: 1 up to 5, p for 5(p - 1) < v <= 5p, 10 above 45.
int StepPosition(int stepTime);
// Position 1..10 to the step time it sets: 5, 10, .. 50.
uint8_t StepTimeOfPosition(int position);

// Typed values above a field's limit become the limit.
inline constexpr int kColourLimit = 255;
inline constexpr int kStepTimeLimit = 255;
// The limit of a 16-bit breathing field at `offset` (48, 50, 52 or 54):
// 4094 for the lower delay, 65535 for the others.
int BreathLimit(std::size_t offset);
int Clamp(int value, int limit);

// The window's LED type string ("RGB", "Sync", "NT"; empty before the first
// image and after the mouse is lost) and the LED package, which the page
// refresh sets from the type. Both decide the built-in defaults.
class LedTypeState {
public:
    void ShowFrom(uint8_t ledMode);
    void Forget() { text_.clear(); }
    const std::string& text() const { return text_; }
    LedType type() const { return LedTypeFromString(text_); }
    LedPackage package() const { return package_; }
    // The defaults' view of the type and package.
    void Fill(DefaultsContext& context) const;

private:
    std::string text_;
    LedPackage package_ = LedPackage::Rgb;
};

}  // namespace orvan::lighting
