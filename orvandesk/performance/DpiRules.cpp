#include "orvandesk/performance/DpiRules.h"

namespace orvan {

int LevelCountAfterClick(int count, int level) {
    if (level == count + 1 && level <= kDpiLevels) return count + 1;
    if (level == count && count > 1) return count - 1;
    return count;
}

uint8_t CpiPairByte(const std::array<uint8_t, kDpiLevels>& valueIndexes, int level) {
    const int odd = (level - 1) / 2 * 2;
    return static_cast<uint8_t>((valueIndexes[odd] & 0x0F) | ((valueIndexes[odd + 1] & 0x0F) << 4));
}

}  // namespace orvan
