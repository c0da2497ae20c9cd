#include "orvandesk/image/SectionCheck.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "orvandesk/image/FieldCodec.h"

namespace orvan {

namespace {

void Recompute(DataBuf& data, ImageRegion r) {
    auto section = data.section(r);
    section.back() = SectionCheckByte(section.first(r.length - 1));
}

bool CheckProfileSection(DataBuf& data, int profile) {
    if (SectionCheckPasses(data.section(kProfileRegions[profile]))) return true;
    BuildProfileDefault(data, profile);
    return false;
}

}  // namespace

Byte SectionCheckByte(std::span<const Byte> bytesBeforeCheck) {
    const unsigned sum = std::accumulate(bytesBeforeCheck.begin(), bytesBeforeCheck.end(), 0u);
    return static_cast<Byte>((sum & 0xFF) ^ kSectionCheckMask);
}

bool SectionCheckPasses(std::span<const Byte> section) {
    return !section.empty() &&
           SectionCheckByte(section.first(section.size() - 1)) == section.back();
}

void RecomputeVendorCheck(DataBuf& data) {
    Recompute(data, region::Vendor);
}
void RecomputeUserCheck(DataBuf& data) {
    Recompute(data, region::User);
}
void RecomputeProfileCheck(DataBuf& data, int profile) {
    Recompute(data, kProfileRegions[profile]);
}
void RecomputeProfileChecks(DataBuf& data) {
    for (int p = 0; p < 3; ++p) RecomputeProfileCheck(data, p);
}

std::uint16_t PatchCodeSum(std::span<const Byte> code) {
    const unsigned sum = std::accumulate(code.begin(), code.end(), 0u);
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

std::uint16_t PatchCheckOf(std::span<const Byte> code) {
    return static_cast<std::uint16_t>(PatchCodeSum(code) ^ kPatchCheckMask);
}

void CheckEEPatchCodeSection(PatchHeaderBuf& header, std::span<const Byte> code) {
    constexpr Byte kFixed[6] = {0x04, 0x00, 0x02, 0x00, 0x00, 0x1A};
    std::copy(std::begin(kFixed), std::end(kFixed), header.begin());
    WriteBe16(header, field::PatchCheck - region::PatchHeader.offset, PatchCheckOf(code));
}

bool CheckVendorSection(DataBuf& data, const DefaultsContext& context) {
    if (SectionCheckPasses(data.section(region::Vendor))) return true;
    BuildVendorDefault(data, context);
    return false;
}

bool CheckUserSection(DataBuf& data, const DefaultsContext& context) {
    if (SectionCheckPasses(data.section(region::User))) return true;
    BuildUserDefault(data, context);
    return false;
}

bool CheckProfile1Section(DataBuf& data) {
    return CheckProfileSection(data, 0);
}
bool CheckProfile2Section(DataBuf& data) {
    return CheckProfileSection(data, 1);
}
bool CheckProfile3Section(DataBuf& data) {
    return CheckProfileSection(data, 2);
}

}  // namespace orvan
