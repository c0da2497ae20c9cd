#pragma once
// The buffers the window keeps the configuration in: the working image, the
// settings part the pages edit (DataBuf) and one buffer per block.

#include <array>
#include <cstdint>
#include <span>

#include "orvandesk/image/ImageLayout.h"

namespace orvan {

using Byte = std::uint8_t;

// All 2048 bytes, as last read from or to be written to the mouse.
using WorkingImage = std::array<Byte, kImageSize>;

// The vendor, user and profile sections and the reserve block, indexed by
// image offset so that every field is addressed by its image offset. Bytes
// 339..483 are not part of it (the carried block has its own buffer) and
// stay unused.
struct DataBuf {
    std::array<Byte, region::Reserve.end()> bytes{};

    Byte& operator[](std::size_t offset) { return bytes[offset]; }
    Byte operator[](std::size_t offset) const { return bytes[offset]; }
    std::span<Byte> section(ImageRegion r) {
        return std::span<Byte>(bytes).subspan(r.offset, r.length);
    }
    std::span<const Byte> section(ImageRegion r) const {
        return std::span<const Byte>(bytes).subspan(r.offset, r.length);
    }
};

using CarriedBlock = std::array<Byte, region::Carried.length>;
using DeviceMacroAreaBuf = std::array<Byte, region::DeviceMacroArea.length>;
using PatchHeaderBuf = std::array<Byte, region::PatchHeader.length>;
using PatchCodeBuf = std::array<Byte, region::PatchCode.length>;
// Names, steps and the 32 bytes after them, as the device block of 512 bytes.
using FireMacroBuf = std::array<Byte, region::FireMacroBlock.length>;
using FireMacroName = std::array<Byte, kFireMacroNameSize>;
using FireMacroSteps = std::array<Byte, kFireMacroStepsSize>;

// Everything the main window owns of the image.
struct ConfigImage {
    WorkingImage working{};
    DataBuf data;
    CarriedBlock carried{};
    DeviceMacroAreaBuf macroArea{};
    PatchHeaderBuf patchHeader{};
    PatchCodeBuf patchCode{};
    FireMacroBuf fireMacros{};
    // Working copies the fire page edits.
    std::array<FireMacroName, kFireMacroCount> fireMacroNames{};
    std::array<FireMacroSteps, kFireMacroCount> fireMacroSteps{};
};

}  // namespace orvan
