#include "common/keys/TextLookup.h"

namespace keys {

std::string TextIdName(int id) {
    if (id < 0 || id > 999) return {};
    std::string name = "Str";
    name += static_cast<char>('0' + id / 100);
    name += static_cast<char>('0' + id / 10 % 10);
    name += static_cast<char>('0' + id % 10);
    return name;
}

std::u16string LookupText(const TextLookup& texts, int id) {
    const std::string name = TextIdName(id);
    if (!texts || name.empty()) return {};
    return texts(name);
}

}  // namespace keys
