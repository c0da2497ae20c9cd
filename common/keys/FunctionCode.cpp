#include "common/keys/FunctionCode.h"

namespace keys {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string HexByte(std::uint8_t value) {
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string FunctionCodeText(const FunctionCode& code) {
    std::string text;
    text.reserve(8);
    for (std::uint8_t b : code.bytes) text += HexByte(b);
    return text;
}

std::optional<FunctionCode> ParseFunctionCode(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    FunctionCode code;
    for (std::size_t i = 0; i < 4; ++i) {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        code.bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return code;
}

}  // namespace keys
