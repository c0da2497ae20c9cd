#pragma once

#include <array>
#include <string_view>

namespace orvandesk::res {

// Resource paths of the option table and the three layout tables.
inline constexpr std::string_view kOptionTable = ":/res/ORG";
inline constexpr std::array<std::string_view, 3> kLayoutTables = {":/res/ORG1", ":/res/ORG2",
                                                                  ":/res/ORG3"};

// The section of layout table n (1..3) is "org<n>".
int tablesResourceVersion();

}  // namespace orvandesk::res
