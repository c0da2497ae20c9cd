#pragma once
// The real main window against a simulated mouse on a virtual clock. The
// detection timer is never left to fire by itself: tests run its tick, so
// every wait of a sequence passes on the virtual clock at once. Modal
// dialogs are answered by a watcher that records what they said.

#include <gtest/gtest.h>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/platform/hid/SimulatedHidSystem.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/MainWindow.h"
#include "sim/orvan/OrvanMouse.h"

namespace wt {

// Closes message boxes with OK (keeping their texts) and answers password
// boxes from a queue (nothing queued: Cancel).
class ModalWatcher : public QObject {
public:
    ModalWatcher();
    std::vector<QString> messages;
    std::vector<QString> captions;
    int passwordPrompts = 0;
    std::deque<QString> passwords;

private:
    void poll();
    QTimer timer_;
};

std::vector<uint8_t> ShippedImage();

class WindowTest : public ::testing::Test {
protected:
    platform::VirtualClock clock;
    std::shared_ptr<platform::SimulatedHidSystem> hid =
        std::make_shared<platform::SimulatedHidSystem>(clock);
    std::shared_ptr<sim::OrvanMouse> mouse;
    std::unique_ptr<orvandesk::TForm1> window;
    ModalWatcher modals;
    // The HID system the window sees, when it is not `hid` itself.
    std::shared_ptr<platform::HidSystem> seenHid;
    // The pointer settings the window edits; none by default.
    std::shared_ptr<platform::PointerSettings> pointer;
    // Runs on the new window before its creation sequence (replacing resources).
    std::function<void(orvandesk::TForm1&)> beforeCreate;

    void TearDown() override;

    // Opens the window; with `image` a mouse holding it is attached first.
    void start(std::optional<std::vector<uint8_t>> image = ShippedImage());
    // One detection tick, as DevTimer would run it.
    void tick() { window->session().DevTimerTimer(); }
    // The window with the mouse found and its image read.
    void startConnected(std::vector<uint8_t> image = ShippedImage());

    template <class T = QWidget>
    T* find(const QString& name) {
        T* w = window->control<T>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name);
    // The page container shown now (1..7), 0 for none.
    int visiblePage();
    // Feature reports the window sent, as "40 05 00 A7 ..." lines.
    std::vector<std::string> sentCommands();
    std::vector<std::string> liveWrites();
    QString text(const char* id) { return window->languageText(id); }
};

}  // namespace wt
