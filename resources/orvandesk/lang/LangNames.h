#pragma once

#include <string_view>

namespace orvandesk::res {

// Resource path of language table n (1..3), ":/res/LANG<n>"; empty for any
// other n. The table inside reads from section "[lang<n>]".
std::string_view LanguageTableResource(int n);

}  // namespace orvandesk::res
