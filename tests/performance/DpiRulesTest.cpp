// Which level a click on a level name adds or removes, and the bytes the
// levels and the report rate are sent as.

#include <gtest/gtest.h>

#include "orvandesk/performance/DpiRules.h"

namespace {

TEST(DpiRules, OnlyTheFirstUnusedLevelIsAddedAndOnlyTheLastUsedRemoved) {
    struct Case {
        int count, level, after;
    };
    const Case cases[] = {{4, 5, 5}, {5, 5, 4}, {4, 3, 4}, {4, 6, 4}, {1, 1, 1},
                          {1, 2, 2}, {8, 8, 7}, {7, 8, 8}, {8, 1, 8}};
    for (const Case& c : cases) {
        EXPECT_EQ(orvan::LevelCountAfterClick(c.count, c.level), c.after)
            << c.count << " levels, click " << c.level;
    }
}

TEST(DpiRules, LevelsShareTheirByteWithTheirPartner) {
    std::array<uint8_t, 8> values = {3, 9, 0, 11, 1, 2, 10, 4};
    EXPECT_EQ(orvan::CpiPairByte(values, 2), 0x93);
    EXPECT_EQ(orvan::CpiPairByte(values, 1), 0x93);
    EXPECT_EQ(orvan::CpiPairByte(values, 3), 0xB0);
    EXPECT_EQ(orvan::CpiPairByte(values, 8), 0x4A);
    EXPECT_EQ(orvan::CpiPairAddress(1), 44);
    EXPECT_EQ(orvan::CpiPairAddress(4), 45);
    EXPECT_EQ(orvan::CpiPairAddress(8), 47);
}

TEST(DpiRules, ReportRateBitsKeepTheOtherBitsOfOption0) {
    EXPECT_EQ(orvan::ReportRateOption(0x30), 4);
    EXPECT_EQ(orvan::ReportRateOption(0xCF), 1);
    EXPECT_EQ(orvan::WithReportRateOption(0xFF, 3), 0xEF);
    EXPECT_EQ(orvan::WithReportRateOption(0x00, 3), 0x20);
    EXPECT_EQ(orvan::WithReportRateOption(0x8A, 1), 0x8A);
}

}  // namespace
