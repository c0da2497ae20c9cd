#include "orvandesk/image/SectionDefaults.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>

#include "orvandesk/image/SectionCheck.h"

namespace orvan {

namespace {

void Put(DataBuf& data, std::size_t offset, std::initializer_list<Byte> bytes) {
    std::copy(bytes.begin(), bytes.end(), data.bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Sensor registers 9..39; 40..41 depend on the LED package.
constexpr Byte kSensorDefaults[] = {
    0x20, 0x35, 0x29, 0x10, 0x30, 0x1A, 0x00, 0x00, 0x45, 0x02, 0xEF, 0x10, 0xEF, 0x10, 0xEF, 0x10,
    0xFF, 0x10, 0x50, 0x03, 0x01, 0x02, 0x48, 0x96, 0xFA, 0x20, 0x1E, 0x02, 0x01, 0x20, 0x00};
static_assert(sizeof(kSensorDefaults) == 31);

// Colour table: red, orange, yellow, green, blue, spring green, cyan,
// violet, magenta, white.
constexpr Byte kColourDefaults[30] = {0xFF, 0x00, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00,
                                      0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF,
                                      0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
// DPI level colours 1..8.
constexpr Byte kCpiColourDefaults[24] = {0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x80,
                                         0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x80, 0xFF,
                                         0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00, 0xFF};

constexpr char kDefaultProductString[] = "HID Gaming mouse";
static_assert(sizeof(kDefaultProductString) - 1 == field::kUsbProductStringSize);

// Key entries 1..12: left, backward, fire key (3 clicks, 16 ms), right,
// forward, Win+D, middle, DPI loop, LED switch, three keys off.
constexpr Byte kProfileDefaults[48] = {
    0x01, 0x01, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x06, 0x12, 0x00, 0x10, 0x01, 0x02, 0x00, 0x00,
    0x01, 0x10, 0x00, 0x00, 0x02, 0x08, 0x07, 0x00, 0x01, 0x04, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00,
    0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

}  // namespace

LedType LedTypeFromString(std::string_view text) {
    if (text == "Sync") return LedType::Sync;
    if (text == "NT") return LedType::Nt;
    return LedType::Rgb;
}

std::string_view LedTypeString(LedType type) {
    switch (type) {
        case LedType::Sync:
            return "Sync";
        case LedType::Nt:
            return "NT";
        case LedType::Rgb:
            break;
    }
    return "RGB";
}

LedType LedTypeOfLedMode(Byte ledMode) {
    switch (ledMode >> 6) {
        case 0:
            return LedType::Rgb;
        case 1:
            return LedType::Sync;
        default:
            return LedType::Nt;
    }
}

void BuildVendorDefault(DataBuf& data, const DefaultsContext& context) {
    const LedType type = context.ledType;
    const bool sync = type == LedType::Sync;
    const bool nt = type == LedType::Nt;

    Put(data, field::UsbVendorId, {0x1B, 0xCF, 0x08, 0xB8});
    if (context.memoryKindI2c) data[field::Option0] = 0xBF;
    data[field::Option4] = (sync || nt) ? 0x3F : 0xFF;
    data[field::Option5] = 0x7F;
    data[field::Option6] = sync ? 0xBF : nt ? 0xCF : 0x7F;
    data[field::Option7] = 0xAF;
    std::copy(std::begin(kSensorDefaults), std::end(kSensorDefaults),
              data.bytes.begin() + field::SensorRegisters);
    if (context.package == LedPackage::Rgb) {
        Put(data, 40, {0x10, 0xE0});
    } else {
        Put(data, 40, {0x06, 0x87});
    }
    data[field::LedEffectEnable] = sync ? 0x07 : nt ? 0x37 : 0x3F;
    Put(data, field::CpiSteps, {0x03, 0x64, 0x98, 0x00, 0x00});
    if (sync) {
        Put(data, field::BreathLower, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x01, 0x2C, 0x0A});
    } else if (nt) {
        Put(data, field::BreathLower, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08});
    } else {
        Put(data, field::BreathLower, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08});
    }
    // A Sync LED has no colours of its own: both colour tables stay as they were.
    if (!sync) {
        std::copy(std::begin(kColourDefaults), std::end(kColourDefaults),
                  data.bytes.begin() + field::ColourTable);
        std::copy(std::begin(kCpiColourDefaults), std::end(kCpiColourDefaults),
                  data.bytes.begin() + field::CpiColours);
    }
    std::copy_n(kDefaultProductString, field::kUsbProductStringSize,
                data.bytes.begin() + field::UsbProductString);
    std::fill_n(data.bytes.begin() + field::ComboKeys, 4 * kComboKeyCount, Byte{0});
    Put(data, ComboKeyOffset(3), {0x08, 0x01, 0x00, 0x00});
    RecomputeVendorCheck(data);
}

void BuildUserDefault(DataBuf& data, const DefaultsContext& context) {
    const LedType type = context.ledType;
    data[field::ProfileSelect] = 0x00;
    data[field::LedMode] = type == LedType::Sync ? 0x41 : type == LedType::Nt ? 0xF5 : 0x05;
    data[field::CurrentCpi] = 0x01;
    data[field::ButtonFlash] = 0x01;
    std::fill(data.bytes.begin() + field::SwitchParams, data.bytes.begin() + field::UserCheck,
              Byte{0});
    RecomputeUserCheck(data);
}

void BuildProfileDefault(DataBuf& data, int profile) {
    std::copy(std::begin(kProfileDefaults), std::end(kProfileDefaults),
              data.bytes.begin() + static_cast<std::ptrdiff_t>(kProfileRegions[profile].offset));
    RecomputeProfileCheck(data, profile);
}

void BuildReserveDefault(DataBuf& data, const DefaultsContext& context) {
    // Ids 255/255; fire keys 2, 4 and 8 clicks at 60, 120 and 200 ms.
    Put(data, field::ManufacturerId,
        {0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00, 0x78, 0x07, 0x00, 0xC8});
    if (context.memoryKindI2c) data[field::MemoryKindMarker] = kMemoryKindI2c;
}

FireMacroName FireMacroNameOf(std::string_view ascii) {
    FireMacroName name{};
    for (std::size_t i = 0; i < ascii.size() && i < kFireMacroNameSize / 2; ++i) {
        name[2 * i] = 0;
        name[2 * i + 1] = static_cast<Byte>(ascii[i]);
    }
    return name;
}

void BuildFireMacroDefaults(std::array<FireMacroName, kFireMacroCount>& names,
                            std::array<FireMacroSteps, kFireMacroCount>& steps) {
    for (std::size_t k = 0; k < kFireMacroCount; ++k) {
        names[k] = FireMacroNameOf("Macro" + std::to_string(k + 1));
        std::fill_n(steps[k].begin(), 24, Byte{0});
    }
}

void BuildFireMacroDefaults(FireMacroBuf& block) {
    std::array<FireMacroName, kFireMacroCount> names{};
    std::array<FireMacroSteps, kFireMacroCount> steps{};
    const std::size_t stepsStart = region::FireMacroSteps.offset - region::FireMacroBlock.offset;
    for (std::size_t k = 0; k < kFireMacroCount; ++k) {
        std::copy_n(block.begin() + stepsStart + k * kFireMacroStepsSize, kFireMacroStepsSize,
                    steps[k].begin());
    }
    BuildFireMacroDefaults(names, steps);
    for (std::size_t k = 0; k < kFireMacroCount; ++k) {
        std::copy(names[k].begin(), names[k].end(), block.begin() + k * kFireMacroNameSize);
        std::copy(steps[k].begin(), steps[k].end(),
                  block.begin() + stepsStart + k * kFireMacroStepsSize);
    }
}

}  // namespace orvan
