#pragma once
// The advanced page's settings (gbPage2): the DPI levels with their values,
// colours and current level, the AIM DPI row, the report rate, and the
// desktop pointer settings. Every mouse setting goes out at once as a live
// write of its image bytes; nothing is sent while an image is loading.

#include <QColor>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "orvandesk/performance/DpiRules.h"
#include "orvandesk/performance/PointerModel.h"

class QWidget;

namespace shell {
class SkinCheck;
class SkinRadioGroup;
class SkinSlider;
}  // namespace shell

namespace orvandesk {

class TForm1;

class AdvancedSettings : public QObject {
    Q_OBJECT
public:
    // `pointer` may be null: the pointer controls then show and keep nothing.
    AdvancedSettings(TForm1& window, std::shared_ptr<platform::PointerSettings> pointer);
    ~AdvancedSettings() override;

    // Connects the page's controls; they exist from the page builder on.
    void attach();

    // --- Mouse settings
    void DPILevel_OnClick(int level);
    void CurrentDPI_OnClick(int level);
    void DPIVlaue_OnClick(int level, int position);
    void lbl_DPIColClick(int level);
    // The second half of the colour click, once a colour is chosen.
    void setLevelColour(int level, QColor colour);
    void AIMDPIValue_OnClick(int position);
    void ReportRate_OnClick(int option);
    // The mouse's own DPI button moved the level: mark the one it is on.
    void RefreshCurrentDPIStatus();
    // The DPI and report-rate part of RefreshUI.
    void refreshFromImage();
    // The AIM slider at a level 1..12 (the AIM keys decide which).
    void showAimLevel(int level);
    void forgetReportRate();

    // --- Pointer settings
    void refreshPointer();
    void MseSpd_OnClick(int position);
    void MseDbSpd_OnClick(int position);
    void MseScrSpd_OnClick(int position);
    void lbl_IsControlClick();
    void lbl_IsScreenClick();

    // State read by tests.
    int levelCount() const { return count_; }
    int currentItem() const { return currentItem_; }
    int currentLevelShown() const;
    int rememberedReportRate() const { return rememberedRate_; }
    const orvan::PointerState& pointer() const { return pointer_.state(); }

    // Replaces the colour dialog (tests): returns the chosen colour or nothing.
    std::function<std::optional<QColor>(QColor)> chooseColour;

private:
    class Overlay;
    void send(uint8_t address, uint8_t value);
    void setLevelInUse(int level, bool inUse);
    void markCurrent(int level);
    void stepCountRefresh(int steps);
    void showLevelValue(int level, int index);
    void paintSwatch(int level);
    void showPointer();
    QWidget* control(const QString& name) const;

    TForm1& w_;
    std::shared_ptr<platform::PointerSettings> pointerSettings_;
    orvan::PointerModel pointer_;
    std::array<shell::SkinSlider*, orvan::kDpiLevels> levelSliders_{};
    shell::SkinSlider* aim_ = nullptr;
    shell::SkinRadioGroup* rate_ = nullptr;
    shell::SkinSlider* speed_ = nullptr;
    shell::SkinSlider* doubleClick_ = nullptr;
    shell::SkinSlider* wheel_ = nullptr;
    shell::SkinCheck* acceleration_ = nullptr;
    shell::SkinCheck* oneScreen_ = nullptr;

    int count_ = 8;
    std::array<uint8_t, orvan::kDpiLevels> values_{};
    // What the engineering page's current-level box holds: the level last
    // chosen or read, which a value change switches away from and back to.
    int currentItem_ = 0;
    int rememberedRate_ = 0;
    bool rateChanged_ = false;
    bool dpiRefreshPending_ = false;
};

}  // namespace orvandesk
