#pragma once
// Texts of the active language that other parts of the window use after the
// text pass: key-set names, messages, function and DPI names, record captions,
// preset names, the font and the title. They are replaced by the next pass.

#include <map>
#include <string>
#include <string_view>

#include "common/shell/LanguageTable.h"

namespace shell {

class KeptTexts {
public:
    // Takes the kept ids, "FontName" and "Title" from the active table.
    void keepFrom(const LanguageTables& tables);

    // Empty for an id that is not kept or absent from the table.
    std::u16string text(std::string_view id) const;
    const std::u16string& fontName() const { return fontName_; }
    const std::u16string& title() const { return title_; }


private:
    std::map<std::string, std::u16string, std::less<>> texts_;
    std::u16string fontName_;
    std::u16string title_;
};

}  // namespace shell
