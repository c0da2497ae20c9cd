#include "common/shell/SettingsTable.h"

#include <gtest/gtest.h>

namespace {

using shell::ParseSettingsTable;

TEST(SettingsTable, ReadsKeysByTheLineRules) {
    const auto table = ParseSettingsTable(
        "// banner line = not a key\r\n"
        "Before=1\r\n"
        "  [Org1]  \r\n"
        "; Size_A=99\r\n"
        "   Size_A = 13   \r\n"
        "Color_D_Border_R=45\n"
        "\tNoEquals\n"
        "Color_D_Border_R=249\r"
        "Empty=\n"
        "Text=a = b\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;  // nullptr: absent
    };
    const Case cases[] = {
        {"org1", "Size_A", "13"},             // trimmed key and value, comment skipped
        {"ORG1", "size_a", "13"},             // names compare without case
        {"org1", "Color_D_Border_R", "249"},  // the later duplicate wins, CR-only line end
        {"org1", "Empty", ""},
        {"org1", "Text", "a = b"},    // split at the first "="
        {"org1", "Before", nullptr},  // before the first section
        {"org1", "// banner line", nullptr},
        {"org1", "NoEquals", nullptr},
        {"org2", "Size_A", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        auto v = table.value(c.section, c.key);
        if (c.expected == nullptr) {
            EXPECT_FALSE(v.has_value());
        } else {
            ASSERT_TRUE(v.has_value());
            EXPECT_EQ(*v, c.expected);
        }
    }
}

TEST(SettingsTable, SectionOpenedTwiceAddsToTheFirst) {
    const auto table = ParseSettingsTable("[a]\nx=1\n[b]\nx=2\n[A]\ny=3\nx=4\n");
    EXPECT_EQ(table.value("a", "x").value_or(""), "4");
    EXPECT_EQ(table.value("a", "y").value_or(""), "3");
    EXPECT_EQ(table.value("b", "x").value_or(""), "2");
}

TEST(SettingsTable, NumbersAreDecimalIntegers) {
    EXPECT_EQ(shell::ParseTableNumber("602"), 602);
    EXPECT_EQ(shell::ParseTableNumber("-4"), -4);
    EXPECT_EQ(shell::ParseTableNumber("+7"), 7);
    for (const char* bad : {"", "-", "12a", "0x10", "$10", " 5", "99999999999"}) {
        EXPECT_FALSE(shell::ParseTableNumber(bad).has_value()) << bad;
    }
}

TEST(TableKeys, RecordsEveryMissingOrMalformedKeyOnce) {
    const auto table = ParseSettingsTable("[org1]\nSize_A=13\nP1_X=abc\nC_R=300\nC_G=-1\nC_B=2\n");
    shell::StartupProblems problems;
    shell::TableKeys keys(table, "ORG1", "org1", problems);
    EXPECT_EQ(keys.number("Size_A"), 13);
    EXPECT_EQ(keys.number("P1_X"), 0);
    EXPECT_EQ(keys.number("P1_Y"), 0);
    EXPECT_EQ(keys.number("P1_Y"), 0);
    // Out-of-range components are held to a byte so they cannot spill over.
    EXPECT_EQ(keys.colour("C"), 255u + 0u * 256 + 2u * 65536);
    ASSERT_EQ(problems.items().size(), 2u);
    EXPECT_NE(problems.items()[0].find("\"P1_X\""), std::string::npos);
    EXPECT_NE(problems.items()[1].find("\"P1_Y\""), std::string::npos);
    EXPECT_NE(problems.message().find("ORG1"), std::string::npos);
}

TEST(TableKeys, MissingSectionIsOneProblem) {
    const auto table = ParseSettingsTable("[org1]\nSize_A=13\n");
    shell::StartupProblems problems;
    shell::TableKeys keys(table, "ORG3", "org3", problems);
    keys.number("Size_A");
    keys.text("Title");
    ASSERT_EQ(problems.items().size(), 1u);
    EXPECT_NE(problems.items()[0].find("[org3]"), std::string::npos);
}

TEST(TableKeys, ColourIsRedPlus256GreenPlus65536Blue) {
    const auto table =
        ParseSettingsTable("[org1]\nColor_G_SP_R=1\nColor_G_SP_G=83\nColor_G_SP_B=133\n");
    shell::StartupProblems problems;
    shell::TableKeys keys(table, "ORG1", "org1", problems);
    EXPECT_EQ(keys.colour("Color_G_SP"), 1u + 256u * 83 + 65536u * 133);
    EXPECT_TRUE(problems.empty());
}

}  // namespace
