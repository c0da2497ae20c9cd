#pragma once
// The Linux HID backend: /dev/hidraw* nodes, with report lengths computed
// from each node's report descriptor.

#include <memory>
#include <string>

#include "common/platform/hid/HidSystem.h"

namespace platform {

// Where the backend looks; tests point it at a scratch directory.
struct HidrawRoots {
    std::string devDir = "/dev";
    std::string sysDir = "/sys";
};

// Always a working system: without hidraw it simply lists nothing.
std::shared_ptr<HidSystem> makeHidrawSystem();
std::shared_ptr<HidSystem> makeHidrawSystem(HidrawRoots roots);

}  // namespace platform
