#pragma once
// Qt resource paths of the default images built into orvandesk_res_images.

namespace orvan {

inline constexpr const char* kDefaultImageResources[3] = {
    ":/res/ORVANDATA_CFG1", ":/res/ORVANDATA_CFG2", ":/res/ORVANDATA_CFG3"};
inline constexpr const char kDefaultPcMacroResource[] = ":/res/PCMacroData";

}  // namespace orvan
