#include "common/shell/SettingsTable.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace shell {

namespace {

template <class Char>
bool IsBlank(Char c) {
    // Blanks and control characters, as the tables' editors leave them (tabs, CR).
    return static_cast<uint32_t>(c) <= 0x20;
}

template <class Char>
std::basic_string_view<Char> Trim(std::basic_string_view<Char> s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

template <class Char>
std::basic_string<Char> Lower(std::basic_string_view<Char> s) {
    std::basic_string<Char> out(s);
    for (auto& c : out) {
        if (c >= Char('A') && c <= Char('Z')) c = static_cast<Char>(c - Char('A') + Char('a'));
    }
    return out;
}

template <class Char>
std::basic_string<Char> WidenLower(std::string_view ascii) {
    std::basic_string<Char> out;
    out.reserve(ascii.size());
    for (char c : ascii) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 'A' && u <= 'Z') u = static_cast<unsigned char>(u - 'A' + 'a');
        out.push_back(static_cast<Char>(u));
    }
    return out;
}

}  // namespace

template <class Char>
void BasicSettingsTable<Char>::addLine(View line) {
    View t = Trim(line);
    if (t.empty() || t.front() == Char(';')) return;
    if (t.size() >= 2 && t.front() == Char('[') && t.back() == Char(']')) {
        current_ = Lower(Trim(t.substr(1, t.size() - 2)));
        inSection_ = true;
        sections_[current_];
        return;
    }
    if (!inSection_) return;
    auto eq = t.find(Char('='));
    if (eq == View::npos) return;
    String key = Lower(Trim(t.substr(0, eq)));
    String value(Trim(t.substr(eq + 1)));
    sections_[current_].insert_or_assign(std::move(key), std::move(value));
}

template <class Char>
bool BasicSettingsTable<Char>::hasSection(std::string_view section) const {
    return sections_.count(WidenLower<Char>(section)) != 0;
}

template <class Char>
auto BasicSettingsTable<Char>::value(std::string_view section, std::string_view key) const
    -> std::optional<String> {
    auto s = sections_.find(WidenLower<Char>(section));
    if (s == sections_.end()) return std::nullopt;
    auto k = s->second.find(WidenLower<Char>(key));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

template class BasicSettingsTable<char>;
template class BasicSettingsTable<char16_t>;

SettingsTable ParseSettingsTable(std::string_view text) {
    SettingsTable table;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            table.addLine(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    return table;
}

std::optional<int> ParseTableNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

TableKeys::TableKeys(const SettingsTable& table, std::string tableName, std::string section,
                     StartupProblems& problems)
    : table_(table),
      tableName_(std::move(tableName)),
      section_(std::move(section)),
      problems_(problems) {
    // A missing section is one defect, not one per key.
    if (!table_.hasSection(section_)) {
        problems_.missingSection(tableName_, section_);
        sectionMissing_ = true;
    }
}

bool TableKeys::has(std::string_view key) const {
    return table_.value(section_, key).has_value();
}

int TableKeys::number(std::string_view key) const {
    auto v = table_.value(section_, key);
    if (!v) {
        if (!sectionMissing_) problems_.missingKey(tableName_, key);
        return 0;
    }
    auto n = ParseTableNumber(*v);
    if (!n) {
        problems_.badNumber(tableName_, key, *v);
        return 0;
    }
    return *n;
}

std::string TableKeys::text(std::string_view key) const {
    auto v = table_.value(section_, key);
    if (!v) {
        if (!sectionMissing_) problems_.missingKey(tableName_, key);
        return {};
    }
    return *v;
}

uint32_t TableKeys::colour(std::string_view prefix) const {
    auto part = [&](const char* suffix) {
        int v = number(std::string(prefix) + suffix);
        return static_cast<uint32_t>(std::clamp(v, 0, 255));
    };
    uint32_t r = part("_R");
    uint32_t g = part("_G");
    uint32_t b = part("_B");
    return r + 256 * g + 65536 * b;
}

}  // namespace shell
