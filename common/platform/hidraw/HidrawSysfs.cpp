#include "common/platform/hidraw/HidrawSysfs.h"

#include <sys/sysmacros.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

// hid device -> USB interface -> USB device; one more for safety.
constexpr int kLevelsUp = 3;

bool readHex16(const std::string& file, uint16_t& out) {
    std::FILE* f = std::fopen(file.c_str(), "r");
    if (!f) return false;
    char text[16] = {};
    const size_t got = std::fread(text, 1, sizeof text - 1, f);
    std::fclose(f);
    text[got] = 0;
    char* endOfNumber = nullptr;
    const unsigned long value = std::strtoul(text, &endOfNumber, 16);
    if (endOfNumber == text || (*endOfNumber != 0 && *endOfNumber != '\n') || value > 0xFFFF)
        return false;
    out = static_cast<uint16_t>(value);
    return true;
}

}  // namespace

std::string sysfsHidDeviceDir(const std::string& sysDir, dev_t device) {
    return sysDir + "/dev/char/" + std::to_string(major(device)) + ":" +
           std::to_string(minor(device)) + "/device";
}

uint16_t usbVersionNumber(const std::string& hidDeviceDir) {
    char resolved[PATH_MAX];
    if (!::realpath(hidDeviceDir.c_str(), resolved)) return 0;
    std::string dir = resolved;
    for (int level = 0; level <= kLevelsUp; ++level) {
        uint16_t version = 0;
        if (readHex16(dir + "/bcdDevice", version)) return version;
        const size_t slash = dir.find_last_of('/');
        if (slash == std::string::npos || slash == 0) break;
        dir.resize(slash);
    }
    return 0;
}

}  // namespace platform
