#pragma once
// Names of the keyboard usages a key combination or macro step stores.

#include <string_view>

#include "common/keys/KeyTable.h"

namespace keys {

// The name of the key that maps to the usage; for the modifiers 0xE0..0xE2
// the "Left ..." name, for both Windows keys "Win". Empty for a usage that
// no key maps to.
std::string_view UsageName(Usage usage);

}  // namespace keys
