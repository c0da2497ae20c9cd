#include "resources/orvandesk/tables/TableNames.h"

#include <array>

namespace orvandesk::res {
namespace {

int clampLanguage(int language) {
    return language >= 1 && language <= 3 ? language : 1;
}

}  // namespace

std::string_view layoutTablePath(int language) {
    static constexpr std::array<std::string_view, 3> paths = {":/res/ORG1", ":/res/ORG2",
                                                              ":/res/ORG3"};
    return paths[static_cast<size_t>(clampLanguage(language) - 1)];
}

std::string layoutSection(int language) {
    return "org" + std::to_string(clampLanguage(language));
}

}  // namespace orvandesk::res
