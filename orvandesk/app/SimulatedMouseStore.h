#pragma once
// The simulated mouse of --simulate: plugged into a simulated HID system,
// its memory kept in the user's data folder between runs, so a change made
// in one run is what the next run reads.

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

#include "common/platform/hid/SimulatedHidSystem.h"
#include "sim/orvan/OrvanMouse.h"

namespace orvandesk {

class SimulatedMouseStore : public QObject {
    Q_OBJECT
public:
    // `file` empty: "simulated-orvan-mouse.bin" in the application data folder.
    explicit SimulatedMouseStore(platform::SimulatedHidSystem& system, QString file = {});
    ~SimulatedMouseStore() override;

    sim::OrvanMouse& mouse() { return *mouse_; }
    platform::SimulatedHidSystem& system() { return system_; }
    const QString& file() const { return file_; }

    bool plugged() const;
    void setPlugged(bool plugged);
    // The manufacturer and product id bytes read as (1, 2) while on.
    void setWrongIds(bool on);
    bool wrongIds() const { return wrongIds_; }

    // Writes the memory if it changed since the last save (temp file and rename).
    bool save();

private:
    std::vector<uint8_t> initialImage() const;

    platform::SimulatedHidSystem& system_;
    QString file_;
    std::shared_ptr<sim::OrvanMouse> mouse_;
    std::vector<uint8_t> saved_;
    bool wrongIds_ = false;
    uint8_t realIds_[2] = {0xFF, 0xFF};
    QTimer saveTimer_;
};

}  // namespace orvandesk
