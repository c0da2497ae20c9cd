#include "common/shell/LanguageTable.h"

#include <optional>

namespace shell {

namespace {

bool IsSeparator(char16_t c) {
    return c <= 0x20;
}

std::string SectionOf(int n) {
    return "lang" + std::to_string(n);
}

}  // namespace

std::u16string DecodeLanguageBytes(std::string_view bytes) {
    std::u16string text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        text.reserve((bytes.size() - 2) / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            auto lo = static_cast<unsigned char>(bytes[i]);
            auto hi = static_cast<unsigned char>(bytes[i + 1]);
            text.push_back(static_cast<char16_t>(lo | (hi << 8)));
        }
        return text;
    }
    text.reserve(bytes.size());
    for (char c : bytes) text.push_back(static_cast<unsigned char>(c));
    return text;
}

std::vector<std::u16string> SplitLanguageEntries(std::u16string_view text) {
    std::vector<std::u16string> entries;
    size_t i = 0;
    const size_t n = text.size();
    auto skipSeparators = [&] {
        while (i < n && IsSeparator(text[i])) ++i;
    };
    skipSeparators();
    while (i < n) {
        std::u16string entry;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        entry.push_back(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry.push_back(text[i++]);
            }
        } else {
            size_t start = i;
            while (i < n && !IsSeparator(text[i])) ++i;
            entry.assign(text.substr(start, i - start));
        }
        entries.push_back(std::move(entry));
        skipSeparators();
    }
    return entries;
}

LanguageSettings ParseLanguageTable(std::string_view bytes) {
    LanguageSettings table;
    for (const auto& entry : SplitLanguageEntries(DecodeLanguageBytes(bytes))) {
        table.addLine(entry);
    }
    return table;
}

void LanguageTables::setTable(int n, std::string_view bytes) {
    if (n < 1 || n > kCount) return;
    tables_[n - 1] = ParseLanguageTable(bytes);
}

void LanguageTables::setActive(int n) {
    if (n >= 1 && n <= kCount) active_ = n;
}

std::u16string LanguageTables::text(int n, std::string_view id) const {
    if (n < 1 || n > kCount) return {};
    return tables_[n - 1].value(SectionOf(n), id).value_or(std::u16string());
}

std::u16string LanguageTables::LanguageText(std::string_view id) const {
    return text(active_, id);
}

std::string LanguageTables::FindTextId(std::u16string_view wanted) const {
    if (wanted.empty()) return {};
    std::string found;
    for (int n = 1; n <= kCount; ++n) {
        for (int number = 0; number <= 800; ++number) {
            std::string id = "Str" + std::to_string(number);
            auto v = tables_[n - 1].value(SectionOf(n), id);
            if (v && *v == wanted) found = id;
        }
    }
    return found;
}

}  // namespace shell
