#include <gtest/gtest.h>

#include <array>
#include <string>

#include "orvandesk/image/FieldCodec.h"
#include "orvandesk/image/ImageLayout.h"

namespace orvan {
namespace {

TEST(OrvanFieldCodec, BigEndianSixteenBit) {
    std::array<std::uint8_t, 4> bytes{};
    WriteBe16(bytes, 0, 0x1BCF);
    WriteBe16(bytes, 2, 0x08B8);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x1B, 0xCF, 0x08, 0xB8}));
    EXPECT_EQ(ReadBe16(bytes, 0), 0x1BCF);
    EXPECT_EQ(ReadBe16(bytes, 2), 0x08B8);
}

TEST(OrvanFieldCodec, SignedOffsetBytes) {
    struct Case {
        int value;
        std::uint8_t stored;
        int readBack;
    };
    for (const Case c : {Case{-5, 0xFB, -5}, Case{0, 0x00, 0}, Case{127, 0x7F, 127},
                         Case{-128, 0x80, -128}, Case{200, 0x7F, 127}, Case{-300, 0x80, -128}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(SignedByte(c.value), c.stored);
        EXPECT_EQ(SignedOf(c.stored), c.readBack);
    }
    EXPECT_EQ(std::to_string(SignedOf(0xFB)), "-5");
}

TEST(OrvanFieldCodec, CpiLevelNibbles) {
    // Byte 44 = 0x43: level 1 = 800, level 2 = 1000.
    const std::array<std::uint8_t, 4> levels{0x43, 0x86, 0xF9, 0xFF};
    EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, 1)), 800);
    EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, 2)), 1000);
    EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, 3)), 1600);
    EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, 4)), 2400);
    EXPECT_EQ(CpiValueOf(CpiLevelIndex(levels, 5)), 3200);
    EXPECT_EQ(CpiLevelIndex(levels, 6), kCpiNoValue);
    EXPECT_EQ(CpiValueOf(kCpiNoValue), 0);
    EXPECT_EQ(CpiValueOf(12), 0);
    EXPECT_EQ(NibblePair(3, 4), 0x43);
}

TEST(OrvanFieldCodec, BitFieldsKeepTheOtherBits) {
    // Report rate in Option0 bits 5..4.
    EXPECT_EQ(BitsOf(0xBF, 5, 4), 3u);
    EXPECT_EQ(WithBits(0xBF, 5, 4, 0), 0x8F);
    EXPECT_EQ(WithBits(0x00, 5, 4, 2), 0x20);
    EXPECT_EQ(WithBits(0xFF, 0, 0, 0), 0xFE);
    // A value wider than its field does not spill into the neighbours.
    EXPECT_EQ(WithBits(0x00, 5, 4, 7), 0x30);
}

TEST(OrvanFieldCodec, HexTextIsUpperCaseFirstByteFirst) {
    const std::array<std::uint8_t, 4> code{0x1A, 0x06, 0xa0, 0xFF};
    EXPECT_EQ(HexText(code), "1A06A0FF");
}

}  // namespace
}  // namespace orvan
