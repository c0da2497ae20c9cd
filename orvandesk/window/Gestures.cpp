// The hidden gestures: every fifth double-click on the fire-key page's
// background or the engineering page's logo asks for a password that turns
// on the factory mode.

#include <QTabWidget>

#include "common/shell/window/MessageDialog.h"
#include "orvandesk/window/MainWindow.h"

namespace orvandesk {

namespace {
constexpr char kFactoryPassword[] = "BtetaefAQ";
constexpr char kEngineerPassword[] = "RknijynQOWLA";
}  // namespace

bool TForm1::askPassword(QString& entered) {
    ++doubleClicks_;
    if (doubleClicks_ % 5 != 0) return false;
    const auto answer = shell::dlgPass(this);
    if (!answer) return false;
    entered = *answer;
    return true;
}

void TForm1::showFireRecorderControls() {
    for (const char* name : {"Btn_FireStart", "Img_FireStart", "LB_FireMacroName", "LB_FireMacro",
                             "GB_FireDelay", "Img_FireDelay"}) {
        if (QWidget* w = control(QString::fromLatin1(name))) w->setVisible(factoryMode_);
    }
}

void TForm1::Img_Base_6DblClick() {
    if (factoryMode_) {
        factoryMode_ = false;
    } else {
        QString entered;
        if (askPassword(entered) && entered == QLatin1String(kFactoryPassword)) factoryMode_ = true;
    }
    showFireRecorderControls();
}

void TForm1::setFactoryControlsVisible(bool visible) {
    if (auto* tabs = control<QTabWidget>(QStringLiteral("Pg_Parameter"))) {
        for (const char* name : {"ts_Gun", "ts_Engineer"}) {
            if (QWidget* sheet = control(QString::fromLatin1(name))) {
                tabs->setTabVisible(tabs->indexOf(sheet), visible);
            }
        }
    }
    for (const char* name :
         {"Btn_Default", "Btn_ImportBaseMacro", "Btn_ImportGunMacro", "Btn_PatchCode"}) {
        if (QWidget* w = control(QString::fromLatin1(name))) w->setVisible(visible);
    }
    for (const char* name : {"lbl_LEDMode", "cb_LEDMode"}) {
        if (QWidget* w = control(QString::fromLatin1(name))) w->setEnabled(visible);
    }
}

void TForm1::Img_Base_1DblClick() {
    if (factoryMode_) {
        factoryMode_ = false;
        setFactoryControlsVisible(false);
        return;
    }
    QString entered;
    if (!askPassword(entered)) return;
    if (entered == QLatin1String(kFactoryPassword)) {
        factoryMode_ = true;
    } else if (entered == QLatin1String(kEngineerPassword)) {
        factoryMode_ = true;
        setFactoryControlsVisible(true);
    }
}

}  // namespace orvandesk
