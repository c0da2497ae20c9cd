#include <gtest/gtest.h>

#include "common/keys/FunctionNames.h"
#include "common/keys/MenuItems.h"
#include "tests/keys/IdTexts.h"

namespace keys {
namespace {

using test::IdTexts;
using test::U16;

PellisFunctionContext Context() {
    PellisFunctionContext context;
    context.texts = IdTexts();
    return context;
}

TEST(PellisFunctionName, NamesOfEveryGroup) {
    const std::pair<const char*, const char*> cases[] = {
        {"00000000", "Str209"}, {"01010000", "Str210"}, {"01100000", "Str214"},
        {"01040008", ""},  // no combo masks in this program
        {"04010000", "Str220"}, {"04030000", "Str222"}, {"0F000000", "Str240"},
        {"0F010300", "Str240"},  // fire mode buttons carry the chosen modes
        {"05000000", "Str241"}, {"07000000", "Str242"}, {"09000000", "Str243"},
        {"0C000000", "Str244"}, {"0D000000", "Str245"}, {"0E000000", "Str246"},
        {"09010000", "Str247"}, {"09020000", "Str248"}, {"0300CD00", "Str250"},
        {"0300E200", "Str256"}, {"03022300", "Str260"}, {"03022A00", "Str266"},
        {"02080700", "Win+D"},  // no "Desktop" entry here
        {"02000000", "Str205"}, {"07810000", ""},       {"0B000100", ""},
        {"1006A0FF", ""},       {"0A000000", ""},       {"nonsense", ""},
    };
    const PellisFunctionContext context = Context();
    for (auto [code, name] : cases) EXPECT_EQ(FunctionName(code, context), U16(name)) << code;
}

TEST(PellisFunctionName, FireKeysMatchCountAndTwelveBitIntervalInOrder) {
    PellisFunctionContext context = Context();
    context.fireKeys = {{{2, 16, 0}, {3, 0x123, 0}, {3, 0x123, 0}, {4, 64, 0}}};
    const std::pair<const char*, const char*> cases[] = {
        {"06120010", "Str230"}, {"0613A123", "Str231"},  // the kept high bits are not part of the
                                                         // interval; 3 and 4 also match
        {"06140040", "Str233"}, {"06130010", ""},       {"06120011", ""},
    };
    for (auto [code, name] : cases) EXPECT_EQ(FunctionName(code, context), U16(name)) << code;
}

// Every code the menu gives is named back as its entry.
TEST(PellisFunctionName, MenuCodesNameBack) {
    const PellisFunctionContext context = Context();
    const std::pair<int, const char*> items[] = {
        {900, "Str210"},  {904, "Str214"},  {1000, "Str240"}, {1005, "Str245"}, {1008, "Str248"},
        {1102, "Str222"}, {1200, "Str230"}, {1203, "Str233"}, {1303, "Str253"}, {1404, "Str264"},
    };
    for (auto [item, name] : items) {
        EXPECT_EQ(FunctionName(FunctionCodeOfItem(item, context), context), U16(name)) << item;
    }
}

}  // namespace
}  // namespace keys
