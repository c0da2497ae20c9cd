#pragma once
// What hidraw's ioctls do not tell: the device's version number, which for a
// USB device is the bcdDevice of the USB device above the HID device in sysfs.

#include <sys/types.h>
#include <cstdint>
#include <string>

namespace platform {

// "<sysDir>/dev/char/<major>:<minor>/device" for a character device number.
std::string sysfsHidDeviceDir(const std::string& sysDir, dev_t device);

// bcdDevice of the nearest USB device at or a few levels above hidDeviceDir
// (symlinks resolved first); 0 when there is none or it cannot be read.
uint16_t usbVersionNumber(const std::string& hidDeviceDir);

}  // namespace platform
