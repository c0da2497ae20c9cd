#pragma once
// Annotated hex: the readable source the default images are built from.
//
//   # comment            to the end of the line
//   1B CF 08 B8          bytes, two hex digits each
//   "Gaming Mouse"       ASCII characters, one byte each (\" and \\ escape)
//   utf16be "Macro1"     characters as UTF-16 code units, high byte first
//   fill FF to 380       repeat a byte until the output is 380 bytes long
//   @484                 assertion: the output is exactly 484 bytes long here
//
// Numbers after "to" and "@" are decimal image offsets. Assertions make the
// source check its own layout, so a byte too many or too few is an error
// instead of a shifted image.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hexsource {

struct ParseResult {
    bool ok = false;
    std::vector<std::uint8_t> bytes;
    std::string error;  // "line N: ..." when !ok
};

ParseResult Parse(std::string_view text);

}  // namespace hexsource
