#pragma once
// What the connection logic asks of the main window. The window implements it
// with its timer, dialogs and pages; tests implement it with a recorder.

#include <cstdint>

namespace orvan {

class ConnectionHost {
public:
    virtual ~ConnectionHost() = default;

    virtual void stopDetectionTimer() = 0;
    virtual void startDetectionTimer() = 0;
    // Lets the window handle pending input and painting during waits.
    virtual void processPendingEvents() = 0;

    // The mouse has gone (or was never found): close menus, show the
    // no-device view, block the pages and tell the user it is waiting.
    virtual void showMouseLost() = 0;
    // The default image is of the Flash kind, which this program does not
    // read: tell the user and show the no-device view.
    virtual void showFlashConfigurationError() = 0;
    // The manufacturer and product id bytes read from the mouse.
    virtual void showReadIds(uint8_t manufacturerId, uint8_t productId) = 0;
    // The ids did not match: a modal box that returns when closed.
    virtual void showIdsRejected() = 0;
    // The mouse is accepted: read its image and show it.
    virtual void readImage() = 0;
};

}  // namespace orvan
