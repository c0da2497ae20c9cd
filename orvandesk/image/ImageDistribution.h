#pragma once
// Moving the working image into DataBuf and the block buffers (with the
// section checks on the way in) and back before a full write.

#include <cstdint>
#include <functional>

#include "orvandesk/image/ImageBuffers.h"
#include "orvandesk/image/SectionDefaults.h"

namespace orvan {

// Where distribution hands blocks to the parts that own them. An empty
// function means that part has nothing to do with it; the buffers are filled
// either way.
struct DistributeHooks {
    // The device macro area was refilled: decode it into the macro lists.
    std::function<void(const DeviceMacroAreaBuf&)> decodeDeviceMacros;
    // The fire macro working copies were refilled: show the names.
    std::function<void(const ConfigImage&)> fireMacrosDistributed;
    // Set only by the read from the mouse: show the stored patch check.
    std::function<void(std::uint16_t)> showPatchCheck;
};

// Which sections passed their check (true) or were rebuilt (false).
struct SectionCheckResults {
    bool vendor = true;
    bool user = true;
    bool profiles[3] = {true, true, true};
    bool allPassed() const { return vendor && user && profiles[0] && profiles[1] && profiles[2]; }
};

// Working image into DataBuf and the buffers, each checked section verified
// and, when its check fails, rebuilt from the defaults. A rebuilt section is
// also put back into the working image, so that the image written next is
// the one the window shows.
SectionCheckResults DistributeImage(ConfigImage& image, const DefaultsContext& context,
                                    const DistributeHooks& hooks = {});

// DataBuf and the buffers into the working image. The unused areas
// (380..483, 2016..2047) keep what the working image held.
void AssembleImage(ConfigImage& image);

}  // namespace orvan
