// libFuzzer target: function codes come from the mouse and from BIN files,
// so any bytes, and any text where a code text is expected, must name safely.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/keys/FunctionNames.h"
#include "common/keys/MenuItems.h"
#include "common/keys/UsageNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keys;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    OrvanFunctionContext orvan;
    orvan.texts = [](std::string_view id) { return std::u16string(id.begin(), id.end()); };
    orvan.memoryIsI2c = size % 2 == 0;
    orvan.deviceMacros = {{0x0200, true, u"M"}};
    if (size > 8) {
        orvan.fireMacroList.emplace();
        (*orvan.fireMacroList)[data[8] % kFireMacroListSize] = {data[0], data[1], data[2], 0};
        orvan.aimLevel = static_cast<std::int8_t>(data[8]);
        orvan.fireKeys[0] = {static_cast<std::int8_t>(data[8]), data[0] * 256 + data[1], true};
        orvan.profileSetting.colourChoice[1] = static_cast<std::int8_t>(data[8]);
    }
    PellisFunctionContext pellis;
    pellis.texts = orvan.texts;

    FunctionName(text, orvan);
    FunctionName(text, pellis);
    if (size >= 4) {
        const FunctionCode code{data[0], data[1], data[2], data[3]};
        NameFunction(code, orvan);
        FunctionName(code, pellis);
        UsageName(data[2]);
        const int item = data[0] * 256 + data[1];
        orvan.assigningComboSlot = true;
        FunctionCodeOfItem(item, orvan);
        FunctionCodeOfItem(item, pellis);
    }
    return 0;
}
