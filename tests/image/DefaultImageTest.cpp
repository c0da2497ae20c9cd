// The shipped default images as built, checked against every fact the
// program and the mouse rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "orvandesk/image/FieldCodec.h"
#include "orvandesk/image/ImageDistribution.h"
#include "orvandesk/image/KeyTextTable.h"
#include "orvandesk/image/SectionCheck.h"
#include "tools/default-images/HexSource.h"

namespace orvan {
namespace {

std::vector<Byte> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kBuilt = ORVAN_BUILT_IMAGE_DIR;
const std::string kSource = ORVAN_IMAGE_SOURCE_DIR;

class OrvanDefaultImage : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<Byte> bytes = ReadFile(kBuilt + "/ORVANDATA_CFG1.bin");
        ASSERT_EQ(bytes.size(), kImageSize);
        std::copy(bytes.begin(), bytes.end(), image_.begin());
    }
    std::vector<Byte> At(std::size_t offset, std::size_t length) const {
        return {image_.begin() + offset, image_.begin() + offset + length};
    }
    bool AllAre(ImageRegion r, Byte value) const {
        return std::all_of(image_.begin() + r.offset, image_.begin() + r.end(),
                           [value](Byte b) { return b == value; });
    }

    WorkingImage image_{};
};

TEST_F(OrvanDefaultImage, ThreeIdenticalImages) {
    const std::vector<Byte> first(image_.begin(), image_.end());
    EXPECT_EQ(ReadFile(kBuilt + "/ORVANDATA_CFG2.bin"), first);
    EXPECT_EQ(ReadFile(kBuilt + "/ORVANDATA_CFG3.bin"), first);
}

TEST_F(OrvanDefaultImage, IdentityAndReserveBlock) {
    EXPECT_EQ(ReadBe16(image_, field::UsbVendorId), 0x1BCF);
    EXPECT_EQ(ReadBe16(image_, field::UsbProductId), 0x08B8);
    std::vector<Byte> product(16, 0);
    const std::string name = "Gaming Mouse";
    std::copy(name.begin(), name.end(), product.begin());
    EXPECT_EQ(At(field::UsbProductString, 16), product);
    EXPECT_EQ(At(484, 12), (std::vector<Byte>{0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x02, 0x00, 0x3C, 0x04,
                                              0x00, 0x3C, 0xE0}));
    EXPECT_EQ(image_[field::MemoryKindMarker], kMemoryKindI2c);
    // RGB LED, effect "Blend".
    EXPECT_EQ(image_[field::LedMode], 0x04);
}

TEST_F(OrvanDefaultImage, CheckBytesAsShippedAndAllChecksPass) {
    struct Case {
        ImageRegion region;
        Byte check;
    };
    for (const Case c :
         {Case{region::Vendor, 0xC9}, Case{region::User, 0xAD}, Case{region::Profile1, 0x0C},
          Case{region::Profile2, 0x0C}, Case{region::Profile3, 0x79}}) {
        SCOPED_TRACE(c.region.offset);
        EXPECT_EQ(image_[c.region.checkOffset()], c.check);
        EXPECT_EQ(SectionCheckByte(At(c.region.offset, c.region.length - 1)), c.check);
    }
    // Distributing changes nothing and a reset writes back the same bytes.
    ConfigImage config;
    config.working = image_;
    EXPECT_TRUE(DistributeImage(config, {}).allPassed());
    config.working.fill(0xFF);
    AssembleImage(config);
    EXPECT_EQ(config.working, image_);
}

