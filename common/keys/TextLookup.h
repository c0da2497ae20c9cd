#pragma once
// Function names come from the active language table. The table machinery
// lives with the window, so the key model only asks for a text by its id
// ("Str210"); shell::LanguageTables::LanguageText plugs in directly:
//   keys::TextLookup texts = [&tables](std::string_view id) { return tables.LanguageText(id); };

#include <functional>
#include <string>
#include <string_view>

namespace keys {

// Text of the id in the active language; empty when the id is missing.
using TextLookup = std::function<std::u16string(std::string_view id)>;

// "Str" and the number written with three digits: 5 gives "Str005".
std::string TextIdName(int id);

// The text of id StrNNN; empty when no lookup is set or the id is out of 0..999.
std::u16string LookupText(const TextLookup& texts, int id);

}  // namespace keys
