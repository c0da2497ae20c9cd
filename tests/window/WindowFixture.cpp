#include "tests/window/WindowFixture.h"

#include <QFile>

namespace wt {

ModalWatcher::ModalWatcher() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start();
}

void ModalWatcher::poll() {
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
        messages.push_back(box->text());
        captions.push_back(box->windowTitle());
        box->done(QMessageBox::Ok);
    } else if (auto* input = qobject_cast<QInputDialog*>(w)) {
        ++passwordPrompts;
        if (passwords.empty()) {
            input->reject();
        } else {
            input->setTextValue(passwords.front());
            passwords.pop_front();
            input->accept();
        }
    }
}

std::vector<uint8_t> ShippedImage() {
    QFile file(QStringLiteral(":/res/ORVANDATA_CFG1"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

void WindowTest::TearDown() {
    window.reset();
}

void WindowTest::start(std::optional<std::vector<uint8_t>> image) {
    if (image) mouse = sim::plugOrvanMouse(*hid, *image);
    orvandesk::WindowEnvironment env;
    env.hid = seenHid ? seenHid : hid;
    env.clock = &clock;
    env.pointer = pointer;
    env.devTimerIntervalMs = 3600 * 1000;  // tests run the tick themselves
    window = std::make_unique<orvandesk::TForm1>(env);
    if (beforeCreate) beforeCreate(*window);
    ASSERT_TRUE(window->FormCreate());
    window->createBusyWindow();
    window->show();
}

void WindowTest::startConnected(std::vector<uint8_t> image) {
    start(std::move(image));
    tick();
    ASSERT_TRUE(window->connectionUsable());
    ASSERT_FALSE(window->noDeviceView());
    hid->clearTraffic();
}

void WindowTest::click(const QString& name) {
    QWidget* w = find(name);
    if (w != nullptr) QTest::mouseClick(w, Qt::LeftButton);
}

int WindowTest::visiblePage() {
    for (int n = 1; n <= 7; ++n) {
        if (!find("gbPage" + QString::number(n))->isHidden()) return n;
    }
    return 0;
}

std::vector<std::string> WindowTest::sentCommands() {
    std::vector<std::string> out;
    for (const std::string& line : hid->featureLog()) {
        if (line.rfind("set 40", 0) == 0) out.push_back(line.substr(4));
    }
    return out;
}

std::vector<std::string> WindowTest::liveWrites() {
    std::vector<std::string> out;
    for (const std::string& line : sentCommands()) {
        if (line.rfind("40 05 00", 0) == 0) out.push_back(line);
    }
    return out;
}

}  // namespace wt
