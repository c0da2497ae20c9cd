#pragma once
// The key views' texts: every key entry of the three key sets and the nine
// combination keys as 8 upper-case hex digits, byte 0 first ("01010000").

#include <array>
#include <string>

#include "orvandesk/image/ImageBuffers.h"

namespace orvan {

struct KeyTextTable {
    std::array<std::array<std::string, kKeysPerProfile>, 3> profiles;
    std::array<std::string, kComboKeyCount> comboKeys;

    void Clear();
};

// The 4 bytes at `offset` as 8 hex digits.
std::string KeyEntryText(const DataBuf& data, std::size_t offset);
// Rebuilds every text from DataBuf.
void FillKeyTextTable(KeyTextTable& table, const DataBuf& data);

}  // namespace orvan
