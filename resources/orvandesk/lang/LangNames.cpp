#include "resources/orvandesk/lang/LangNames.h"

#include <array>

namespace orvandesk::res {

std::string_view LanguageTableResource(int n) {
    static constexpr std::array<std::string_view, 3> kPaths = {":/res/LANG1", ":/res/LANG2",
                                                               ":/res/LANG3"};
    if (n < 1 || n > static_cast<int>(kPaths.size())) return {};
    return kPaths[static_cast<size_t>(n - 1)];
}

}  // namespace orvandesk::res
