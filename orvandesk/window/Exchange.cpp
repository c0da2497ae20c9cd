// The image on the window: the read after a mouse is accepted, the no-device
// view with the default image, the lost-mouse view and the write patterns
// with the page blocking around them.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "common/shell/Skin.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/StateImages.h"
#include "orvandesk/image/ImageDistribution.h"
#include "orvandesk/window/AdvancedSettings.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/Lighting.h"
#include "orvandesk/window/MainWindow.h"
#include "orvandesk/window/pages/KeyPage.h"

namespace orvandesk {

namespace {
constexpr int kFixedColourItem = 10;
}

orvan::DefaultsContext TForm1::defaultsContext() const {
    orvan::DefaultsContext context;
    lighting_->ledType().Fill(context);
    context.memoryKindI2c = session_->detectedI2c();
    return context;
}

void TForm1::clearMacroViews(bool withNameList) {
    for (const char* name : {"LB_MacroName", "LB_macro"}) {
        if (auto* list = control<QListWidget>(QString::fromLatin1(name))) list->clear();
    }
    if (withNameList) {
        if (auto* list = control<QListWidget>(QStringLiteral("LB_Name"))) list->clear();
    } else {
        for (const char* name : {"mmo_macro", "mmo_wrscript"}) {
            if (auto* memo = control<QPlainTextEdit>(QString::fromLatin1(name))) memo->clear();
        }
    }
}

void TForm1::Btn_Read() {
    imageLoading_ = true;
    session_->stopDetectionTimer();
    setOverlaysVisible(true);
    showBusy();
    // The PC macro names are refreshed here once the macro library exists.
    if (session_->detectedI2c()) {
        orvan::DistributeHooks hooks;
        hooks.showPatchCheck = [this](uint16_t check) {
            if (auto* e = control<QLineEdit>(QStringLiteral("edt_PatCodeCk"))) {
                e->setText(QStringLiteral("%1").arg(check, 4, 16, QLatin1Char('0')).toUpper());
            }
        };
        session_->exchange().ReadImage(defaultsContext(), hooks);
    }
    DataBufToUI();
    advanced_->refreshPointer();
    const int m = pageMark();
    const int k = m >= 1 && m <= 3 ? m : 1;
    ButtonTypeB_1IconInit();
    setMark(k);
    if (auto* profile = control<QComboBox>(QStringLiteral("cb_Profile")))
        profile->setCurrentIndex(k - 1);
    keySetMenuGeometry(k);
    showOnlyPage(1);
    showKeySetView(k);
    hideBusy();
    session_->startDetectionTimer();
    setOverlaysVisible(false);
    imageLoading_ = false;
    session_->startNotificationReader();
}

void TForm1::DataBufToUI() {
    refreshKeyContext();
    assignment_.LoadFromImage();
    RefreshFireFun();
    RefreshUI();
    showAimLevel(shownKeySet());
}

void TForm1::RefreshUI() {
    const uint8_t select = image_.data[orvan::field::ProfileSelect];
    if (auto* colour = control<QComboBox>(QStringLiteral("cb_ProfileColor"))) {
        const int nibble = select >> 4;
        colour->setCurrentIndex(nibble == 15 ? kFixedColourItem : std::min(nibble, 9));
    }
    if (auto* effect = control<QComboBox>(QStringLiteral("cb_BtnEFT"))) {
        const int flash = image_.data[orvan::field::ButtonFlash];
        effect->setCurrentIndex(std::clamp(flash < 2 ? flash : flash - 4, 0, effect->count() - 1));
    }
    lighting_->RefreshLighting();
    advanced_->refreshFromImage();
    const int m = pageMark();
    RefreshProfileKeys(m >= 1 && m <= 3 ? m - 1 : 0);
}

void TForm1::RefreshProfileKeys(int profile) {
    refreshKeyContext();
    assignment_.RefreshButtonNames();
    pages::RefreshProfileKeys(skin_->controls(), keyTexts_, profile, assignment_.context());
}

void TForm1::InitNoDevice() {
    imageLoading_ = true;
    loadDefaultImages();
    if (session_->configuredI2c()) {
        image_.working = defaultImages_[0];
        clearMacroViews(false);
        orvan::DistributeImage(image_, defaultsContext());
    }
    DataBufToUI();
    imageLoading_ = false;
}

void TForm1::RefreshErrorAP() {
    InitNoDevice();
    noDeviceView_ = true;
    setMark(1);
    for (int n = 1; n <= 7; ++n) control("gbPage" + QString::number(n))->setVisible(n == 1);
    RefreshProfileKeys(0);
    shell::ShowOnCopies(skin_->controls(), store_, QStringLiteral("Main"),
                        QStringLiteral("SetS_03"));
    for (const char* base : {"Switch", "Fixed", "Adv", "Breath", "Macro", "Update", "Engineer"}) {
        shell::ShowOnCopies(skin_->controls(), store_, QString::fromLatin1(base),
                            QStringLiteral("SetS_01"));
    }
}

void TForm1::OnMouseLostView() {
    HideAllMenu();
    noDeviceView_ = false;
    skin_->rolling().stop();
    // A sequence that lost the mouse half-way leaves nothing busy behind.
    if (busy_) busy_->hide();
    processPendingEvents();
    RefreshErrorAP();
    clearMacroViews(true);
    lighting_->ForgetLedType();
    advanced_->forgetReportRate();
    setOverlaysVisible(true);
    RefreshFormMessagDialog(languageText("Str100") + QStringLiteral("\r\r") +
                            languageText("Str101"));
}

// Blocks the pages and silences the settings handlers while a write runs.
class TForm1::ExchangeScope {
public:
    explicit ExchangeScope(TForm1& w) : w_(w), wasLoading_(w.imageLoading_) {
        w_.imageLoading_ = true;
        w_.setOverlaysVisible(true);
    }
    ~ExchangeScope() {
        w_.setOverlaysVisible(false);
        w_.imageLoading_ = wasLoading_;
    }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    TForm1& w_;
    bool wasLoading_;
};

void TForm1::WriteProfiles() {
    ExchangeScope scope(*this);
    session_->exchange().WriteProfiles();
}

void TForm1::WriteProfilesAndReserve() {
    ExchangeScope scope(*this);
    session_->exchange().WriteProfilesAndReserve();
}

void TForm1::WriteVendorSection() {
    ExchangeScope scope(*this);
    session_->exchange().WriteVendorSection();
}

void TForm1::WriteUserSection() {
    ExchangeScope scope(*this);
    session_->exchange().WriteUserSection();
}

void TForm1::WriteWholeImage() {
    // The read after the restart starts the timer, unblocks the pages and
    // clears the loading flag again.
    imageLoading_ = true;
    session_->stopDetectionTimer();
    setOverlaysVisible(true);
    showBusy();
    session_->exchange().WriteWholeImage();
    session_->connection().RestartAndReconnect();
}

}  // namespace orvandesk
