#include "common/shell/KeptTexts.h"

#include <array>
#include <utility>

namespace shell {

namespace {

// Inclusive ranges of kept ids.
constexpr std::array<std::pair<int, int>, 15> kKept = {{
    {4, 5},
    {22, 22},
    {100, 108},
    {210, 210},
    {212, 214},
    {221, 223},
    {231, 233},
    {251, 253},
    {260, 260},
    {277, 277},
    {300, 311},
    {400, 401},
    {420, 421},
    {430, 430},
    {600, 606},
}};

std::string IdOf(int number) {
    std::string digits = std::to_string(number);
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    return "Str" + digits;
}

}  // namespace

void KeptTexts::keepFrom(const LanguageTables& tables) {
    texts_.clear();
    for (const auto& [first, last] : kKept) {
        for (int n = first; n <= last; ++n) texts_[IdOf(n)] = tables.LanguageText(IdOf(n));
    }
    fontName_ = tables.LanguageText("FontName");
    title_ = tables.LanguageText("Title");
}

std::u16string KeptTexts::text(std::string_view id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::u16string() : it->second;
}

}  // namespace shell
