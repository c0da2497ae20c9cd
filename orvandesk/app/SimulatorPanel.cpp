#include "orvandesk/app/SimulatorPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "orvandesk/app/SimulatedMouseStore.h"
#include "orvandesk/device/OrvanCommands.h"

namespace orvandesk {

namespace {

QCheckBox* Switch(QLayout* layout, const QString& name, const QString& text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    layout->addWidget(box);
    return box;
}

}  // namespace

SimulatorPanel::SimulatorPanel(SimulatedMouseStore& store)
    : QWidget(nullptr, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("SimulatorPanel"));
    setWindowTitle(QStringLiteral("Simulated mouse"));
    auto* layout = new QVBoxLayout(this);

    auto* plugged = Switch(layout, QStringLiteral("sim_Plugged"), QStringLiteral("Plugged in"));
    plugged->setChecked(store_.plugged());
    connect(plugged, &QCheckBox::toggled, this, [this](bool on) { store_.setPlugged(on); });

    auto* buttons = new QGroupBox(QStringLiteral("Mouse buttons (hold to press)"));
    auto* buttonLayout = new QVBoxLayout(buttons);
    const std::pair<const char*, const char*> dpi[] = {
        {"sim_DpiCycle", "DPI cycle"}, {"sim_DpiUp", "DPI up"}, {"sim_DpiDown", "DPI down"}};
    const uint8_t codes[] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(dpi[i].second));
        b->setObjectName(QString::fromLatin1(dpi[i].first));
        const uint8_t code = codes[i];
        connect(b, &QPushButton::pressed, this,
                [this, code] { store_.mouse().pressDpiButton(code); });
        connect(b, &QPushButton::released, this, [this] { store_.mouse().releaseButton(); });
        buttonLayout->addWidget(b);
    }
    auto* keySet = new QPushButton(QStringLiteral("Key set"));
    keySet->setObjectName(QStringLiteral("sim_KeySet"));
    connect(keySet, &QPushButton::pressed, this, [this] { store_.mouse().pressKeySetButton(); });
    connect(keySet, &QPushButton::released, this, [this] { store_.mouse().releaseButton(); });
    buttonLayout->addWidget(keySet);
    layout->addWidget(buttons);

    auto* faults = new QGroupBox(QStringLiteral("Faults"));
    auto* faultLayout = new QVBoxLayout(faults);
    connect(Switch(faultLayout, QStringLiteral("sim_RefuseRead"),
                   QStringLiteral("Refuse memory reads")),
            &QCheckBox::toggled, this,
            [this](bool on) { store_.mouse().refuseCommand(orvan::MEM_READ, on); });
    connect(Switch(faultLayout, QStringLiteral("sim_RefuseWrite"),
                   QStringLiteral("Refuse memory writes")),
            &QCheckBox::toggled, this,
            [this](bool on) { store_.mouse().refuseCommand(orvan::MEM_WRITE, on); });
    connect(Switch(faultLayout, QStringLiteral("sim_LoseChunks"),
                   QStringLiteral("Lose every 20th chunk")),
            &QCheckBox::toggled, this, [this](bool on) {
                store_.mouse().loseChunks(on ? sim::OrvanMouse::ChunkLoss{20, 0, 0}
                                             : sim::OrvanMouse::ChunkLoss{});
            });
    connect(Switch(faultLayout, QStringLiteral("sim_WrongIds"),
                   QStringLiteral("Wrong ids (1, 2) from the next plug")),
            &QCheckBox::toggled, this, [this](bool on) { store_.setWrongIds(on); });
    connect(Switch(faultLayout, QStringLiteral("sim_WrongIdentity"),
                   QStringLiteral("Answer as another chip")),
            &QCheckBox::toggled, this, [this](bool on) {
                auto identity = sim::OrvanMouse::kIdentity;
                if (on) identity[1] = 0x00;
                store_.mouse().setIdentity(identity);
            });
    layout->addWidget(faults);

    auto* file = new QLabel(QStringLiteral("Memory kept in:\n%1").arg(store_.file()));
    file->setWordWrap(true);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(file);
    setFixedWidth(300);
}

void SimulatorPanel::showBeside(const QWidget& mainWindow) {
    adjustSize();
    const QRect main = mainWindow.frameGeometry();
    QPoint at(main.right() + 12, main.top());
    if (QScreen* screen = mainWindow.screen()) {
        const QRect s = screen->availableGeometry();
        // No room on the right: the left side, or over the main window's edge.
        if (at.x() + width() > s.right()) at.setX(std::max(s.left(), main.left() - width() - 12));
    }
    move(at);
    show();
}

}  // namespace orvandesk
