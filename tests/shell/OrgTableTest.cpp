#include "common/shell/OrgTable.h"

#include <gtest/gtest.h>

namespace {

std::string OrgText(const std::string& counted) {
    return "//////// options ////////\n[org]\n"
           "Web_Enable=1\nWeb=https://example.invalid/contact\nWeb_X=700\nWeb_Y=3\n"
           "Rev_Manu_ID=0\nRev_Pro_ID=0\nPath=\nTR_Enable=0\nGD_Enable=0\nDPILED_Status=1\n"
           "Num_Order=0\n" +
           counted;
}

TEST(OrgTable, ReadsTheShippedOptions) {
    shell::StartupProblems problems;
    auto o = shell::ReadOrgTable(shell::ParseSettingsTable(OrgText(
                                     "Gun6_Num=2\nGun7_Num=3\nModeBCheckLeftKey=1\nNum_Order=0\n")),
                                 problems);
    EXPECT_TRUE(problems.empty()) << problems.message();
    EXPECT_TRUE(o.webOpens());
    EXPECT_EQ(o.web, "https://example.invalid/contact");
    EXPECT_EQ(o.webX, 700);
    EXPECT_EQ(o.webY, 3);
    EXPECT_EQ(o.path, "");
    EXPECT_FALSE(o.textRolling());
    EXPECT_EQ(o.dpiLedStatus, 1);
    EXPECT_EQ(o.gun6Num, 2);
    EXPECT_EQ(o.gun7Num, 3);
    EXPECT_EQ(o.modeBCheckLeftKey, 1);
}

TEST(OrgTable, ClampsTheCountedOptions) {
    struct Case {
        int in, gun6, gun7, numOrder, modeB;
    };
    const Case cases[] = {
        {-5, 1, 1, 0, 0}, {0, 1, 1, 0, 0}, {1, 1, 1, 1, 1},
        {2, 2, 2, 1, 1},  {3, 2, 3, 1, 1}, {9, 2, 3, 1, 1},
    };
    for (const auto& c : cases) {
        const std::string v = std::to_string(c.in);
        shell::StartupProblems problems;
        auto o = shell::ReadOrgTable(
            shell::ParseSettingsTable(OrgText("Gun6_Num=" + v + "\nGun7_Num=" + v + "\nNum_Order=" +
                                              v + "\nModeBCheckLeftKey=" + v + "\n")),
            problems);
        SCOPED_TRACE(c.in);
        EXPECT_EQ(o.gun6Num, c.gun6);
        EXPECT_EQ(o.gun7Num, c.gun7);
        EXPECT_EQ(o.numOrder, c.numOrder);
        EXPECT_EQ(o.modeBCheckLeftKey, c.modeB);
    }
}

TEST(OrgTable, NamesMissingAndMalformedKeysAndKeepsDefaults) {
    shell::StartupProblems problems;
    auto o = shell::ReadOrgTable(shell::ParseSettingsTable("[org]\nWeb_Enable=yes\nGun6_Num=2\n"),
                                 problems);
    EXPECT_EQ(o.webEnable, 0);
    EXPECT_EQ(o.gun7Num, 3);
    const std::string message = problems.message();
    for (const char* key : {"Web_Enable", "\"Web\"", "Path", "Gun7_Num", "ModeBCheckLeftKey"}) {
        EXPECT_NE(message.find(key), std::string::npos) << key;
    }
    EXPECT_EQ(message.find("Gun6_Num"), std::string::npos);
}

TEST(OrgTable, PellisTableHoldsOnlyTheWebStrip) {
    shell::StartupProblems problems;
    auto o = shell::ReadOrgTable(shell::ParseSettingsTable("[org]\nWeb=x\nWeb_X=5\nWeb_Y=6\n"),
                                 problems, shell::OrgTableKind::Pellis);
    EXPECT_TRUE(problems.empty()) << problems.message();
    EXPECT_TRUE(o.webOpens());
    EXPECT_EQ(o.web, "x");
    EXPECT_EQ(o.webX, 5);
    EXPECT_EQ(o.webY, 6);
}

}  // namespace
