#include "orvandesk/image/KeyTextTable.h"

#include "orvandesk/image/FieldCodec.h"

namespace orvan {

void KeyTextTable::Clear() {
    for (auto& profile : profiles) profile.fill({});
    comboKeys.fill({});
}

std::string KeyEntryText(const DataBuf& data, std::size_t offset) {
    return HexText(std::span<const Byte>(data.bytes).subspan(offset, kKeyEntrySize));
}

void FillKeyTextTable(KeyTextTable& table, const DataBuf& data) {
    for (std::size_t p = 0; p < 3; ++p) {
        for (std::size_t k = 1; k <= kKeysPerProfile; ++k) {
            table.profiles[p][k - 1] = KeyEntryText(data, KeyEntryOffset(p, k));
        }
    }
    for (std::size_t k = 1; k <= kComboKeyCount; ++k) {
        table.comboKeys[k - 1] = KeyEntryText(data, ComboKeyOffset(k));
    }
}

}  // namespace orvan
