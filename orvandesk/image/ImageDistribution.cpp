#include "orvandesk/image/ImageDistribution.h"

#include <algorithm>
#include <span>

#include "orvandesk/image/FieldCodec.h"
#include "orvandesk/image/SectionCheck.h"

namespace orvan {

namespace {

std::span<const Byte> From(const WorkingImage& image, ImageRegion r) {
    return std::span<const Byte>(image).subspan(r.offset, r.length);
}

std::span<Byte> Into(WorkingImage& image, ImageRegion r) {
    return std::span<Byte>(image).subspan(r.offset, r.length);
}

template <typename Buffer>
void CopyOut(const WorkingImage& image, ImageRegion r, Buffer& buffer) {
    const auto bytes = From(image, r);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
}

// Section of DataBuf into the working image.
void CopyBack(const DataBuf& data, ImageRegion r, WorkingImage& image) {
    const auto bytes = data.section(r);
    std::copy(bytes.begin(), bytes.end(), Into(image, r).begin());
}

void CopyToData(const WorkingImage& image, ImageRegion r, DataBuf& data) {
    const auto bytes = From(image, r);
    std::copy(bytes.begin(), bytes.end(), data.section(r).begin());
}

}  // namespace

SectionCheckResults DistributeImage(ConfigImage& image, const DefaultsContext& context,
                                    const DistributeHooks& hooks) {
    SectionCheckResults results;
    DataBuf& data = image.data;
    const WorkingImage& working = image.working;

    CopyToData(working, region::Vendor, data);
    results.vendor = CheckVendorSection(data, context);
    CopyToData(working, region::User, data);
    results.user = CheckUserSection(data, context);
    CopyToData(working, region::Profile1, data);
    results.profiles[0] = CheckProfile1Section(data);
    CopyToData(working, region::Profile2, data);
    results.profiles[1] = CheckProfile2Section(data);
    CopyToData(working, region::Profile3, data);
    results.profiles[2] = CheckProfile3Section(data);

    if (!results.vendor) CopyBack(data, region::Vendor, image.working);
    if (!results.user) CopyBack(data, region::User, image.working);
    for (int p = 0; p < 3; ++p) {
        if (!results.profiles[p]) CopyBack(data, kProfileRegions[p], image.working);
    }

    CopyOut(working, region::Carried, image.carried);
    CopyToData(working, region::Reserve, data);

    CopyOut(working, region::DeviceMacroArea, image.macroArea);
    if (hooks.decodeDeviceMacros) hooks.decodeDeviceMacros(image.macroArea);

    CopyOut(working, region::PatchHeader, image.patchHeader);
    if (hooks.showPatchCheck) {
        hooks.showPatchCheck(
            ReadBe16(image.patchHeader, field::PatchCheck - region::PatchHeader.offset));
    }
    CopyOut(working, region::PatchCode, image.patchCode);

    CopyOut(working, region::FireMacroBlock, image.fireMacros);
    const std::size_t stepsStart = region::FireMacroSteps.offset - region::FireMacroBlock.offset;
    for (std::size_t k = 0; k < kFireMacroCount; ++k) {
        std::copy_n(image.fireMacros.begin() + k * kFireMacroNameSize, kFireMacroNameSize,
                    image.fireMacroNames[k].begin());
        std::copy_n(image.fireMacros.begin() + stepsStart + k * kFireMacroStepsSize,
                    kFireMacroStepsSize, image.fireMacroSteps[k].begin());
    }
    if (hooks.fireMacrosDistributed) hooks.fireMacrosDistributed(image);
    return results;
}

void AssembleImage(ConfigImage& image) {
    WorkingImage& working = image.working;
    for (ImageRegion r : {region::Vendor, region::User, region::Profile1, region::Profile2,
                          region::Profile3, region::Reserve}) {
        CopyBack(image.data, r, working);
    }
    std::copy(image.carried.begin(), image.carried.end(), Into(working, region::Carried).begin());
    std::copy(image.macroArea.begin(), image.macroArea.end(),
              Into(working, region::DeviceMacroArea).begin());
    std::copy(image.patchHeader.begin(), image.patchHeader.end(),
              Into(working, region::PatchHeader).begin());
    std::copy(image.patchCode.begin(), image.patchCode.end(),
              Into(working, region::PatchCode).begin());
    // Only names and steps: the 32 bytes after them are the unused area.
    const std::size_t namesAndSteps = region::FireMacroNames.length + region::FireMacroSteps.length;
    std::copy_n(image.fireMacros.begin(), namesAndSteps,
                Into(working, region::FireMacroBlock).begin());
}

}  // namespace orvan
