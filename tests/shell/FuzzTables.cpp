// libFuzzer target for the table readers: settings tables, language tables
// (with and without the byte order mark), the option table and caption lookup.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/shell/KeptTexts.h"
#include "common/shell/LanguageTable.h"
#include "common/shell/OrgTable.h"
#include "common/shell/SettingsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto settings = shell::ParseSettingsTable(bytes);
    shell::StartupProblems problems;
    (void)shell::ReadOrgTable(settings, problems);
    shell::TableKeys keys(settings, "ORG1", "org1", problems);
    (void)keys.colour("Color_A");
    (void)problems.message();

    shell::LanguageTables tables;
    tables.setTable(1, bytes);
    tables.setTable(2, std::string("\xFF\xFE", 2) + std::string(bytes));
    shell::KeptTexts kept;
    kept.keepFrom(tables);
    const auto title = tables.LanguageText("Title");
    (void)tables.FindTextId(title);
    (void)tables.FindTextId(tables.text(2, "Str401"));
    return 0;
}
