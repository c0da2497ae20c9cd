// The shipped language tables: every id the program asks for is there, the
// tables miss exactly the ids they are meant to miss, the built files are the
// sources in UTF-16LE, and key labels keep their meaning across switches.

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/shell/LanguageTable.h"
#include "resources/orvandesk/lang/LangNames.h"

namespace {

constexpr int kTables = 3;

std::set<int> Range(int first, int last) {
    std::set<int> ids;
    for (int id = first; id <= last; ++id) ids.insert(id);
    return ids;
}

std::set<int> Union(std::initializer_list<std::set<int>> parts) {
    std::set<int> all;
    for (const auto& p : parts) all.insert(p.begin(), p.end());
    return all;
}

// Every text id orvandesk reads: buttons and hints, messages, the key menu and
// function names, DPI values, the macro and update pages, the dialogs, the fire
// page and the mode-switch options.
const std::set<int> kUsedIds = Union({
    Range(1, 16),         {20, 21, 22},    Range(100, 108),
    Range(200, 208),      Range(210, 214), Range(220, 223),
    Range(230, 233),      Range(240, 243), Range(250, 254),
    Range(260, 277),      Range(280, 286), Range(290, 293),
    Range(300, 311),      {400, 401, 402}, Range(404, 418),
    {420, 421, 422, 430}, Range(432, 435), {440, 441, 442},
    {450, 451},           Range(454, 458), {500, 501, 502, 510, 511, 512},
    Range(520, 524),      Range(600, 606), Range(610, 614),
    {620, 621},           Range(700, 707),
});

// Ids each table leaves out on purpose (index = table - 1).
const std::set<int> kAbsentIds[kTables] = {{}, {108, 524}, Union({{16}, Range(700, 707)})};

// Every text a key label can show (function names).
const std::set<int> kFunctionNameIds = Union({
    {205},
    Range(210, 214),
    Range(221, 223),
    Range(231, 233),
    Range(241, 243),
    Range(251, 254),
    Range(260, 266),
    Range(268, 277),
    Range(280, 286),
    Range(290, 293),
    Range(600, 606),
});

std::string Id(int number) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "Str%03d", number);
    return buf;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SourceText(int n) {
    std::string text =
        ReadBytes(std::filesystem::path(LANG_SOURCE_DIR) / ("LANG" + std::to_string(n) + ".txt"));
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    return text;
}

std::string BuiltBytes(int n) {
    return ReadBytes(std::filesystem::path(LANG_BUILT_DIR) / ("LANG" + std::to_string(n)));
}

std::string Section(int n) {
    return "lang" + std::to_string(n);
}

std::u16string U16(const std::string& utf8) {
    return QString::fromUtf8(utf8).toStdU16String();
}

std::string Utf8(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}

// Key and text of every entry of table n, as the reader splits the built file.
std::vector<std::pair<std::u16string, std::u16string>> Entries(int n) {
    std::vector<std::pair<std::u16string, std::u16string>> result;
    const auto entries = shell::SplitLanguageEntries(shell::DecodeLanguageBytes(BuiltBytes(n)));
    for (size_t i = 1; i < entries.size(); ++i) {  // entry 0 is the section line
        const auto eq = entries[i].find(u'=');
        if (eq == std::u16string::npos) {
            ADD_FAILURE() << "table " << n << ": entry without '=': " << Utf8(entries[i]);
            continue;
        }
        result.emplace_back(entries[i].substr(0, eq), entries[i].substr(eq + 1));
    }
    return result;
}

shell::LanguageTables AllTables() {
    shell::LanguageTables tables;
    for (int n = 1; n <= kTables; ++n) tables.setTable(n, BuiltBytes(n));
    return tables;
}

TEST(LanguageTables, BuiltFileIsTheSourceInUtf16LeAndEmbedded) {
    for (int n = 1; n <= kTables; ++n) {
        SCOPED_TRACE("table " + std::to_string(n));
        const std::string built = BuiltBytes(n);
        ASSERT_GE(built.size(), 2u);
        EXPECT_EQ(built.substr(0, 2), "\xFF\xFE");
        ASSERT_EQ(built.size() % 2, 0u);
        EXPECT_EQ(Utf8(shell::DecodeLanguageBytes(built)), SourceText(n));

        QFile resource(QString::fromUtf8(orvandesk::res::LanguageTableResource(n).data()));
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << "resource missing";
        EXPECT_EQ(resource.readAll().toStdString(), built);
    }
    EXPECT_TRUE(orvandesk::res::LanguageTableResource(0).empty());
    EXPECT_TRUE(orvandesk::res::LanguageTableResource(4).empty());
}

