#pragma once
// "Simulated mouse": a small window beside the main window with which the
// user of --simulate plugs and unplugs the simulated mouse, presses and
// releases its own DPI and key-set buttons, and switches a few faults on.

#include <QWidget>

namespace orvandesk {

class SimulatedMouseStore;

class SimulatorPanel : public QWidget {
    Q_OBJECT
public:
    explicit SimulatorPanel(SimulatedMouseStore& store);

    void showBeside(const QWidget& mainWindow);

private:
    SimulatedMouseStore& store_;
};

}  // namespace orvandesk
