#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "orvandesk/image/SectionCheck.h"
#include "orvandesk/image/SectionDefaults.h"

namespace orvan {
namespace {

constexpr Byte kSentinel = 0xA5;

DataBuf Filled() {
    DataBuf data;
    data.bytes.fill(kSentinel);
    return data;
}

std::vector<Byte> Bytes(const DataBuf& data, std::size_t from, std::size_t to) {
    return {data.bytes.begin() + from, data.bytes.begin() + to};
}

TEST(OrvanSectionDefaults, LedTypeStrings) {
    EXPECT_EQ(LedTypeFromString("RGB"), LedType::Rgb);
    EXPECT_EQ(LedTypeFromString("Sync"), LedType::Sync);
    EXPECT_EQ(LedTypeFromString("NT"), LedType::Nt);
    // Empty (no image shown yet) and unknown texts count as RGB.
    EXPECT_EQ(LedTypeFromString(""), LedType::Rgb);
    EXPECT_EQ(LedTypeFromString("sync"), LedType::Rgb);
    EXPECT_EQ(LedTypeOfLedMode(0x04), LedType::Rgb);
    EXPECT_EQ(LedTypeOfLedMode(0x41), LedType::Sync);
    EXPECT_EQ(LedTypeOfLedMode(0x85), LedType::Nt);
    EXPECT_EQ(LedTypeOfLedMode(0xF5), LedType::Nt);
}

TEST(OrvanSectionDefaults, VendorDefaultByLedType) {
    struct Case {
        LedType type;
        Byte option4, option6, effects;
        std::vector<Byte> breath;
    };
    const Case cases[] = {
        {LedType::Rgb, 0xFF, 0x7F, 0x3F, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}},
        {LedType::Sync, 0x3F, 0xBF, 0x07, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x01, 0x2C, 0x0A}},
        {LedType::Nt, 0x3F, 0xCF, 0x37, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(LedTypeString(c.type));
        DataBuf data = Filled();
        BuildVendorDefault(data, {c.type, LedPackage::Rgb, true});
        EXPECT_EQ(Bytes(data, 0, 4), (std::vector<Byte>{0x1B, 0xCF, 0x08, 0xB8}));
        EXPECT_EQ(data[field::Option0], 0xBF);
        EXPECT_EQ(data[field::Option4], c.option4);
        EXPECT_EQ(data[field::Option5], 0x7F);
        EXPECT_EQ(data[field::Option6], c.option6);
        EXPECT_EQ(data[field::Option7], 0xAF);
        EXPECT_EQ(data[field::LedEffectEnable], c.effects);
        EXPECT_EQ(Bytes(data, 43, 48), (std::vector<Byte>{0x03, 0x64, 0x98, 0x00, 0x00}));
        EXPECT_EQ(Bytes(data, 48, 57), c.breath);
        const std::string product(data.bytes.begin() + 111, data.bytes.begin() + 127);
        EXPECT_EQ(product, "HID Gaming mouse");
        std::vector<Byte> combos(36, 0);
        combos[8] = 0x08;
        combos[9] = 0x01;
        EXPECT_EQ(Bytes(data, 127, 163), combos);
        EXPECT_TRUE(SectionCheckPasses(data.section(region::Vendor)));
        // Nothing outside the vendor section changes.
        EXPECT_TRUE(std::all_of(data.bytes.begin() + 164, data.bytes.end(),
                                [](Byte b) { return b == kSentinel; }));
    }
}

TEST(OrvanSectionDefaults, SyncLeavesTheColourTablesAlone) {
    DataBuf sync = Filled();
    BuildVendorDefault(sync, {LedType::Sync, LedPackage::Rgb, true});
    EXPECT_EQ(Bytes(sync, 57, 111), std::vector<Byte>(54, kSentinel));

    DataBuf rgb = Filled();
    BuildVendorDefault(rgb, {LedType::Rgb, LedPackage::Rgb, true});
    EXPECT_EQ(Bytes(rgb, 57, 60), (std::vector<Byte>{0xFF, 0x00, 0x00}));    // colour 1 red
    EXPECT_EQ(Bytes(rgb, 84, 87), (std::vector<Byte>{0xFF, 0xFF, 0xFF}));    // colour 10 white
    EXPECT_EQ(Bytes(rgb, 87, 90), (std::vector<Byte>{0x00, 0xFF, 0x00}));    // DPI 1 green
    EXPECT_EQ(Bytes(rgb, 108, 111), (std::vector<Byte>{0x00, 0x00, 0xFF}));  // DPI 8 blue
    DataBuf nt = Filled();
    BuildVendorDefault(nt, {LedType::Nt, LedPackage::Rgb, true});
    EXPECT_EQ(Bytes(nt, 57, 111), Bytes(rgb, 57, 111));
}

TEST(OrvanSectionDefaults, PackageAndMemoryKindVariants) {
    DataBuf zuduz = Filled();
    BuildVendorDefault(zuduz, {LedType::Rgb, LedPackage::ZUduz, false});
    EXPECT_EQ(Bytes(zuduz, 40, 42), (std::vector<Byte>{0x06, 0x87}));
    // Byte 4 is set only for an I2C mouse.
    EXPECT_EQ(zuduz[field::Option0], kSentinel);
    EXPECT_TRUE(SectionCheckPasses(zuduz.section(region::Vendor)));

    DataBuf rgb = Filled();
    BuildVendorDefault(rgb, {LedType::Rgb, LedPackage::Rgb, true});
    EXPECT_EQ(Bytes(rgb, 40, 42), (std::vector<Byte>{0x10, 0xE0}));

    DataBuf reserve = Filled();
    BuildReserveDefault(reserve, {LedType::Rgb, LedPackage::Rgb, false});
    EXPECT_EQ(Bytes(reserve, 484, 496), (std::vector<Byte>{0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00,
                                                           0x78, 0x07, 0x00, 0xC8, kSentinel}));
    BuildReserveDefault(reserve, {});
    EXPECT_EQ(reserve[field::MemoryKindMarker], 0xE0);
}

TEST(OrvanSectionDefaults, UserAndProfileDefaults) {
    struct Case {
        LedType type;
        Byte ledMode;
    };
    for (const Case c :
         {Case{LedType::Rgb, 0x05}, Case{LedType::Sync, 0x41}, Case{LedType::Nt, 0xF5}}) {
        SCOPED_TRACE(LedTypeString(c.type));
        DataBuf data = Filled();
        BuildUserDefault(data, {c.type, LedPackage::Rgb, true});
        std::vector<Byte> expected(27, 0);
        expected[1] = c.ledMode;
        expected[2] = 0x01;
        expected[3] = 0x01;
        EXPECT_EQ(Bytes(data, 164, 191), expected);
        EXPECT_TRUE(SectionCheckPasses(data.section(region::User)));
    }

    DataBuf data = Filled();
    for (int p = 0; p < 3; ++p) BuildProfileDefault(data, p);
    const std::vector<Byte> keys = {0x01, 0x01, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x06, 0x12,
                                    0x00, 0x10, 0x01, 0x02, 0x00, 0x00, 0x01, 0x10, 0x00, 0x00,
                                    0x02, 0x08, 0x07, 0x00, 0x01, 0x04, 0x00, 0x00, 0x09, 0x00,
                                    0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    for (int p = 0; p < 3; ++p) {
        const ImageRegion r = kProfileRegions[p];
        EXPECT_EQ(Bytes(data, r.offset, r.offset + 48), keys) << p;
        EXPECT_TRUE(SectionCheckPasses(data.section(r))) << p;
    }
}

TEST(OrvanSectionDefaults, FireMacroDefaults) {
    FireMacroBuf block;
    block.fill(kSentinel);
    BuildFireMacroDefaults(block);
    // "Macro10" in UTF-16 big-endian, zero-padded to 16 bytes.
    const std::vector<Byte> name10 = {0, 'M', 0, 'a', 0, 'c', 0, 'r', 0, 'o', 0, '1', 0, '0', 0, 0};
    EXPECT_EQ(std::vector<Byte>(block.begin() + 144, block.begin() + 160), name10);
    EXPECT_EQ(block[1], 'M');
    EXPECT_EQ(block[11], '1');
    EXPECT_EQ(block[12], 0);
    for (std::size_t k = 0; k < kFireMacroCount; ++k) {
        const auto steps = block.begin() + 160 + 32 * k;
        EXPECT_TRUE(std::all_of(steps, steps + 24, [](Byte b) { return b == 0; })) << k;
        EXPECT_TRUE(std::all_of(steps + 24, steps + 32, [](Byte b) { return b == kSentinel; }))
            << k;
    }
    // The 32 bytes after the step lists are not fire macro data.
    EXPECT_TRUE(
        std::all_of(block.begin() + 480, block.end(), [](Byte b) { return b == kSentinel; }));
}

}  // namespace
}  // namespace orvan
