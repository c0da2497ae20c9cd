#include <gtest/gtest.h>

#include "common/keys/FunctionNames.h"
#include "common/shell/LanguageTable.h"

namespace keys {
namespace {

// A language resource as the program carries it: UTF-16LE behind FF FE.
std::string LanguageBytes(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(FunctionNameLanguage, NamesFollowTheActiveTable) {
    shell::LanguageTables tables;
    tables.setTable(1, LanguageBytes(u"[lang1]\r\n\"Str277=Key Off\"\r\n\"Str252=Game Mode\"\r\n"));
    tables.setTable(2, LanguageBytes(u"[lang2]\r\n\"Str277=Выкл\"\r\n"));
    OrvanFunctionContext context;
    context.texts = [&tables](std::string_view id) { return tables.LanguageText(id); };

    EXPECT_EQ(FunctionName("00000000", context), u"Key Off");
    EXPECT_EQ(FunctionName("07810000", context), u"Game Mode");
    tables.setActive(2);
    EXPECT_EQ(FunctionName("00000000", context), u"Выкл");
    EXPECT_EQ(FunctionName("07810000", context), u"");  // missing from this table
    EXPECT_EQ(FunctionName("02010600", context), u"Ctrl+C");
    tables.setActive(1);
    EXPECT_EQ(FunctionName("00000000", context), u"Key Off");
}

}  // namespace
}  // namespace keys
