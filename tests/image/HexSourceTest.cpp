#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/default-images/HexSource.h"

namespace hexsource {
namespace {

TEST(HexSource, EveryForm) {
    const ParseResult r = Parse(
        "# header\n"
        "@0\n"
        "1b CF   # bytes, either case\n"
        "\"A\\\"\\\\\" utf16be \"Hi\"\n"
        "fill 00 to 12 @12\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bytes,
              (std::vector<std::uint8_t>{0x1B, 0xCF, 'A', '"', '\\', 0, 'H', 0, 'i', 0, 0, 0}));
}

TEST(HexSource, MistakesAreErrorsWithTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"00\n00\n@1\n", "line 3: expected offset 1, at 2"},
        {"fill FF to 4\nfill 00 to 2\n", "line 2: fill to 2 but already at 4"},
        {"ABC\n", "line 1: unknown word 'ABC'"},
        {"\"open\n\"", "line 1: text runs past the end of the line"},
        {"\"bad \\n\"", "line 1: unknown escape"},
        {"fill 0 to 3", "line 1: fill needs a hex byte"},
        {"fill 00 3", "line 1: expected 'to' after the fill byte"},
        {"fill 00 to x", "line 1: fill needs a decimal end offset"},
        {"fill 00 to 99999999999", "line 1: fill end 99999999999 is too large"},
        {"@x", "line 1: bad offset @x"},
        {"utf16be 00", "line 1: expected quoted text"},
        {"\"\xC3\xA9\"", "line 1: only printable ASCII in text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParseResult r = Parse(c.text);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, c.error);
    }
}

}  // namespace
}  // namespace hexsource
