#pragma once
// What the device link needs from the program around it: the busy window and
// a way to keep the window responsive during long transfers. The console
// tools and the tests use the do-nothing host.

namespace device {

class DeviceHost {
public:
    virtual ~DeviceHost() = default;
    // Centres the busy window over the main window and shows it.
    virtual void showBusy() {}
    virtual void hideBusy() {}
    // Lets the window handle pending input and painting.
    virtual void processPendingEvents() {}
};

inline DeviceHost& quietHost() {
    static DeviceHost host;
    return host;
}

}  // namespace device
