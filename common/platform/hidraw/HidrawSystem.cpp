#include "common/platform/hidraw/HidrawSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "common/platform/hidraw/HidrawHandle.h"
#include "common/platform/hidraw/HidrawSysfs.h"
#include "common/platform/hidraw/ReportDescriptor.h"

namespace platform {

namespace {

// "hidraw<n>" -> n; -1 for any other name. Numbers stay well inside int.
long nodeNumber(const char* name) {
    static constexpr char kPrefix[] = "hidraw";
    const size_t prefixLength = sizeof kPrefix - 1;
    if (std::string_view(name).substr(0, prefixLength) != kPrefix) return -1;
    const std::string_view digits = std::string_view(name).substr(prefixLength);
    if (digits.empty() || digits.size() > 9) return -1;
    long number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

class HidrawSystem final : public HidSystem {
public:
    explicit HidrawSystem(HidrawRoots roots) : roots_(std::move(roots)) {}

    std::vector<std::string> enumerate() override {
        std::vector<std::pair<long, std::string>> nodes;
        if (DIR* dir = ::opendir(roots_.devDir.c_str())) {
            while (const dirent* entry = ::readdir(dir))
                if (const long number = nodeNumber(entry->d_name); number >= 0)
                    nodes.emplace_back(number, roots_.devDir + "/" + entry->d_name);
            ::closedir(dir);
        }
        std::sort(nodes.begin(), nodes.end());
        std::vector<std::string> paths;
        paths.reserve(nodes.size());
        for (auto& node : nodes) paths.push_back(std::move(node.second));
        return paths;
    }

    HidHandlePtr open(const std::string& path, HidAccess access) override {
        // hidraw has no open without access rights. Feature reports and the
        // info ioctls work on any open node, so a query handle settles for
        // read-only where the node's permissions allow no more.
        // Non-blocking: readInput waits in poll(), never in read().
        const int flags = O_CLOEXEC | O_NONBLOCK;
        int fd = ::open(path.c_str(), O_RDWR | flags);
        if (fd < 0 && access == HidAccess::Query) fd = ::open(path.c_str(), O_RDONLY | flags);
        if (fd < 0) return nullptr;

        // Only a node that answers as hidraw is a HID interface.
        struct stat st {};
        hidraw_devinfo raw{};
        if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) ||
            ::ioctl(fd, HIDIOCGRAWINFO, &raw) < 0) {
            ::close(fd);
            return nullptr;
        }
        HidrawDeviceInfo info;
        if (raw.bustype == BUS_USB)
            info.versionNumber = usbVersionNumber(sysfsHidDeviceDir(roots_.sysDir, st.st_rdev));
        std::vector<uint8_t> descriptor;
        if (readReportDescriptor(fd, descriptor))
            info.numberedReports = parseReportDescriptor(descriptor).usesReportIds;
        return std::make_shared<HidrawHandle>(fd, access, info);
    }

private:
    HidrawRoots roots_;
};

}  // namespace

std::shared_ptr<HidSystem> makeHidrawSystem() {
    return makeHidrawSystem(HidrawRoots{});
}

std::shared_ptr<HidSystem> makeHidrawSystem(HidrawRoots roots) {
    return std::make_shared<HidrawSystem>(std::move(roots));
}

}  // namespace platform
