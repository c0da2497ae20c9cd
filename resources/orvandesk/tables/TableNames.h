#pragma once

#include <string>
#include <string_view>

namespace orvandesk::res {

// Resource path and section of the option table.
inline constexpr std::string_view kOptionTable = ":/res/ORG";
inline constexpr std::string_view kOptionSection = "org";

// Resource path (":/res/ORG1" ..) and section ("org1" ..) of the layout table
// of language 1..3; languages outside that range fall back to language 1.
std::string_view layoutTablePath(int language);
std::string layoutSection(int language);

}  // namespace orvandesk::res
