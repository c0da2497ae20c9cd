#pragma once
// The built-in term table that captions the engineering page: 144 terms, each
// in English, Traditional Chinese (left empty) and Simplified Chinese.

#include <string>
#include <string_view>

namespace shell {

enum class TermLanguage { English, TraditionalChinese, SimplifiedChinese };

constexpr int kTermCount = 144;

// The term column for a locale name such as "zh_CN" or "zh-Hans-CN": Simplified
// Chinese for Chinese as written in the PRC, English for everything else.
TermLanguage TermLanguageForLocale(std::string_view localeName);

// The same choice from a Windows locale id: 2052 (Chinese, PRC) picks Simplified Chinese.
TermLanguage TermLanguageForLcid(unsigned lcid);

// Text of term id (0..143) in the given column, UTF-8; empty for any other id.
std::string TermText(int id, TermLanguage language);

}  // namespace shell
