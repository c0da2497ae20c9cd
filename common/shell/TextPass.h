#pragma once
// The text pass: font, captions and kept texts of the active language, after
// the layout pass. Key labels that show function names are translated through
// the text's id, since their captions come from the previous language.

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "common/shell/Controls.h"
#include "common/shell/KeptTexts.h"
#include "common/shell/LanguageTable.h"

namespace shell {

struct TextPassConfig {
    // Key menu entries: object name and the id of the entry's text. Each gets
    // " " + Str200 + " " + text.
    std::vector<std::pair<QString, std::string>> menuEntries;
    // Containers whose captions keep their own font (the engineering page).
    QStringList ownFontContainers = {QStringLiteral("gbPage7")};
};

QString ToQString(const std::u16string& text);
std::u16string ToU16(const QString& text);

// Translates a caption shown in the previous language: the caption's id, when
// it has one, gives the text of the active table; other captions (macro
// names, key combinations) stay as they are.
QString TranslateCaption(const LanguageTables& tables, const QString& caption);

void RunTextPass(Controls& controls, const LanguageTables& tables, KeptTexts& kept,
                 const TextPassConfig& config);

}  // namespace shell
