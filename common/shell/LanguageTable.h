#pragma once
// Language tables: UTF-16LE text behind an FF FE byte order mark, its entries
// split at blanks and line breaks outside double quotes, each entry then read
// as one line of a settings table with a single section "[langN]".

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/shell/SettingsTable.h"

namespace shell {

// The text of a language resource: UTF-16LE after an FF FE mark; without the
// mark the bytes are taken as 8-bit characters. A dangling odd byte is dropped.
std::u16string DecodeLanguageBytes(std::string_view bytes);

// Entries of a language text. A quoted run (from a double quote to the next
// single one) is one entry without its quotes, with a doubled quote read as one;
// a quote left open runs to the next quote, or to the end of the text. An
// unquoted run ends at the next blank or control character.
std::vector<std::u16string> SplitLanguageEntries(std::u16string_view text);

LanguageSettings ParseLanguageTable(std::string_view bytes);

// The three language tables of a program and the active one.
class LanguageTables {
public:
    static constexpr int kCount = 3;

    // Table n (1..3) from its resource bytes; it is read from section "[langn]".
    void setTable(int n, std::string_view bytes);

    void setActive(int n);
    int active() const { return active_; }

    // Text of id in table n; empty when table, section or id is missing.
    std::u16string text(int n, std::string_view id) const;
    // Text of id ("Str" and three digits, "FontName", "Title") in the active table.
    std::u16string LanguageText(std::string_view id) const;
    // The id under which text appears: tables 1, 2, 3 in turn, ids "Str0" .. "Str800"
    // written without leading zeros, the last match winning. Empty when none matches.
    // An empty text has no id: it would otherwise match every absent entry.
    std::string FindTextId(std::u16string_view text) const;

private:
    std::array<LanguageSettings, kCount> tables_;
    int active_ = 1;
};

}  // namespace shell
