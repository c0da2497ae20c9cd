#include "orvandesk/exchange/ImageExchange.h"

#include <algorithm>
#include <array>

#include "orvandesk/image/SectionCheck.h"

namespace orvan {

ImageExchange::ImageExchange(OrvanDevice& device, ConfigImage& image, std::function<bool()> memoryKindI2c)
    : device_(device), image_(image), memoryKindI2c_(std::move(memoryKindI2c)) {}

SectionCheckResults ImageExchange::ReadImage(const DefaultsContext& context, const DistributeHooks& hooks) {
    if (!memoryKindI2c_()) return {};
    device_.ReadDeviceMemory(0, image_.working, true);
    return DistributeImage(image_, context, hooks);
}

void ImageExchange::RefreshProfileParameter() {
    std::array<Byte, region::User.length> user{};
    device_.ReadLiveBlock(0, region::User.offset, user);
    std::copy(user.begin(), user.end(), image_.data.section(region::User).begin());
}

void ImageExchange::writeProfileSections() {
    RecomputeProfileChecks(image_.data);
    std::array<Byte, region::Profiles.length> profiles{};
    const auto source = image_.data.section(region::Profiles);
    std::copy(source.begin(), source.end(), profiles.begin());
    device_.WriteDeviceMemory(region::Profiles.offset, profiles);
}

void ImageExchange::reloadKeySet() {
    // An unknown key set followed by the real one makes the mouse load the
    // current key set again from memory.
    device_.WriteLiveBytes(field::ProfileSelect, kProfileReload, 0, 0, 1);
    device_.WriteLiveBytes(field::ProfileSelect, image_.data[field::ProfileSelect], 0, 0, 1);
}

void ImageExchange::WriteProfiles() {
    if (memoryKindI2c_()) writeProfileSections();
    RefreshProfileParameter();
    reloadKeySet();
}

void ImageExchange::WriteProfilesAndReserve() {
    if (memoryKindI2c_()) {
        writeProfileSections();
        std::array<Byte, region::Reserve.length> reserve{};
        const auto source = image_.data.section(region::Reserve);
        std::copy(source.begin(), source.end(), reserve.begin());
        device_.WriteDeviceMemory(region::Reserve.offset, reserve);
    }
    RefreshProfileParameter();
    reloadKeySet();
}

void ImageExchange::WriteVendorSection() {
    RecomputeVendorCheck(image_.data);
    device_.WriteLiveBlock(region::Vendor.offset, image_.data.section(region::Vendor));
    WriteProfiles();
}

void ImageExchange::WriteUserSection() {
    RecomputeUserCheck(image_.data);
    device_.WriteLiveBlock(region::User.offset, image_.data.section(region::User));
}

void ImageExchange::WriteWholeImage() { device_.WriteDeviceMemory(0, image_.working); }

}  // namespace orvan
