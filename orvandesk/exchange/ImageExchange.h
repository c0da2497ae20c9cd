#pragma once
// Moving the configuration image between the mouse and the window's buffers:
// the full read, and the write patterns the settings pages use. Memory
// transfers happen only when the connected mouse's memory kind is I2C.

#include <functional>

#include "orvandesk/device/OrvanDevice.h"
#include "orvandesk/image/ImageBuffers.h"
#include "orvandesk/image/ImageDistribution.h"
#include "orvandesk/image/SectionDefaults.h"

namespace orvan {

class ImageExchange {
public:
    // `memoryKindI2c` tells, at the moment of each call, whether the
    // connected mouse was identified with the I2C memory kind.
    ImageExchange(OrvanDevice& device, ConfigImage& image, std::function<bool()> memoryKindI2c);

    // The whole image into the working image, then distributed with the
    // section checks. Nothing happens without the I2C kind.
    SectionCheckResults ReadImage(const DefaultsContext& context, const DistributeHooks& hooks);

    // The mouse's working copy of the user section into DataBuf.
    void RefreshProfileParameter();
    // The three profile sections to memory, the user section fetched back,
    // and the key set reloaded.
    void WriteProfiles();
    // As WriteProfiles, with the reserve block written too.
    void WriteProfilesAndReserve();
    // Vendor section into the working copy, then WriteProfiles.
    void WriteVendorSection();
    // User section into the working copy.
    void WriteUserSection();
    // All 2048 bytes of the working image; the caller restarts the mouse.
    void WriteWholeImage();

private:
    void writeProfileSections();
    void reloadKeySet();

    OrvanDevice& device_;
    ConfigImage& image_;
    std::function<bool()> memoryKindI2c_;
};

}  // namespace orvan
