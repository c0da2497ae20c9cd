#include "common/keys/FunctionNames.h"
#include "common/keys/UsageNames.h"

namespace keys {
namespace {

void AppendPart(std::u16string& name, std::string_view part) {
    // A usage that no key maps to has no name; leaving it out keeps the
    // caption free of dangling "+" signs.
    if (part.empty()) return;
    if (!name.empty()) name += u'+';
    name.append(part.begin(), part.end());
}

}  // namespace

std::u16string KeyCombinationName(const FunctionCode& code) {
    std::u16string name;
    const std::uint8_t modifiers = code.bytes[1];
    if (modifiers & modifier::Ctrl) AppendPart(name, "Ctrl");
    if (modifiers & modifier::Shift) AppendPart(name, "Shift");
    if (modifiers & modifier::Alt) AppendPart(name, "Alt");
    if (modifiers & modifier::Win) AppendPart(name, "Win");
    if (code.bytes[2] != 0) AppendPart(name, UsageName(code.bytes[2]));
    if (code.bytes[3] != 0) AppendPart(name, UsageName(code.bytes[3]));
    return name;
}

}  // namespace keys
