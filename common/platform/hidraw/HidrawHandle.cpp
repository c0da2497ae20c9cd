#include "common/platform/hidraw/HidrawHandle.h"

#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "common/platform/hidraw/ReportDescriptor.h"

namespace platform {

namespace {

// What the size field of the feature ioctls can carry; the kernel checks
// its own, lower limit.
constexpr size_t kMaxFeatureLength = (size_t{1} << _IOC_SIZEBITS) - 1;

// Without an eventfd a reader looks at the cancel flag this often.
constexpr int kCancelPollMs = 100;

}  // namespace

HidrawHandle::HidrawHandle(int fd, HidAccess access, HidrawDeviceInfo info)
    : fd_(fd), access_(access), info_(info) {
    if (access_ == HidAccess::ReadWrite) wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

HidrawHandle::~HidrawHandle() {
    if (wakeFd_ >= 0) ::close(wakeFd_);
    if (fd_ >= 0) ::close(fd_);
}

bool HidrawHandle::attributes(HidAttributes& out) {
    hidraw_devinfo info{};
    if (::ioctl(fd_, HIDIOCGRAWINFO, &info) < 0) return false;
    out.vendorId = static_cast<uint16_t>(info.vendor);
    out.productId = static_cast<uint16_t>(info.product);
    out.versionNumber = info_.versionNumber;
    return true;
}

bool HidrawHandle::capabilities(HidCaps& out) {
    std::vector<uint8_t> descriptor;
    if (!readReportDescriptor(fd_, descriptor)) return false;
    out = capsFromReportDescriptor(descriptor);
    return true;
}

bool HidrawHandle::setFeature(std::span<const uint8_t> report) {
    if (report.empty() || report.size() > kMaxFeatureLength) return false;
    // The ioctl takes a mutable buffer.
    std::vector<uint8_t> buffer(report.begin(), report.end());
    return ::ioctl(fd_, HIDIOCSFEATURE(buffer.size()), buffer.data()) >= 0;
}

bool HidrawHandle::getFeature(std::span<uint8_t> report) {
    if (report.empty() || report.size() > kMaxFeatureLength) return false;
    const int got = ::ioctl(fd_, HIDIOCGFEATURE(report.size()), report.data());
    if (got < 0) return false;
    // A shorter answer leaves no stale bytes behind.
    std::fill(report.begin() + std::min<size_t>(static_cast<size_t>(got), report.size()),
              report.end(), 0);
    return true;
}

bool HidrawHandle::readInput(std::span<uint8_t> buffer) {
    // Like a handle opened without access rights on Windows, a query handle
    // reads no input.
    if (access_ != HidAccess::ReadWrite || buffer.empty()) return false;
    const std::span<uint8_t> dest = info_.numberedReports ? buffer : buffer.subspan(1);
    for (;;) {
        if (cancelled_.load()) return false;
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const bool haveWake = wakeFd_ >= 0;
        const int ready = ::poll(fds, haveWake ? 2 : 1, haveWake ? -1 : kCancelPollMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (cancelled_.load() || (haveWake && fds[1].revents != 0)) return false;
        // Reports queued before an unplug are still delivered; the read
        // after them fails.
        if (fds[0].revents & POLLIN) {
            const ssize_t got = ::read(fd_, dest.data(), dest.size());
            if (got > 0) {
                if (!info_.numberedReports) buffer[0] = 0;
                std::fill(dest.begin() + got, dest.end(), 0);
                return true;
            }
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            return false;  // ENODEV, EIO or end of file: the device is gone
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
    }
}

void HidrawHandle::cancelRead() {
    cancelled_.store(true);
    if (wakeFd_ >= 0) {
        // The counter stays non-zero, so every later poll returns at once.
        const uint64_t one = 1;
        const ssize_t written = ::write(wakeFd_, &one, sizeof one);
        (void)written;
    }
}

bool readReportDescriptor(int fd, std::vector<uint8_t>& out) {
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size < 0) return false;
    auto descriptor = std::make_unique<hidraw_report_descriptor>();
    // The kernel refuses requests of HID_MAX_DESCRIPTOR_SIZE or more.
    descriptor->size = static_cast<uint32_t>(std::min(size, HID_MAX_DESCRIPTOR_SIZE - 1));
    if (::ioctl(fd, HIDIOCGRDESC, descriptor.get()) < 0) return false;
    out.assign(descriptor->value, descriptor->value + descriptor->size);
    return true;
}

}  // namespace platform
