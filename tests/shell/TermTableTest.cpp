#include "common/shell/TermTable.h"

#include <gtest/gtest.h>

namespace {

using shell::TermLanguage;
using shell::TermText;

TEST(TermTable, EnglishColumnByIdentifier) {
    const std::pair<int, const char*> cases[] = {
        {0, "Office Mode"},       {2, "Profile3"},
        {37, "CPI 1:"},           {44, "CPI 8:"},
        {59, "Color1 R:"},        {61, "Color1 B:"},
        {88, "Color10 B:"},       {115, "Color 1"},
        {124, "Color 10"},        {107, "Enable Gun Key Switch Gaimg Mode"},
        {143, "Delect Fire Key"},
    };
    for (const auto& [id, text] : cases) EXPECT_EQ(TermText(id, TermLanguage::English), text) << id;
}

TEST(TermTable, EveryTermHasAChineseTextAndNoTraditionalOne) {
    for (int id = 0; id < shell::kTermCount; ++id) {
        EXPECT_FALSE(TermText(id, TermLanguage::English).empty()) << id;
        EXPECT_FALSE(TermText(id, TermLanguage::SimplifiedChinese).empty()) << id;
        EXPECT_TRUE(TermText(id, TermLanguage::TraditionalChinese).empty()) << id;
    }
    EXPECT_EQ(TermText(0, TermLanguage::SimplifiedChinese), "办公模式");
    EXPECT_EQ(TermText(-1, TermLanguage::English), "");
    EXPECT_EQ(TermText(144, TermLanguage::SimplifiedChinese), "");
}

TEST(TermTable, OnlyPrcChineseChoosesTheChineseColumn) {
    EXPECT_EQ(shell::TermLanguageForLocale("zh_CN"), TermLanguage::SimplifiedChinese);
    EXPECT_EQ(shell::TermLanguageForLocale("zh-Hans-CN"), TermLanguage::SimplifiedChinese);
    EXPECT_EQ(shell::TermLanguageForLocale("zh_CN.UTF-8"), TermLanguage::SimplifiedChinese);
    for (const char* other : {"zh_TW", "zh_HK", "en_US", "ru_RU", "C", ""}) {
        EXPECT_EQ(shell::TermLanguageForLocale(other), TermLanguage::English) << other;
    }
    EXPECT_EQ(shell::TermLanguageForLcid(2052), TermLanguage::SimplifiedChinese);
    EXPECT_EQ(shell::TermLanguageForLcid(1028), TermLanguage::English);
}

}  // namespace