// A quote that is lost or doubled by mistake makes one source line swallow the
// next, or split in two; each line must come out as exactly one entry.
TEST(LanguageTables, EverySourceLineIsOneEntry) {
    for (int n = 1; n <= kTables; ++n) {
        SCOPED_TRACE("table " + std::to_string(n));
        const std::string source = SourceText(n);
        std::vector<std::u16string> expected;
        size_t start = 0;
        int lineNumber = 0;
        while (start < source.size()) {
            size_t end = source.find('\n', start);
            if (end == std::string::npos) end = source.size();
            const std::string line = source.substr(start, end - start);
            start = end + 1;
            ++lineNumber;
            if (line.empty()) continue;
            if (lineNumber == 1) {
                EXPECT_EQ(line, "[" + Section(n) + "]");
            } else {
                EXPECT_TRUE(line.size() >= 2 && line.front() == '"' && line.back() == '"')
                    << "line " << lineNumber << " not enclosed in quotes: " << line;
            }
            const auto own = shell::SplitLanguageEntries(U16(line));
            ASSERT_EQ(own.size(), 1u) << "line " << lineNumber << ": " << line;
            expected.push_back(own[0]);
        }
        EXPECT_EQ(shell::SplitLanguageEntries(shell::DecodeLanguageBytes(BuiltBytes(n))), expected);
    }
}

TEST(LanguageTables, HoldExactlyTheUsedIdsLessTheirGaps) {
    for (int n = 1; n <= kTables; ++n) {
        SCOPED_TRACE("table " + std::to_string(n));
        std::set<int> wanted;
        for (int id : kUsedIds) {
            if (!kAbsentIds[n - 1].count(id)) wanted.insert(id);
        }
        std::set<int> found;
        std::set<std::string> seen;
        for (const auto& [key, text] : Entries(n)) {
            const std::string k = Utf8(key);
            std::string folded = QString::fromStdString(k).toLower().toStdString();
            EXPECT_TRUE(seen.insert(folded).second) << "key twice: " << k;
            // The reader trims blanks; a text cannot keep them at its ends.
            EXPECT_TRUE(text.empty() || (text.front() != u' ' && text.back() != u' ')) << k;
            if (k == "FontName" || k == "Title") continue;
            const bool wellFormed = k.size() == 6 && k.rfind("Str", 0) == 0 &&
                                    k.find_first_not_of("0123456789", 3) == std::string::npos;
            if (!wellFormed) {
                ADD_FAILURE() << "unexpected key " << k;
                continue;
            }
            found.insert(std::stoi(k.substr(3)));
        }
        EXPECT_EQ(found, wanted);

        // And the reader itself finds each of them, empty texts included.
        const auto table = shell::ParseLanguageTable(BuiltBytes(n));
        for (int id : kUsedIds) {
            EXPECT_EQ(table.value(Section(n), Id(id)).has_value(), wanted.count(id) == 1) << Id(id);
        }
    }
}

TEST(LanguageTables, FixedTexts) {
    struct Case {
        int table;
        std::string key;
        std::string text;
    };
    const Case cases[] = {
        {1, "FontName", "Calibri"},
        {2, "FontName", "Calibri"},
        {3, "FontName", "MS Sans Serif"},
        {1, "Title", "Talvik Mouse"},
        {2, "Title", "Talvik Mouse"},
        {3, "Title", "Gaming Mouse"},
        {1, "Str101", ""},
        {2, "Str101", ""},
        {3, "Str101", "Please check your device is attached to USB port"},
        {1, "Str430", "OK for clear macro?"},
        {1, "Str200", "*"},
        {2, "Str200", "*"},
        {1, "Str271", "Stop"},
        {1, "Str284", "Stop"},
        {1, "Str401", "Stop"},
    };
    const auto tables = AllTables();
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(tables.text(c.table, c.key)), c.text) << "table " << c.table << " " << c.key;
    }
    // The DPI slider shows the same twelve values in every language.
    const char* dpi[] = {"200",  "400",  "600",  "800",  "1000", "1200",
                         "1600", "2000", "2400", "3200", "4800", "6400"};
    for (int n = 1; n <= kTables; ++n) {
        for (int i = 0; i < 12; ++i) EXPECT_EQ(Utf8(tables.text(n, Id(300 + i))), dpi[i]) << n;
    }
}

