#include "orvandesk/app/SimulatedMouseStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "orvandesk/image/ImageLayout.h"

namespace orvandesk {

SimulatedMouseStore::SimulatedMouseStore(platform::SimulatedHidSystem& system, QString file)
    : system_(system), file_(std::move(file)) {
    if (file_.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        file_ = QDir(folder).filePath(QStringLiteral("simulated-orvan-mouse.bin"));
    }
    const std::vector<uint8_t> image = initialImage();
    mouse_ = std::make_shared<sim::OrvanMouse>(system_, image);
    saved_ = mouse_->memory();
    system_.plug(mouse_);
    // The mouse changes on the window's writes; keep the file close behind.
    saveTimer_.setInterval(1000);
    connect(&saveTimer_, &QTimer::timeout, this, [this] { save(); });
    saveTimer_.start();
}

SimulatedMouseStore::~SimulatedMouseStore() {
    setWrongIds(false);
    save();
}

std::vector<uint8_t> SimulatedMouseStore::initialImage() const {
    QFile stored(file_);
    if (stored.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = stored.read(orvan::kImageSize);
        // A file of another size is not ours: start again from the default.
        if (bytes.size() == static_cast<qsizetype>(orvan::kImageSize)) {
            return {bytes.begin(), bytes.end()};
        }
    }
    QFile fallback(QStringLiteral(":/res/ORVANDATA_CFG1"));
    if (fallback.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = fallback.readAll();
        return {bytes.begin(), bytes.end()};
    }
    return {};
}

bool SimulatedMouseStore::plugged() const {
    return system_.isPlugged(mouse_.get());
}

void SimulatedMouseStore::setPlugged(bool on) {
    if (on == plugged()) return;
    if (on) {
        system_.plug(mouse_);
    } else {
        system_.unplug(mouse_.get());
    }
}

void SimulatedMouseStore::setWrongIds(bool on) {
    if (on == wrongIds_) return;
    const auto memory = mouse_->memory();
    if (on) {
        realIds_[0] = memory[orvan::field::ManufacturerId];
        realIds_[1] = memory[orvan::field::ManufacturerId + 1];
        const uint8_t wrong[2] = {1, 2};
        mouse_->writeMemory(orvan::field::ManufacturerId, wrong);
    } else {
        mouse_->writeMemory(orvan::field::ManufacturerId, realIds_);
    }
    wrongIds_ = on;
}

bool SimulatedMouseStore::save() {
    std::vector<uint8_t> memory = mouse_->memory();
    if (wrongIds_) {
        // The fault is not part of the mouse's lasting memory.
        memory[orvan::field::ManufacturerId] = realIds_[0];
        memory[orvan::field::ManufacturerId + 1] = realIds_[1];
    }
    if (memory == saved_ && QFile::exists(file_)) return true;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(reinterpret_cast<const char*>(memory.data()), static_cast<qint64>(memory.size()));
    if (!out.commit()) return false;
    saved_ = std::move(memory);
    return true;
}

}  // namespace orvandesk
