#include "common/shell/LanguageTable.h"

#include <gtest/gtest.h>

namespace {

// A language resource as shipped: FF FE then UTF-16LE.
std::string Utf16Resource(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

TEST(LanguageTable, SplitsEntriesAtBlanksOutsideQuotes) {
    struct Case {
        std::u16string text;
        std::vector<std::u16string> entries;
    };
    const Case cases[] = {
        {u"[lang1]\r\n\"Str430=OK for clear macro?\"\r\n",
         {u"[lang1]", u"Str430=OK for clear macro?"}},
        {u"\"Say \"\"hi\"\"\"", {u"Say \"hi\""}},
        {u"  a b\tc\r\nd  ", {u"a", u"b", u"c", u"d"}},
        // A quote left open runs to the next quote and takes that entry's start.
        {u"\"Str001=Reset\r\n\"Str002=Confirm 2\"\r\n",
         {u"Str001=Reset\r\n", u"Str002=Confirm", u"2\""}},
        {u"\"open to the end", {u"open to the end"}},
        {u"\"a\"b", {u"a", u"b"}},
        {u"\"\"", {u""}},
        {u"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shell::SplitLanguageEntries(c.text), c.entries);
    }
}

TEST(LanguageTable, DecodesTheByteOrderMarkAndUtf16) {
    EXPECT_EQ(shell::DecodeLanguageBytes(Utf16Resource(u"\u0420\u0443\u0441")),
              u"\u0420\u0443\u0441");
    EXPECT_EQ(shell::DecodeLanguageBytes(Utf16Resource(u"ab") + "x"), u"ab");  // odd byte dropped
    EXPECT_EQ(shell::DecodeLanguageBytes("ab"), u"ab");                        // no mark: 8-bit
}

class LanguageTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        tables.setTable(1, Utf16Resource(u"[lang1]\r\n"
                                         u"\"FontName=Calibri\"\r\n"
                                         u"\"Title=Talvik Mouse\"\r\n"
                                         u"\"Str004=Mode A\"\r\n"
                                         u"\"Str050=Low Id\"\r\n"
                                         u"\"Str101=\"\r\n"
                                         u"\"Str210=Left Key\"\r\n"
                                         u"\"Str271=Stop\"\r\n"
                                         u"\"Str284=Stop\"\r\n"
                                         u"\"Str401=Stop\"\r\n"
                                         u"\"str700=Case\"\r\n"));
        tables.setTable(2, Utf16Resource(u"[LANG2]\r\n"
                                         u"\"Str004=\u0420\u0435\u0436\u0438\u043c A\"\r\n"
                                         u"\"Str210=\u041b\u0435\u0432\u0430\u044f\"\r\n"
                                         u"\"Str401=\u0421\u0442\u043e\u043f\"\r\n"));
        // Written with the wrong section name: finds nothing as table 3.
        tables.setTable(3, Utf16Resource(u"[lang1]\r\n\"Str004=Mode A\"\r\n"));
    }
    shell::LanguageTables tables;
};

TEST_F(LanguageTablesTest, LanguageTextReadsTheActiveTable) {
    EXPECT_EQ(tables.LanguageText("Str004"), u"Mode A");
    EXPECT_EQ(tables.LanguageText("STR700"), u"Case");
    EXPECT_EQ(tables.LanguageText("FontName"), u"Calibri");
    EXPECT_EQ(tables.LanguageText("Str999"), u"");
    tables.setActive(2);
    EXPECT_EQ(tables.LanguageText("Str004"), u"\u0420\u0435\u0436\u0438\u043c A");
    EXPECT_EQ(tables.LanguageText("Title"), u"");
    tables.setActive(3);
    EXPECT_EQ(tables.LanguageText("Str004"), u"");
    tables.setActive(7);  // ignored
    EXPECT_EQ(tables.active(), 3);
}

TEST_F(LanguageTablesTest, FindTextIdTakesTheLastMatch) {
    // "Stop" is a media key, a browser key and the record button's second caption.
    EXPECT_EQ(tables.FindTextId(u"Stop"), "Str401");
    EXPECT_EQ(tables.text(2, tables.FindTextId(u"Stop")), u"\u0421\u0442\u043e\u043f");
    EXPECT_EQ(tables.FindTextId(u"\u041b\u0435\u0432\u0430\u044f"), "Str210");  // found in table 2
    // Ids below 100 are written with leading zeros, so they never match.
    EXPECT_EQ(tables.FindTextId(u"Mode A"), "");
    EXPECT_EQ(tables.FindTextId(u"Low Id"), "");
    EXPECT_EQ(tables.FindTextId(u"MyMacro"), "");
    // An empty caption has no id, although Str101 is empty.
    EXPECT_EQ(tables.FindTextId(u""), "");
}

}  // namespace
