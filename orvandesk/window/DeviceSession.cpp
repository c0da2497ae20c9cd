#include "orvandesk/window/DeviceSession.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

#include "orvandesk/device/OrvanCommands.h"
#include "orvandesk/window/AdvancedSettings.h"
#include "orvandesk/window/MainWindow.h"

namespace orvandesk {

DeviceSession::DeviceSession(TForm1& window, const WindowEnvironment& environment)
    : window_(window),
      clock_(*environment.clock),
      link_(environment.hid, window, orvan::kProbes),
      device_(link_),
      image_(&window.image()) {
    devTimer_.setObjectName(QStringLiteral("DevTimer"));
    devTimer_.setInterval(environment.devTimerIntervalMs);
    connect(&devTimer_, &QTimer::timeout, this, &DeviceSession::DevTimerTimer);
    exchange_ =
        std::make_unique<orvan::ImageExchange>(device_, *image_, [this] { return detectedI2c(); });
    orvan::NotificationReader::Hooks hooks;
    // Queued on the window thread; the reader waits for the task itself.
    hooks.postToWindow = [this](std::function<void()> task) {
        QMetaObject::invokeMethod(&window_, std::move(task), Qt::QueuedConnection);
    };
    hooks.refreshCurrentDpi = [this] { window_.advanced().RefreshCurrentDPIStatus(); };
    hooks.refreshCurrentProfile = [this] { window_.RefreshCurrentProfileStatus(); };
    reader_ = std::make_unique<orvan::NotificationReader>(link_, clock_, window.statusRefreshFlag(),
                                                          std::move(hooks));
    connection_ =
        std::make_unique<orvan::Connection>(device_, clock_, *this, orvan::ConnectionConfig{});
}

DeviceSession::~DeviceSession() {
    close();
}

void DeviceSession::configure(const orvan::ConnectionConfig& config) {
    connection_ = std::make_unique<orvan::Connection>(device_, clock_, *this, config);
}

bool DeviceSession::detectedI2c() const {
    return connection_ && connection_->detectedKind() == orvan::kKindI2C;
}

bool DeviceSession::configuredI2c() const {
    return connection_ && connection_->config().configuredKind == orvan::kKindI2C;
}

void DeviceSession::DevTimerTimer() {
    connection_->DevTimerTimer();
}

void DeviceSession::startNotificationReader() {
    if (reader_ && !reader_->running()) reader_->start();
}

void DeviceSession::close() {
    devTimer_.stop();
    if (reader_) reader_->stop();
    link_.InvalidateHandles();
}

void DeviceSession::stopDetectionTimer() {
    devTimer_.stop();
}

void DeviceSession::startDetectionTimer() {
    if (!devTimer_.isActive()) devTimer_.start();
}

void DeviceSession::processPendingEvents() {
    window_.processPendingEvents();
}

void DeviceSession::showMouseLost() {
    window_.OnMouseLostView();
}

void DeviceSession::showFlashConfigurationError() {
    window_.ShowMessageId("Str102");
    window_.RefreshErrorAP();
}

void DeviceSession::showReadIds(uint8_t manufacturerId, uint8_t productId) {
    if (auto* e = window_.control<QLineEdit>(QStringLiteral("edt_VendorID_Rd"))) {
        e->setText(QString::number(manufacturerId));
    }
    if (auto* e = window_.control<QLineEdit>(QStringLiteral("edt_ProductID_Rd"))) {
        e->setText(QString::number(productId));
    }
}

void DeviceSession::showIdsRejected() {
    // A standard box with an empty caption; detection waits until it is closed.
    QMessageBox box(QMessageBox::NoIcon, QString(), window_.languageText("Str107"), QMessageBox::Ok,
                    &window_);
    box.setObjectName(QStringLiteral("IdsRejected"));
    box.exec();
}

void DeviceSession::readImage() {
    window_.Btn_Read();
}

}  // namespace orvandesk