// Only language-neutral texts may stay as they are in the Russian table.
TEST(LanguageTables, RussianTableIsTranslated) {
    std::set<int> neutral = Union({{11, 101, 200, 420, 421, 511}, Range(300, 311)});
    const auto tables = AllTables();
    for (int id : kUsedIds) {
        if (kAbsentIds[1].count(id) || neutral.count(id)) continue;
        EXPECT_NE(tables.text(2, Id(id)), tables.text(1, Id(id))) << Id(id) << " untranslated";
    }
}

// A key label is translated by looking its caption up in all tables and taking
// that id's text in the new one. A function name that collides with another
// text would turn into that text, and a name two functions share would make
// the rules that count buttons by name mix them up.
TEST(LanguageTables, KeyLabelsKeepTheirFunctionAcrossSwitches) {
    const auto tables = AllTables();
    auto translate = [&](const std::u16string& caption, int to) {
        const std::string id = tables.FindTextId(caption);
        return id.empty() ? caption : tables.text(to, id);
    };
    for (int from = 1; from <= kTables; ++from) {
        std::map<std::u16string, std::set<int>> idsOfText;
        for (int id : kFunctionNameIds) idsOfText[tables.text(from, Id(id))].insert(id);
        for (const auto& [text, ids] : idsOfText) {
            // Media and browser "Stop" may share the macro stop button's text.
            const bool sharedStop = ids == std::set<int>{271, 284};
            EXPECT_TRUE(ids.size() == 1 || sharedStop) << "table " << from << ": " << Utf8(text);
        }
        for (int to = 1; to <= kTables; ++to) {
            if (to == from) continue;
            for (int id : kFunctionNameIds) {
                SCOPED_TRACE(Id(id) + " from " + std::to_string(from) + " to " +
                             std::to_string(to));
                const std::u16string caption = tables.text(from, Id(id));
                ASSERT_FALSE(caption.empty());
                const std::u16string there = translate(caption, to);
                if (idsOfText[caption].size() == 1) {
                    EXPECT_EQ(Utf8(there), Utf8(tables.text(to, Id(id))));
                }
                EXPECT_EQ(Utf8(translate(there, from)), Utf8(caption));
            }
        }
    }
}

TEST(LangConv, ConvertsStrictUtf8AndRefusesMalformedInput) {
    struct Case {
        std::string input;
        bool ok;
        std::string output;  // after FF FE
    };
    const Case cases[] = {
        {"A\n", true, std::string("A\0\n\0", 4)},
        {"\xD0\xAF", true, std::string("\x2F\x04", 2)},                  // Cyrillic Ya
        {"\xF0\x9F\x98\x80", true, std::string("\x3D\xD8\x00\xDE", 4)},  // surrogate pair
        {"\xEF\xBB\xBF"
         "A",
         true, std::string("A\0", 2)},  // editor signature dropped
        {"", true, ""},
        {"\xC0\xAF", false, ""},          // overlong
        {"\x80", false, ""},              // stray continuation byte
        {"\xE2\x82", false, ""},          // truncated
        {"\xED\xA0\x80", false, ""},      // encoded surrogate
        {"\xF4\x90\x80\x80", false, ""},  // above U+10FFFF
    };
    const auto dir = std::filesystem::path(testing::TempDir());
    const auto in = dir / "langconv_in.txt";
    const auto out = dir / "langconv_out";
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        std::filesystem::remove(out);
        std::ofstream(in, std::ios::binary) << c.input;
        const std::string command = std::string("\"") + LANGCONV_PATH + "\" \"" + in.string() +
                                    "\" \"" + out.string() + "\"";
        const int rc = std::system(command.c_str());
        EXPECT_EQ(rc == 0, c.ok);
        if (c.ok) {
            EXPECT_EQ(ReadBytes(out), "\xFF\xFE" + c.output);
        }
    }
}

}  // namespace
