// orvandesk entry. For now a console program: it opens the device link to the
// mouse (a simulated one with --simulate), prints the mouse's identity and the
// first bytes of its configuration memory. The window replaces this.

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>
#include <vector>

#include "common/device/DeviceLink.h"
#include "common/platform/clock/Clock.h"
#include "common/platform/hid/HidTrace.h"
#include "common/platform/hid/SimulatedHidSystem.h"
#include "common/platform/hidraw/HidrawSystem.h"
#include "orvandesk/device/OrvanCommands.h"
#include "orvandesk/device/OrvanDevice.h"
#include "sim/orvan/OrvanMouse.h"

namespace {

std::vector<uint8_t> defaultImage() {
    QFile file(":/res/ORVANDATA_CFG1");
    if (!file.open(QIODevice::ReadOnly)) return std::vector<uint8_t>(2048, 0xFF);
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void printHex(const char* label, std::span<const uint8_t> bytes) {
    std::printf("%s %s\n", label, platform::hexBytes(bytes).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool simulate = app.arguments().contains("--simulate");

    const std::vector<uint8_t> image = defaultImage();
    const uint32_t vendorId = image[0] << 8 | image[1];
    const uint32_t productId = image[2] << 8 | image[3];

    platform::SteadyClock clock;
    std::shared_ptr<platform::HidSystem> hid;
    std::shared_ptr<sim::OrvanMouse> mouse;
    if (simulate) {
        auto simulated = std::make_shared<platform::SimulatedHidSystem>(clock);
        mouse = sim::plugOrvanMouse(*simulated, image);
        hid = simulated;
        std::printf("Simulated Orvan mouse attached.\n");
    } else {
        hid = platform::makeHidrawSystem();
    }
    hid = platform::traceFromEnvironment(hid, "ORVANDESK_HID_TRACE");

    device::DeviceLink link(hid, device::quietHost(), orvan::kProbes);
    orvan::OrvanDevice orvan(link);
    std::printf("HID interfaces present: %d\n", link.CountHidInterfaces());
    std::printf("Looking for %04X:%04X ...\n", vendorId, productId);
    if (!link.OpenMouse(vendorId, productId) || !link.usable()) {
        std::printf("No mouse found.\n");
        return 1;
    }
    if (!orvan.QueryDeviceInfo()) {
        std::printf("The mouse did not answer the identity query.\n");
        return 1;
    }
    printHex("Identity reply:", link.chunk());
    const auto& reply = link.chunk();
    std::printf("Supported kind: %s\n", reply[0] < 0x40 && reply[1] == 0x3A && reply[2] == 0xC0 ? "yes" : "no");

    std::vector<uint8_t> memory(2048);
    if (!orvan.ReadDeviceMemory(0, memory, false)) {
        std::printf("Memory read refused.\n");
        return 1;
    }
    printHex("Memory 0..15:  ", std::span(memory).first(16));
    printHex("Memory 16..31: ", std::span(memory).subspan(16, 16));
    printHex("Reserve block: ", std::span(memory).subspan(484, 12));
    link.InvalidateHandles();
    return 0;
}
