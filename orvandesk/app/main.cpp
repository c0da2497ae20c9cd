// orvandesk entry: one instance per user, the main window and the busy
// window, then the event loop. With --simulate a simulated Orvan mouse is
// attached (its memory kept between runs) and a small control window for it
// opens beside the main window.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "common/platform/clock/Clock.h"
#include "common/platform/hid/HidTrace.h"
#include "common/platform/hid/SimulatedHidSystem.h"
#include "common/platform/hidraw/HidrawSystem.h"
#include "common/platform/pointer/PointerStore.h"
#include "common/shell/window/SingleInstance.h"
#include "orvandesk/app/SimulatedMouseStore.h"
#include "orvandesk/app/SimulatorPanel.h"
#include "orvandesk/app/TimeScale.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("orvandesk"));
    QCoreApplication::setApplicationName(QStringLiteral("orvandesk"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Attach a simulated Orvan mouse."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the main window to <path> before quitting."),
        QStringLiteral("path"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Quit after <ms> milliseconds."),
                                       QStringLiteral("ms"));
    parser.addOptions({simulate, screenshot, quitAfter});
    parser.process(app);

    shell::SingleInstance instance(QString::fromLatin1(orvandesk::kMainWindowCaption));
    if (instance.activateRunning()) return 0;
    instance.listen();

    // Scaled time is for test runs only; the program's own timings are real.
    const double scale = orvandesk::TimeScaleFromEnvironment();
    std::unique_ptr<platform::Clock> clock;
    if (scale > 1.0) {
        clock = std::make_unique<platform::ScaledClock>(scale);
    } else {
        clock = std::make_unique<platform::SteadyClock>();
    }

    std::shared_ptr<platform::HidSystem> hid;
    std::unique_ptr<orvandesk::SimulatedMouseStore> store;
    std::shared_ptr<platform::SimulatedHidSystem> simulated;
    if (parser.isSet(simulate)) {
        simulated = std::make_shared<platform::SimulatedHidSystem>(*clock);
        store = std::make_unique<orvandesk::SimulatedMouseStore>(*simulated);
        hid = simulated;
    } else {
        hid = platform::makeHidrawSystem();
    }
    hid = platform::traceFromEnvironment(hid, "ORVANDESK_HID_TRACE");

    orvandesk::WindowEnvironment environment;
    environment.hid = hid;
    environment.clock = clock.get();
    environment.devTimerIntervalMs = static_cast<int>(3500 / scale);
    environment.pointer =
        std::make_shared<platform::PointerStore>(platform::PointerStore::DefaultPath());
    orvandesk::TForm1 window(environment);
    if (!window.FormCreate()) return 1;
    window.createBusyWindow();
    QObject::connect(&instance, &shell::SingleInstance::activationRequested, &window,
                     &orvandesk::TForm1::activateFromSecondStart);
    window.show();
    // The simulator's window alone does not keep the program running.
    window.session().startDetection();

    std::unique_ptr<orvandesk::SimulatorPanel> panel;
    if (store) {
        panel = std::make_unique<orvandesk::SimulatorPanel>(*store);
        panel->showBeside(window);
    }

    if (parser.isSet(quitAfter)) {
        const int ms = parser.value(quitAfter).toInt();
        const QString path = parser.value(screenshot);
        QTimer::singleShot(std::max(0, ms), &window, [&window, path] {
            if (!path.isEmpty()) {
                if (window.grab().save(path)) {
                    std::printf("%s\n", qPrintable(path));
                } else {
                    std::fprintf(stderr, "Cannot save %s\n", qPrintable(path));
                }
                std::fflush(stdout);
            }
            window.close();
            QCoreApplication::quit();
        });
    }
    const int rc = app.exec();
    panel.reset();
    return rc;
}
