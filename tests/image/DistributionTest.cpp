#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "orvandesk/image/ImageDistribution.h"
#include "orvandesk/image/KeyTextTable.h"
#include "orvandesk/image/SectionCheck.h"

namespace orvan {
namespace {

void SetCheck(WorkingImage& image, ImageRegion r) {
    image[r.checkOffset()] =
        SectionCheckByte(std::span<const Byte>(image).subspan(r.offset, r.length - 1));
}

// Every byte differs from its neighbours, and all five checks pass.
WorkingImage Patterned() {
    WorkingImage image;
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<Byte>(i * 31 + 7);
    for (ImageRegion r :
         {region::Vendor, region::User, region::Profile1, region::Profile2, region::Profile3}) {
        SetCheck(image, r);
    }
    return image;
}

bool Equal(const WorkingImage& a, const WorkingImage& b, ImageRegion r) {
    return std::equal(a.begin() + r.offset, a.begin() + r.end(), b.begin() + r.offset);
}

TEST(OrvanDistribution, RoundTripKeepsEveryByte) {
    ConfigImage config;
    config.working = Patterned();
    const WorkingImage read = config.working;
    EXPECT_TRUE(DistributeImage(config, {}).allPassed());
    EXPECT_EQ(config.working, read);
    EXPECT_TRUE(std::equal(config.carried.begin(), config.carried.end(),
                           read.begin() + region::Carried.offset));

    // A full write assembles into the working image; the carried block and
    // the unused areas come back exactly as they were read.
    config.working.fill(0x00);
    std::copy(read.begin() + region::UnusedLow.offset, read.begin() + region::UnusedLow.end(),
              config.working.begin() + region::UnusedLow.offset);
    std::copy(read.begin() + region::UnusedHigh.offset, read.begin() + region::UnusedHigh.end(),
              config.working.begin() + region::UnusedHigh.offset);
    AssembleImage(config);
    EXPECT_EQ(config.working, read);
}

TEST(OrvanDistribution, AssembleLeavesUnusedAreasAsTheWorkingImageHeld) {
    ConfigImage config;
    config.working = Patterned();
    DistributeImage(config, {});
    config.working.fill(0x3C);
    AssembleImage(config);
    const WorkingImage read = Patterned();
    for (ImageRegion r : {region::UnusedLow, region::UnusedHigh}) {
        EXPECT_TRUE(std::all_of(config.working.begin() + r.offset, config.working.begin() + r.end(),
                                [](Byte b) { return b == 0x3C; }));
    }
    for (ImageRegion r : {region::Vendor, region::User, region::Profiles, region::Carried,
                          region::Reserve, region::DeviceMacroArea, region::PatchHeader,
                          region::PatchCode, region::FireMacroNames, region::FireMacroSteps}) {
        EXPECT_TRUE(Equal(config.working, read, r)) << r.offset;
    }
}

TEST(OrvanDistribution, OnlyTheFailingSectionIsRebuilt) {
    ConfigImage config;
    config.working = Patterned();
    config.working[region::Profile2.checkOffset()] ^= 0x01;
    const WorkingImage read = config.working;

    const SectionCheckResults results = DistributeImage(config, {});
    EXPECT_TRUE(results.vendor && results.user && results.profiles[0] && results.profiles[2]);
    EXPECT_FALSE(results.profiles[1]);

    DataBuf defaults;
    BuildProfileDefault(defaults, 1);
    EXPECT_TRUE(std::ranges::equal(config.data.section(region::Profile2),
                                   defaults.section(region::Profile2)));
    EXPECT_TRUE(std::ranges::equal(config.data.section(region::Profile1),
                                   std::span<const Byte>(read).subspan(192, 49)));
    // The working image carries the repaired section, so the next full write
    // sends what the window shows; everything else stays as read.
    EXPECT_TRUE(std::ranges::equal(std::span<const Byte>(config.working).subspan(241, 49),
                                   defaults.section(region::Profile2)));
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (i < region::Profile2.offset || i >= region::Profile2.end()) {
            ASSERT_EQ(config.working[i], read[i]) << i;
        }
    }
}

TEST(OrvanDistribution, ErasedImageShowsDefaultsAndKeepsTheBlocksErased) {
    ConfigImage config;
    config.working.fill(0xFF);
    const SectionCheckResults results = DistributeImage(config, {});
    EXPECT_FALSE(results.vendor || results.user || results.profiles[0] || results.profiles[1] ||
                 results.profiles[2]);
    EXPECT_EQ(config.data[field::UsbVendorId], 0x1B);
    EXPECT_EQ(config.data[field::LedMode], 0x05);
    EXPECT_EQ(config.data[KeyEntryOffset(2, 1)], 0x01);
    auto all = [](const auto& buffer, Byte v) {
        return std::all_of(buffer.begin(), buffer.end(), [v](Byte b) { return b == v; });
    };
    EXPECT_TRUE(all(config.carried, 0xFF));
    EXPECT_TRUE(all(config.data.section(region::Reserve), 0xFF));
    EXPECT_TRUE(all(config.macroArea, 0xFF));
    EXPECT_TRUE(all(config.patchHeader, 0xFF));
    EXPECT_TRUE(all(config.fireMacroNames[9], 0xFF));
}

TEST(OrvanDistribution, HandsTheBlocksToTheirOwners) {
    ConfigImage config;
    config.working = Patterned();
    config.working[1014] = 0x26;
    config.working[1015] = 0x1A;
    std::optional<std::uint16_t> shownCheck;
    std::optional<Byte> firstMacroByte;
    int fireCalls = 0;
    DistributeHooks hooks;
    hooks.showPatchCheck = [&](std::uint16_t check) { shownCheck = check; };
    hooks.decodeDeviceMacros = [&](const DeviceMacroAreaBuf& area) { firstMacroByte = area[0]; };
    hooks.fireMacrosDistributed = [&](const ConfigImage& c) {
        ++fireCalls;
        EXPECT_EQ(c.fireMacroNames[1][0], config.working[1552]);
        EXPECT_EQ(c.fireMacroSteps[9][31], config.working[2015]);
    };
    DistributeImage(config, {}, hooks);
    EXPECT_EQ(shownCheck, 0x261A);
    EXPECT_EQ(firstMacroByte, config.working[496]);
    EXPECT_EQ(fireCalls, 1);
}

TEST(OrvanKeyTextTable, EightHexDigitsPerEntry) {
    DataBuf data;
    for (int p = 0; p < 3; ++p) BuildProfileDefault(data, p);
    data[ComboKeyOffset(9)] = 0x0e;
    KeyTextTable table;
    FillKeyTextTable(table, data);
    EXPECT_EQ(table.profiles[0][0], "01010000");
    EXPECT_EQ(table.profiles[2][2], "06120010");
    EXPECT_EQ(table.profiles[1][11], "00000000");
    EXPECT_EQ(table.comboKeys[8], "0E000000");
    table.Clear();
    EXPECT_TRUE(table.profiles[0][0].empty());
    EXPECT_TRUE(table.comboKeys[8].empty());
}

}  // namespace
}  // namespace orvan
