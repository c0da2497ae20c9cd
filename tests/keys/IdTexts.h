#pragma once
// A language whose text for every id is the id itself, so a test sees which
// id a name came from.

#include <string>

#include "common/keys/TextLookup.h"

namespace keys::test {

inline std::u16string U16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

inline TextLookup IdTexts() {
    return [](std::string_view id) { return U16(id); };
}

}  // namespace keys::test
