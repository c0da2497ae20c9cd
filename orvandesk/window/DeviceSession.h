#pragma once
// The window's side of the device: the link, the Orvan command set, the
// connection logic with its detection timer DevTimer, the image exchange and
// the notification reader. It answers the connection logic's questions by
// calling the window's handlers.

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "common/device/DeviceLink.h"
#include "orvandesk/device/OrvanDevice.h"
#include "orvandesk/exchange/Connection.h"
#include "orvandesk/exchange/ImageExchange.h"
#include "orvandesk/exchange/NotificationReader.h"
#include "orvandesk/window/WindowEnvironment.h"

namespace orvandesk {

class TForm1;

class DeviceSession : public QObject, public orvan::ConnectionHost {
    Q_OBJECT
public:
    DeviceSession(TForm1& window, const WindowEnvironment& environment);
    ~DeviceSession() override;

    // Start-up: the identity of the first default image and the option
    // table's second id pair; fills DeviceIdList entry 1.
    void configure(const orvan::ConnectionConfig& config);
    // Starts DevTimer; the first tick finds a mouse that is already attached.
    void startDetection() { startDetectionTimer(); }

    void DevTimerTimer();
    QTimer& DevTimer() { return devTimer_; }

    device::DeviceLink& link() { return link_; }
    orvan::OrvanDevice& device() { return device_; }
    orvan::Connection& connection() { return *connection_; }
    orvan::ImageExchange& exchange() { return *exchange_; }
    orvan::NotificationReader& reader() { return *reader_; }
    platform::Clock& clock() { return clock_; }
    bool detectedI2c() const;
    // The configured kind of the default image is I2C.
    bool configuredI2c() const;
    void startNotificationReader();
    // Closing: the handles become invalid and the reader stops.
    void close();

    // --- orvan::ConnectionHost
    void stopDetectionTimer() override;
    void startDetectionTimer() override;
    void processPendingEvents() override;
    void showMouseLost() override;
    void showFlashConfigurationError() override;
    void showReadIds(uint8_t manufacturerId, uint8_t productId) override;
    void showIdsRejected() override;
    void readImage() override;

private:
    TForm1& window_;
    platform::Clock& clock_;
    device::DeviceLink link_;
    orvan::OrvanDevice device_;
    orvan::ConfigImage* image_;
    std::unique_ptr<orvan::Connection> connection_;
    std::unique_ptr<orvan::ImageExchange> exchange_;
    std::unique_ptr<orvan::NotificationReader> reader_;
    QTimer devTimer_;
};

}  // namespace orvandesk
