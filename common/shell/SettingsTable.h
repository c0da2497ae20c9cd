#pragma once
// Settings tables: the 8-bit option and layout tables and, after their entries
// have been split out, the UTF-16 language tables. Lines are trimmed; empty
// lines and ";" comments are skipped; "[name]" opens a section; "key=value"
// lines inside a section define keys. Lines before the first section and lines
// without "=" (the "//" banners) define nothing. Section and key names compare
// without regard to (ASCII) case, and a key defined twice keeps its later value.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/shell/StartupProblems.h"

namespace shell {

template <class Char>
class BasicSettingsTable {
public:
    using String = std::basic_string<Char>;
    using View = std::basic_string_view<Char>;

    // Feeds one line; the current section carries over to the next call.
    void addLine(View line);

    bool hasSection(std::string_view section) const;
    // Value of key in section, or nothing when either is absent.
    std::optional<String> value(std::string_view section, std::string_view key) const;

private:
    std::map<String, std::map<String, String>> sections_;
    String current_;
    bool inSection_ = false;
};

using SettingsTable = BasicSettingsTable<char>;
using LanguageSettings = BasicSettingsTable<char16_t>;

// Parses 8-bit text; lines end at LF, CR LF or CR.
SettingsTable ParseSettingsTable(std::string_view text);

// Decimal integer with an optional sign; nothing for anything else.
std::optional<int> ParseTableNumber(std::string_view text);

// Reads keys of one section of a table and records every missing or malformed
// key, so a pass can run to its end and report all defects at once.
class TableKeys {
public:
    TableKeys(const SettingsTable& table, std::string tableName, std::string section,
              StartupProblems& problems);

    bool has(std::string_view key) const;
    // Missing or not a number: recorded, and 0 is returned.
    int number(std::string_view key) const;
    // Missing: recorded, and an empty text is returned.
    std::string text(std::string_view key) const;
    // The three keys prefix_R, prefix_G, prefix_B combined as R + 256 G + 65536 B;
    // components are held to 0..255 so a stray value cannot spill into the next.
    uint32_t colour(std::string_view prefix) const;

    const std::string& tableName() const { return tableName_; }

private:
    const SettingsTable& table_;
    std::string tableName_;
    std::string section_;
    StartupProblems& problems_;
    bool sectionMissing_ = false;
};

}  // namespace shell
