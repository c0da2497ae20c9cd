#include "common/keys/FunctionNames.h"
#include "common/keys/FunctionTextIds.h"
#include "common/keys/PellisRows.h"

namespace keys {
namespace {

namespace id = pellis_text;

constexpr std::array<CodeRun, 5> kNamedRuns = {
    kPellisMouseRun, kPellisSpecialRun, kPellisPowerRun, kPellisMediaRun, kPellisBrowserRun,
};

std::u16string Text(const PellisFunctionContext& c, int textId) {
    return LookupText(c.texts, textId);
}

}  // namespace

std::u16string FunctionName(const FunctionCode& code, const PellisFunctionContext& c) {
    const auto& b = code.bytes;
    if (code == FunctionCode{}) return Text(c, id::KeyOff);
    // Fire mode buttons carry the chosen mode numbers in bytes 1..3, and the
    // AIM key has no level here: both are named by their type alone.
    if (code.is(FunctionType::FireMode)) return Text(c, id::FireMode);
    if (code.is(FunctionType::Aim)) return Text(c, id::AimKey);
    // Fire keys by the current count and the interval's twelve bits; the first match wins.
    if (code.is(FunctionType::FireKey)) {
        const int count = b[1] & 0x0F;
        const int interval = static_cast<int>(code.low16() & 0x0FFF);
        for (int n = 0; n < kPellisFireKeyCount; ++n) {
            const PellisFireKey& key = c.fireKeys[n];
            if (key.count == count && key.intervalMs == interval) {
                return Text(c, id::FirstFireKey + n);
            }
        }
        return {};
    }
    if (auto textId = TextOfCodeInRuns(kNamedRuns, code)) return Text(c, *textId);
    return CompositeFunctionName(code, c);
}

std::u16string FunctionName(std::string_view codeText, const PellisFunctionContext& context) {
    const auto code = ParseFunctionCode(codeText);
    return code ? FunctionName(*code, context) : std::u16string{};
}

std::u16string CompositeFunctionName(const FunctionCode& code, const PellisFunctionContext& c) {
    if (!code.is(FunctionType::KeyCombination)) return {};
    std::u16string name = KeyCombinationName(code);
    return name.empty() ? Text(c, id::UserDefined) : name;
}

std::u16string CompositeFunctionName(std::string_view codeText,
                                     const PellisFunctionContext& context) {
    const auto code = ParseFunctionCode(codeText);
    return code ? CompositeFunctionName(*code, context) : std::u16string{};
}

}  // namespace keys
