#pragma once

#include <string_view>
#include <vector>

namespace orvandesk::res {

// Every picture embedded in orvandesk_res_artwork, as ":/res/<name>".
const std::vector<std::string_view>& artworkNames();

}  // namespace orvandesk::res
