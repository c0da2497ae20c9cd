#include "orvandesk/lighting/LightingRules.h"

#include <algorithm>

#include "orvandesk/image/ImageLayout.h"

namespace orvan::lighting {

bool EffectDefined(LedType type, int effect) {
    switch (type) {
        case LedType::Sync:
            return effect >= 0 && effect <= 2;
        case LedType::Nt:
            return effect >= 0 && effect <= 5 && effect != 3;
        case LedType::Rgb:
            break;
    }
    return effect >= 0 && effect <= 5;
}

std::array<bool, kOptionCount> OptionsShown(LedType type, uint8_t effectEnable) {
    std::array<bool, kOptionCount> shown{};
    for (int effect = 0; effect < kOptionCount; ++effect) {
        shown[static_cast<std::size_t>(effect)] =
            EffectDefined(type, effect) && ((effectEnable >> effect) & 1) != 0;
    }
    return shown;
}

uint8_t LedModeForOption(uint8_t ledMode, int option) {
    return static_cast<uint8_t>((ledMode & 0xF0) | ((option - 1) & 0x0F));
}

int StepPosition(int stepTime) {
    if (stepTime <= 5) return 1;
    if (stepTime > 45) return kStepPositions;
    return (stepTime + 4) / 5;
}

uint8_t StepTimeOfPosition(int position) {
    return static_cast<uint8_t>(5 * std::clamp(position, 1, kStepPositions));
}

int BreathLimit(std::size_t offset) {
    return offset == field::BreathLowerTime ? 4094 : 65535;
}

int Clamp(int value, int limit) {
    return std::clamp(value, 0, limit);
}

void LedTypeState::ShowFrom(uint8_t ledMode) {
    const LedType type = LedTypeOfLedMode(ledMode);
    text_ = std::string(LedTypeString(type));
    package_ = type == LedType::Rgb ? LedPackage::Rgb : LedPackage::ZUduz;
}

void LedTypeState::Fill(DefaultsContext& context) const {
    context.ledType = type();
    context.package = package_;
}

}  // namespace orvan::lighting
