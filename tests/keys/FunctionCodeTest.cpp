#include <gtest/gtest.h>

#include "common/keys/FunctionCode.h"

namespace keys {
namespace {

TEST(FunctionCode, TextIsEightUpperCaseDigitsByteZeroFirst) {
    EXPECT_EQ(FunctionCodeText({0x01, 0x01, 0x00, 0x00}), "01010000");
    EXPECT_EQ(FunctionCodeText({0x10, 0x06, 0xA0, 0xFF}), "1006A0FF");
    EXPECT_EQ(FunctionCodeText({}), "00000000");
}

TEST(FunctionCode, ParseTakesEitherCaseAndRoundTrips) {
    EXPECT_EQ(ParseFunctionCode("02010600"), (FunctionCode{0x02, 0x01, 0x06, 0x00}));
    EXPECT_EQ(ParseFunctionCode("1006a0ff"), (FunctionCode{0x10, 0x06, 0xA0, 0xFF}));
    for (const char* text : {"00000000", "0B8F0000", "07D1F020", "FFFFFFFF"}) {
        const auto code = ParseFunctionCode(text);
        ASSERT_TRUE(code) << text;
        EXPECT_EQ(FunctionCodeText(*code), text);
    }
}

TEST(FunctionCode, ParseRefusesAnythingButEightHexDigits) {
    for (const char* text : {"", "0101000", "010100000", "0101000G", "0x010100", " 1010000",
                             "0101 000", "-1010000", "+1010000",
                             "\x01"
                             "1010000"}) {
        EXPECT_FALSE(ParseFunctionCode(text)) << text;
    }
    EXPECT_FALSE(ParseFunctionCode(std::string_view("0101\0000", 8)));
}

}  // namespace
}  // namespace keys