TEST_F(OrvanDefaultImage, PatchHeaderAndCode) {
    EXPECT_EQ(At(1008, 16), (std::vector<Byte>{0x04, 0x00, 0x02, 0x00, 0x00, 0x1A, 0x26, 0x1A, 0xFF,
                                               0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    const auto code = At(region::PatchCode.offset, region::PatchCode.length);
    EXPECT_EQ(PatchCodeSum(code), 0x2740);
    EXPECT_EQ(PatchCheckOf(code), 0x261A);
}

TEST_F(OrvanDefaultImage, FireMacroNamesAndUnusedAreas) {
    for (std::size_t k = 1; k <= kFireMacroCount; ++k) {
        const std::string name = "Macro" + std::to_string(k);
        std::vector<Byte> expected(16, 0);
        for (std::size_t i = 0; i < name.size(); ++i)
            expected[2 * i + 1] = static_cast<Byte>(name[i]);
        EXPECT_EQ(At(1536 + 16 * (k - 1), 16), expected) << name;
    }
    EXPECT_TRUE(AllAre(region::UnusedLow, 0xFF));
    EXPECT_TRUE(AllAre(region::UnusedHigh, 0xFF));
    EXPECT_TRUE(AllAre(region::Carried, 0xFF));
    // No device macros, cleared fire macro lists.
    EXPECT_TRUE(AllAre(region::DeviceMacroArea, 0x00));
    EXPECT_TRUE(AllAre(region::FireMacroSteps, 0x00));
}

TEST_F(OrvanDefaultImage, ASensibleStartingConfiguration) {
    ConfigImage config;
    config.working = image_;
    DistributeImage(config, {});
    KeyTextTable keys;
    FillKeyTextTable(keys, config.data);
    // Buttons 1, 4, 7, 2, 5, 6 in every key set (the first six on the key
    // page): left, right, middle, backward, forward and the DPI button.
    for (const auto& profile : keys.profiles) {
        EXPECT_EQ(profile[0], "01010000");
        EXPECT_EQ(profile[3], "01020000");
        EXPECT_EQ(profile[6], "01040000");
        EXPECT_EQ(profile[1], "01080000");
        EXPECT_EQ(profile[4], "01100000");
        EXPECT_EQ(profile[5], "09000000");
    }
    EXPECT_EQ(keys.profiles[0], keys.profiles[1]);
    EXPECT_NE(keys.profiles[0], keys.profiles[2]);
    EXPECT_EQ(keys.profiles[0][2], "09010000");  // DPI Up
    EXPECT_EQ(keys.profiles[0][8], "09020000");  // DPI Down
    EXPECT_EQ(keys.profiles[2][2], "0300E900");  // Volume +
    EXPECT_EQ(keys.profiles[2][8], "0300EA00");  // Volume -

    // Five DPI levels 800 .. 3200, starting on 1600 at 1000 Hz.
    EXPECT_EQ(image_[field::CpiSteps], 4);
    const std::span<const Byte, 4> levels(image_.begin() + field::CpiLevels, 4);
    const int expected[] = {800, 1000, 1600, 2400, 3200};
    for (int level = 1; level <= 5; ++level) {
        EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, level)), expected[level - 1]) << level;
    }
    EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, image_[field::CurrentCpi] + 1)), 1600);
    EXPECT_EQ(BitsOf(image_[field::Option0], 5, 4), 3u);
    EXPECT_EQ(image_[field::ProfileSelect] & 0x0F, 0);  // starts in Mode A
}

TEST(OrvanDefaultPcMacroLibrary, AllRecordsFree) {
    const std::vector<Byte> library = ReadFile(kBuilt + "/PCMacroData.bin");
    ASSERT_EQ(library.size(), 27200u);
    for (std::size_t i = 0; i < library.size(); ++i) {
        ASSERT_EQ(library[i], i == 26897 ? 0xFF : 0x00) << i;
    }
}

TEST(OrvanDefaultImageBuild, ReproducibleFromTheSource) {
    struct Case {
        const char* source;
        const char* built;
    };
    for (const Case c : {Case{"ORVANDATA_CFG.hex", "ORVANDATA_CFG1.bin"},
                         Case{"PCMacroData.hex", "PCMacroData.bin"}}) {
        SCOPED_TRACE(c.source);
        const std::string text = ReadText(kSource + "/" + c.source);
        const hexsource::ParseResult first = hexsource::Parse(text);
        ASSERT_TRUE(first.ok) << first.error;
        EXPECT_EQ(first.bytes, ReadFile(kBuilt + "/" + c.built));
        EXPECT_EQ(hexsource::Parse(text).bytes, first.bytes);
    }
}

}  // namespace
}  // namespace orvan
