#pragma once
// Where everything lies in the mouse's 2048-byte configuration memory.
// Offsets are image offsets: the same numbers are the memory addresses of
// the memory transfers and, for 0..191, of the live writes. Multi-byte
// numbers are big-endian unless said otherwise.

#include <cstddef>

namespace orvan {

constexpr std::size_t kImageSize = 2048;

// One region of the image: first offset and length.
struct ImageRegion {
    std::size_t offset;
    std::size_t length;
    constexpr std::size_t end() const { return offset + length; }
    // The last byte of a checked section is its check byte.
    constexpr std::size_t checkOffset() const { return offset + length - 1; }
};

namespace region {
// Checked sections: the last byte of each is its check byte.
constexpr ImageRegion Vendor{0, 164};
constexpr ImageRegion User{164, 28};
constexpr ImageRegion Profile1{192, 49};
constexpr ImageRegion Profile2{241, 49};
constexpr ImageRegion Profile3{290, 49};
constexpr ImageRegion Profiles{192, 147};  // the three back to back, one memory write
// Never interpreted: read, kept and written back as it came.
constexpr ImageRegion Carried{339, 41};
constexpr ImageRegion UnusedLow{380, 104};
constexpr ImageRegion Reserve{484, 12};
constexpr ImageRegion DeviceMacroArea{496, 512};
constexpr ImageRegion PatchHeader{1008, 16};
constexpr ImageRegion PatchCode{1024, 512};
constexpr ImageRegion FireMacroNames{1536, 160};
constexpr ImageRegion FireMacroSteps{1696, 320};
// Names and steps together; the device write of this block is 512 bytes
// and so also covers UnusedHigh.
constexpr ImageRegion FireMacroBlock{1536, 512};
constexpr ImageRegion UnusedHigh{2016, 32};
}  // namespace region

// Profile sections by key set index 0..2 (Mode A, Mode B, Third Mode).
constexpr ImageRegion kProfileRegions[3] = {region::Profile1, region::Profile2, region::Profile3};

constexpr std::size_t kKeysPerProfile = 12;
constexpr std::size_t kKeyEntrySize = 4;
constexpr std::size_t kComboKeyCount = 9;
constexpr std::size_t kFireMacroCount = 10;
constexpr std::size_t kFireMacroNameSize = 16;
constexpr std::size_t kFireMacroStepsSize = 32;
constexpr std::size_t kColourCount = 10;
constexpr std::size_t kCpiLevelCount = 8;
constexpr std::size_t kOffsetCount = 10;
constexpr std::size_t kFireKeyCount = 3;

// Fields of the vendor, user and profile sections and the reserve block.
namespace field {
// Vendor section.
constexpr std::size_t UsbVendorId = 0;   // 2 bytes
constexpr std::size_t UsbProductId = 2;  // 2 bytes
// Bits 7..6 controller variant, 5..4 report rate, 3 sensor enhancement.
constexpr std::size_t Option0 = 4;
// Bit 7 LED package, 6 key matrix, 5..4 DPI indication, 3..2 DPI set, 1..0 DPI level.
constexpr std::size_t Option4 = 5;
// Bits 7..6 sensor rotation, 5..4 DPI prescale, 3..2 fire frequency, 1..0 fire count.
constexpr std::size_t Option5 = 6;
// Bit 7/6 LED controls, 5..4 LED mode fuse, 3 combo time, 2 USB CDR, 1 sensor sleep, 0 LED power.
constexpr std::size_t Option6 = 7;
// Bits 3..0 EFT NAK, EFT ug, keep profile info, profile LED flash.
constexpr std::size_t Option7 = 8;
constexpr std::size_t SensorRegisters = 9;  // 33 bytes, 9..41
constexpr std::size_t kSensorRegisterCount = 33;
constexpr std::size_t LedEffectEnable = 42;
constexpr std::size_t CpiSteps = 43;         // levels in use minus 1
constexpr std::size_t CpiLevels = 44;        // 4 bytes, a nibble per level
constexpr std::size_t BreathLower = 48;      // 2 bytes
constexpr std::size_t BreathUpper = 50;      // 2 bytes
constexpr std::size_t BreathLowerTime = 52;  // 2 bytes
constexpr std::size_t BreathUpperTime = 54;  // 2 bytes
constexpr std::size_t BreathStepTime = 56;
constexpr std::size_t ColourTable = 57;        // 10 x RGB
constexpr std::size_t CpiColours = 87;         // 8 x RGB
constexpr std::size_t UsbProductString = 111;  // 16 single-byte characters
constexpr std::size_t kUsbProductStringSize = 16;
constexpr std::size_t ComboKeys = 127;  // 9 x 4 bytes
constexpr std::size_t VendorCheck = 163;

// User section.
constexpr std::size_t ProfileSelect = 164;  // low nibble key set, high nibble key-set colour
constexpr std::size_t LedMode = 165;        // bits 7..6 LED type, 3..0 effect
constexpr std::size_t CurrentCpi = 166;
constexpr std::size_t ButtonFlash = 167;
constexpr std::size_t SwitchParams = 168;  // 3 bytes
constexpr std::size_t XOffsets = 171;      // 10 signed bytes
constexpr std::size_t YOffsets = 181;      // 10 signed bytes
constexpr std::size_t UserCheck = 191;

// Reserve block.
constexpr std::size_t ManufacturerId = 484;
constexpr std::size_t ProductIdByte = 485;
constexpr std::size_t FireKeys = 486;  // 3 x (count - 1, delay ms big-endian)
constexpr std::size_t kFireKeySize = 3;
constexpr std::size_t MemoryKindMarker = 495;

// Patch header, offsets in the image.
constexpr std::size_t PatchLocation = 1008;  // 2 bytes, 0x0400
constexpr std::size_t PatchLength = 1010;    // 2 bytes, 0x0200
constexpr std::size_t PatchConstant = 1012;  // 2 bytes, 0x001A
constexpr std::size_t PatchCheck = 1014;     // 2 bytes
}  // namespace field

// Offset of an entry inside its table.
constexpr std::size_t ColourOffset(std::size_t k) {
    return field::ColourTable + 3 * (k - 1);
}
constexpr std::size_t CpiColourOffset(std::size_t level) {
    return field::CpiColours + 3 * (level - 1);
}
constexpr std::size_t ComboKeyOffset(std::size_t k) {
    return field::ComboKeys + 4 * (k - 1);
}
// k = 1..10.
constexpr std::size_t XOffsetOffset(std::size_t k) {
    return field::XOffsets + (k - 1);
}
constexpr std::size_t YOffsetOffset(std::size_t k) {
    return field::YOffsets + (k - 1);
}
// Key entry k (1..12) of key set `profile` (0..2).
constexpr std::size_t KeyEntryOffset(std::size_t profile, std::size_t k) {
    return kProfileRegions[profile].offset + kKeyEntrySize * (k - 1);
}
// Fire key n = 1..3 in the reserve block.
constexpr std::size_t FireKeyOffset(std::size_t n) {
    return field::FireKeys + field::kFireKeySize * (n - 1);
}

constexpr unsigned char kMemoryKindI2c = 0xE0;  // marker byte of an I2C-EEPROM image
constexpr unsigned char kSectionCheckMask = 0x5A;
constexpr unsigned kPatchCheckMask = 0x015A;
constexpr unsigned char kProfileReload = 0x0F;  // ProfileSelect value that makes the mouse reload

}  // namespace orvan
