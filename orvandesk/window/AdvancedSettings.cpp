#include "orvandesk/window/AdvancedSettings.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QRadioButton>
#include <QTimer>

#include "common/keys/TextLookup.h"
#include "common/shell/Skin.h"
#include "common/shell/SkinControls.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/SkinStyle.h"
#include "orvandesk/image/FieldCodec.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/window/AfterTransfer.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/MainWindow.h"

namespace orvandesk {

namespace {

QString N(int n) {
    return QString::number(n);
}

// No desktop to reach: nothing is read, kept or applied.
class NoPointerSettings : public platform::PointerSettings {
public:
    std::optional<platform::PointerValues> read(platform::PointerGroup) override { return {}; }
    bool write(platform::PointerGroup, const platform::PointerValues&) override { return false; }
    void apply(const platform::PointerApplied&) override {}
};

std::shared_ptr<platform::PointerSettings> OrNone(std::shared_ptr<platform::PointerSettings> p) {
    if (p) return p;
    return std::make_shared<NoPointerSettings>();
}

QList<QWidget*> Positions(const TForm1& w, const QString& base, int count) {
    QList<QWidget*> out;
    for (int k = 1; k <= count; ++k) out.append(w.control(base + N(k)));
    return out;
}

}  // namespace

// The page overlay over one handler's live writes, so that no second click
// reaches the page meanwhile; taken down on every way out.
class AdvancedSettings::Overlay {
public:
    explicit Overlay(const AdvancedSettings& s) : o_(s.control(QStringLiteral("Disable_All_2"))) {
        if (o_ != nullptr) {
            o_->show();
            o_->raise();
        }
    }
    ~Overlay() {
        if (o_ != nullptr) o_->hide();
    }
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;

private:
    QWidget* o_;
};

AdvancedSettings::AdvancedSettings(TForm1& window,
                                   std::shared_ptr<platform::PointerSettings> pointer)
    : QObject(&window),
      w_(window),
      pointerSettings_(OrNone(std::move(pointer))),
      pointer_(*pointerSettings_) {}

AdvancedSettings::~AdvancedSettings() = default;

QWidget* AdvancedSettings::control(const QString& name) const {
    return w_.control(name);
}

void AdvancedSettings::attach() {
    const shell::ResourceStore& store = w_.skin().store();
    const auto style = shell::SkinSlider::Style::Knob;
    for (int n = 1; n <= orvan::kDpiLevels; ++n) {
        auto* slider = new shell::SkinSlider(
            store, Positions(w_, "Img_DPI" + N(n) + "_", orvan::kDpiPositions),
            QStringLiteral("Bar2_E"), QStringLiteral("Bar2_D"), style, this);
        levelSliders_[n - 1] = slider;
        connect(slider, &shell::SkinSlider::positionClicked, this,
                [this, n](int k) { DPIVlaue_OnClick(n, k); });
        if (auto* name = qobject_cast<shell::SkinLabel*>(control("lbl_DPI" + N(n)))) {
            connect(name, &shell::SkinLabel::clicked, this, [this, n] { DPILevel_OnClick(n); });
        }
        if (auto* marker = qobject_cast<shell::SkinPicture*>(control("Img_DPI" + N(n)))) {
            connect(marker, &shell::SkinPicture::clicked, this,
                    [this, n] { CurrentDPI_OnClick(n); });
        }
        if (auto* colour = qobject_cast<shell::SkinLabel*>(control("lbl_DPI" + N(n) + "Col"))) {
            connect(colour, &shell::SkinLabel::clicked, this, [this, n] { lbl_DPIColClick(n); });
        }
    }
    aim_ = new shell::SkinSlider(store, Positions(w_, "Img_AIMDPI_", orvan::kDpiPositions),
                                 QStringLiteral("Bar2_E"), QStringLiteral("Bar2_D"), style, this);
    connect(aim_, &shell::SkinSlider::positionClicked, this,
            &AdvancedSettings::AIMDPIValue_OnClick);
    QList<shell::SkinRadioGroup::Option> options;
    for (int k = 1; k <= 4; ++k)
        options.append(
            shell::SkinRadioGroup::Option{control("Img_Rep" + N(k)), control("lbl_Rep" + N(k))});
    rate_ = new shell::SkinRadioGroup(store, options, QStringLiteral("RdS_E"),
                                      QStringLiteral("RdS_D"), this);
    connect(rate_, &shell::SkinRadioGroup::clicked, this,
            [this](int index) { ReportRate_OnClick(index + 1); });

    auto pointerSlider = [&](const char* base, void (AdvancedSettings::*handler)(int)) {
        auto* slider =
            new shell::SkinSlider(store,
                                  Positions(w_, QStringLiteral("Img_%1").arg(QLatin1String(base)),
                                            orvan::kPointerPositions),
                                  QStringLiteral("Bar1_E"), QStringLiteral("Bar1_D"), style, this);
        connect(slider, &shell::SkinSlider::positionClicked, this, handler);
        return slider;
    };
    speed_ = pointerSlider("Spd", &AdvancedSettings::MseSpd_OnClick);
    doubleClick_ = pointerSlider("DbSpd", &AdvancedSettings::MseDbSpd_OnClick);
    wheel_ = pointerSlider("ScrSpd", &AdvancedSettings::MseScrSpd_OnClick);
    acceleration_ = new shell::SkinCheck(store, control(QStringLiteral("Img_IsControl")),
                                         control(QStringLiteral("lbl_IsControl")),
                                         QStringLiteral("CbS_E"), QStringLiteral("CbS_D"), this);
    connect(acceleration_, &shell::SkinCheck::toggled, this, &AdvancedSettings::lbl_IsControlClick);
    oneScreen_ = new shell::SkinCheck(store, control(QStringLiteral("Img_IsScreen")),
                                      control(QStringLiteral("lbl_IsScreen")),
                                      QStringLiteral("CbS_E"), QStringLiteral("CbS_D"), this);
    connect(oneScreen_, &shell::SkinCheck::toggled, this, &AdvancedSettings::lbl_IsScreenClick);
}

void AdvancedSettings::send(uint8_t address, uint8_t value) {
    w_.session().device().WriteLiveBytes(address, value, 0, 0, 1);
}

// --- DPI levels

void AdvancedSettings::setLevelInUse(int level, bool inUse) {
    const shell::LayoutValues& layout = w_.skin().layout();
    shell::SetTextColour(control("lbl_DPI" + N(level)),
                         inUse ? layout.colourDSelected : layout.colourDNotSelected);
    levelSliders_[level - 1]->setEnabled(inUse);
    for (const QString& name : {"Img_DPI" + N(level), "lbl_DPI" + N(level) + "Col"}) {
        if (QWidget* c = control(name)) c->setEnabled(inUse);
    }
}

void AdvancedSettings::markCurrent(int level) {
    for (int n = 1; n <= orvan::kDpiLevels; ++n) {
        shell::ShowPicture(control("Img_DPI" + N(n)),
                           n == level ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"),
                           w_.skin().store());
        if (auto* rb = qobject_cast<QRadioButton*>(control("rb_DPI" + N(n)))) {
            rb->setChecked(n == level);
        }
    }
}

int AdvancedSettings::currentLevelShown() const {
    for (int n = 1; n <= orvan::kDpiLevels; ++n) {
        if (auto* rb = qobject_cast<QRadioButton*>(control("rb_DPI" + N(n))); rb && rb->isChecked())
            return n;
    }
    return 0;
}

void AdvancedSettings::stepCountRefresh(int steps) {
    w_.HideAllMenu();
    markCurrent(steps + 1);
    currentItem_ = steps;
    if (!w_.imageLoading()) send(orvan::field::CpiSteps, static_cast<uint8_t>(steps));
}

void AdvancedSettings::showLevelValue(int level, int index) {
    levelSliders_[level - 1]->setPosition(index + 1);
    shell::SetCaption(control("lbl_DPI" + N(level) + "Value"),
                      w_.languageText(keys::TextIdName(300 + index).c_str()));
}

void AdvancedSettings::paintSwatch(int level) {
    QWidget* swatch = control("cs_DPI" + N(level) + "Col");
    if (swatch == nullptr) return;
    const auto& data = w_.image().data;
    const std::size_t at = orvan::CpiColourOffset(static_cast<std::size_t>(level));
    swatch->setStyleSheet(QStringLiteral("background-color: %1; border: none;")
                              .arg(QColor(data[at], data[at + 1], data[at + 2]).name()));
}

void AdvancedSettings::refreshFromImage() {
    const auto& data = w_.image().data;
    const auto style = shell::SkinSlider::StyleOf(w_.skin().org().dpiLedStatus);
    for (auto* slider : levelSliders_) slider->setStyle(style);
    aim_->setStyle(style);
    for (int n = 1; n <= orvan::kDpiLevels; ++n) setLevelInUse(n, false);
    if (data[orvan::field::CpiSteps] <= 7) count_ = data[orvan::field::CpiSteps] + 1;
    for (int n = 1; n <= count_; ++n) setLevelInUse(n, true);
    const std::span<const uint8_t, 4> levels(&data.bytes[orvan::field::CpiLevels], 4);
    for (int n = 1; n <= orvan::kDpiLevels; ++n) {
        const uint8_t v = orvan::CpiLevelIndex(levels, n);
        // 15 is an empty level; 12 to 14 name no value: both leave the row as it was.
        if (v >= orvan::kDpiPositions) continue;
        showLevelValue(n, v);
        values_[n - 1] = v;
    }
    const int option = orvan::ReportRateOption(data[orvan::field::Option0]);
    rate_->setChosen(option - 1);
    for (int k = 1; k <= 4; ++k) {
        if (auto* rb = qobject_cast<QRadioButton*>(control("rb_Rep" + N(k))))
            rb->setChecked(k == option);
    }
    rememberedRate_ = orvan::kReportRates[option - 1];
    rateChanged_ = false;
    for (int n = 1; n <= orvan::kDpiLevels; ++n) paintSwatch(n);
    const int current = data[orvan::field::CurrentCpi];
    markCurrent(current <= 7 ? current + 1 : 0);
    if (current <= 7) currentItem_ = current;
}

void AdvancedSettings::DPILevel_OnClick(int level) {
    if (w_.imageLoading() || level < 1 || level > orvan::kDpiLevels) return;
    Overlay overlay(*this);
    const bool inUse = level <= count_;
    if (inUse && count_ == 1) return;
    const int count = orvan::LevelCountAfterClick(count_, level);
    if (count > count_) {
        setLevelInUse(level, true);
        markCurrent(level);
    } else if (count < count_) {
        setLevelInUse(level, false);
        if (currentLevelShown() == level) markCurrent(level - 1);
    }
    count_ = count;
    const int steps = count_ - 1;
    stepCountRefresh(steps);
    currentItem_ = currentLevelShown() - 1;
    send(orvan::field::CpiSteps, static_cast<uint8_t>(steps));
}

void AdvancedSettings::CurrentDPI_OnClick(int level) {
    if (w_.imageLoading() || level < 1 || level > count_) return;
    Overlay overlay(*this);
    markCurrent(level);
    send(orvan::field::CurrentCpi, static_cast<uint8_t>(level - 1));
    currentItem_ = level - 1;
}

void AdvancedSettings::DPIVlaue_OnClick(int level, int position) {
    if (w_.imageLoading() || level < 1 || level > count_) return;
    if (position < 1 || position > orvan::kDpiPositions) return;
    Overlay overlay(*this);
    showLevelValue(level, position - 1);
    values_[level - 1] = static_cast<uint8_t>(position - 1);
    send(orvan::CpiPairAddress(level), orvan::CpiPairByte(values_, level));
    // The mouse takes a new value when its level is entered: step away and back.
    const int c = currentItem_;
    send(orvan::field::CurrentCpi, static_cast<uint8_t>(c > 0 ? c - 1 : c + 1));
    send(orvan::field::CurrentCpi, static_cast<uint8_t>(c));
}

void AdvancedSettings::lbl_DPIColClick(int level) {
    if (w_.imageLoading() || level < 1 || level > count_) return;
    const auto& data = w_.image().data;
    const std::size_t at = orvan::CpiColourOffset(static_cast<std::size_t>(level));
    const QColor now(data[at], data[at + 1], data[at + 2]);
    std::optional<QColor> chosen;
    if (chooseColour) {
        chosen = chooseColour(now);
    } else {
        const QColor c = QColorDialog::getColor(now, &w_);
        if (c.isValid()) chosen = c;
    }
    if (chosen) setLevelColour(level, *chosen);
}

void AdvancedSettings::setLevelColour(int level, QColor colour) {
    if (w_.imageLoading() || level < 1 || level > orvan::kDpiLevels) return;
    auto& data = w_.image().data;
    const auto at = static_cast<uint8_t>(orvan::CpiColourOffset(static_cast<std::size_t>(level)));
    const std::array<uint8_t, 3> rgb = {static_cast<uint8_t>(colour.red()),
                                        static_cast<uint8_t>(colour.green()),
                                        static_cast<uint8_t>(colour.blue())};
    // Each part that changes goes out on its own, as its edit box sends it.
    for (uint8_t c = 0; c < 3; ++c) {
        if (data[at + c] == rgb[c]) continue;
        send(static_cast<uint8_t>(at + c), rgb[c]);
        data[at + c] = rgb[c];
    }
    paintSwatch(level);
    w_.session().device().WriteLiveBytes(at, rgb[0], rgb[1], rgb[2], 3);
}

void AdvancedSettings::AIMDPIValue_OnClick(int position) {
    if (w_.imageLoading() || position < 1 || position > orvan::kDpiPositions) return;
    Overlay overlay(*this);
    w_.assignment().context().aimLevel = position;
    showAimLevel(position);
    w_.SettingAIMKey(position);
}

void AdvancedSettings::showAimLevel(int level) {
    if (aim_ == nullptr) return;
    aim_->setPosition(std::clamp(level, 1, orvan::kDpiPositions));
}

void AdvancedSettings::ReportRate_OnClick(int option) {
    if (w_.imageLoading() || option < 1 || option > 4) return;
    Overlay overlay(*this);
    rate_->setChosen(option - 1);
    for (int k = 1; k <= 4; ++k) {
        if (auto* rb = qobject_cast<QRadioButton*>(control("rb_Rep" + N(k))))
            rb->setChecked(k == option);
    }
    auto& data = w_.image().data;
    data[orvan::field::Option0] = orvan::WithReportRateOption(data[orvan::field::Option0], option);
    const int rate = orvan::kReportRates[option - 1];
    if (rate != rememberedRate_) {
        rememberedRate_ = rate;
        rateChanged_ = true;
    }
    send(orvan::field::Option0, data[orvan::field::Option0]);
    if (rateChanged_) {
        rateChanged_ = false;
        // The mouse takes a new rate only from power-up; the read after it
        // puts the whole window right again.
        w_.session().stopDetectionTimer();
        w_.session().connection().RestartAndReconnect();
    }
}

void AdvancedSettings::forgetReportRate() {
    rememberedRate_ = 0;
    rateChanged_ = false;
}

void AdvancedSettings::RefreshCurrentDPIStatus() {
    if (PostponeWhileLoading(w_.imageLoading(), dpiRefreshPending_, this,
                             [this] { RefreshCurrentDPIStatus(); }))
        return;
    w_.statusRefreshFlag() = true;
    if (w_.session().detectedI2c()) {
        uint8_t level = 0xFF;
        w_.session().device().ReadDeviceMemory(orvan::field::CurrentCpi, std::span(&level, 1),
                                               false);
        if (level <= 7) markCurrent(level + 1);
    }
    w_.statusRefreshFlag() = false;
}

// --- Pointer settings

void AdvancedSettings::showPointer() {
    const auto style = shell::SkinSlider::StyleOf(w_.skin().org().dpiLedStatus);
    const orvan::PointerState& s = pointer_.state();
    for (auto [slider, position] :
         {std::pair{speed_, s.speedPosition}, std::pair{doubleClick_, s.doubleClickPosition},
          std::pair{wheel_, s.wheelPosition}}) {
        slider->setStyle(style);
        slider->setPosition(position);
    }
    wheel_->setEnabled(!s.oneScreen);
    for (int k = 1; k <= orvan::kPointerPositions; ++k) {
        if (QWidget* label = control("lbl_ScrSpd" + N(k))) label->setEnabled(!s.oneScreen);
    }
    acceleration_->setChecked(s.accelerationOn);
    oneScreen_->setChecked(s.oneScreen);
    for (const auto& [name, on] :
         {std::pair{"cb_IsControl", s.accelerationOn}, std::pair{"cb_IsScreen", s.oneScreen}}) {
        if (auto* box = qobject_cast<QAbstractButton*>(control(QString::fromLatin1(name))))
            box->setChecked(on);
    }
}

void AdvancedSettings::refreshPointer() {
    pointer_.RefreshMouseSystemParameterA();
    pointer_.RefreshMouseSystemParameterB();
    showPointer();
}

void AdvancedSettings::MseSpd_OnClick(int position) {
    Overlay overlay(*this);
    pointer_.setSpeedPosition(position);
    showPointer();
}

void AdvancedSettings::MseDbSpd_OnClick(int position) {
    Overlay overlay(*this);
    pointer_.setDoubleClickPosition(position);
    showPointer();
}

void AdvancedSettings::MseScrSpd_OnClick(int position) {
    Overlay overlay(*this);
    pointer_.setWheelPosition(position);
    showPointer();
}

void AdvancedSettings::lbl_IsControlClick() {
    Overlay overlay(*this);
    pointer_.toggleAcceleration();
    showPointer();
}

void AdvancedSettings::lbl_IsScreenClick() {
    Overlay overlay(*this);
    pointer_.toggleOneScreen();
    showPointer();
}

}  // namespace orvandesk
