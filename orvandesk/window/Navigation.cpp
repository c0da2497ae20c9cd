// Page navigation: the guard, the key-set switches with their live writes,
// the other pages, the engineering page, and the key menu's placement.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "common/shell/Skin.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/StateImages.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/window/AfterTransfer.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/KeyMenu.h"
#include "orvandesk/window/MainWindow.h"
#include "orvandesk/window/MenuPlacement.h"

namespace orvandesk {

namespace {
const char* const kNavigationBases[] = {"Main",   "Switch", "Fixed",  "Adv",
                                        "Breath", "Macro",  "Update", "Engineer"};
// The current-key-set byte of the working image after a switch to key set 1..3.
constexpr uint8_t kKeySetByte[3] = {0x00, 0xF1, 0x02};
// The fixed-colour entry of the key-set colour list, sent as colour 15.
constexpr int kFixedColourItem = 10;
}  // namespace

bool TForm1::navigationGuard(bool keySet) {
    if (!connectionUsable()) {
        ShowMessageId("Str022");
        return false;
    }
    if (noDeviceView_) return false;
    if (keySet && imageLoading_) return false;
    return true;
}

void TForm1::setMark(int n) {
    if (QAbstractButton* m = mark(n)) m->setChecked(true);
}

void TForm1::showOnlyPage(int page) {
    for (int n = 1; n <= 7; ++n) {
        if (QWidget* p = control("gbPage" + QString::number(n))) p->setVisible(n == page);
    }
    if (page != 7) {
        setFixedSize(skinWidth_, skinHeight_);
        makeShaped();
    }
}

void TForm1::ButtonTypeB_1IconInit() {
    for (const char* base : kNavigationBases) {
        shell::ShowOnCopies(skin_->controls(), store_, QString::fromLatin1(base),
                            QStringLiteral("SetS_01"));
    }
    noDeviceView_ = false;
}

void TForm1::selectStrip(int pageMark) {
    shell::ShowOnCopies(skin_->controls(), store_, shell::PageStripBase(pageMark),
                        QStringLiteral("SetS_03"));
}

void TForm1::keySetMenuGeometry(int k) {
    const bool gunSet = k == 2 && skin_->org().gunDisplay();
    if (QWidget* m = control(QStringLiteral("Pnl_Main"))) m->resize(m->width(), gunSet ? 194 : 170);
    if (QWidget* s = control(QStringLiteral("Pnl_Special")))
        s->resize(s->width(), gunSet ? 314 : 242);
    const bool comboKey8 = gunSet && skin_->layout().comboKey8Enabled;
    for (const char* name : {"IB_ComboKey8", "Img_ComboKey8"}) {
        if (QWidget* w = control(QString::fromLatin1(name))) w->setVisible(comboKey8);
    }
    // The profile list offers the other key sets only.
    for (int n = 1; n <= 3; ++n) {
        if (QWidget* p = control("Key_Profile" + QString::number(n))) p->setVisible(n != k);
    }
    stackProfileList();
}

void TForm1::stackProfileList() {
    QWidget* list = control(QStringLiteral("Pnl_Profile"));
    if (list == nullptr) return;
    int rows = 0;
    for (const char* name : {"Key_Profile1", "Key_Profile2", "Key_Profile3", "Key_Profile"}) {
        QWidget* row = control(QString::fromLatin1(name));
        if (row == nullptr || row->isHidden()) continue;
        row->move(row->x(), 1 + rows * kMenuRowHeight);
        ++rows;
    }
    list->resize(list->width(), 2 + rows * kMenuRowHeight);
}

void TForm1::keySetClick(int k) {
    if (!navigationGuard(true)) return;
    setOverlaysVisible(true);
    HideAllMenu();
    ButtonTypeB_1IconInit();
    setMark(k);
    if (auto* profile = control<QComboBox>(QStringLiteral("cb_Profile")))
        profile->setCurrentIndex(k - 1);
    keySetMenuGeometry(k);

    // The mouse switches to the shown key set at once.
    const bool gunSet = k == 2 && skin_->org().gunDisplay();
    auto* effect = control<QComboBox>(QStringLiteral("cb_BtnEFT"));
    auto* colour = control<QComboBox>(QStringLiteral("cb_ProfileColor"));
    const int effectIndex = effect != nullptr ? std::max(0, effect->currentIndex()) : 0;
    int c = colour != nullptr ? std::max(0, colour->currentIndex()) : 0;
    if (c == kFixedColourItem || gunSet) c = 15;
    const uint8_t set = static_cast<uint8_t>(k - 1);
    const std::pair<uint8_t, uint8_t> writes[] = {
        {orvan::field::ButtonFlash, static_cast<uint8_t>(effectIndex + (gunSet ? 4 : 0))},
        {0xA8, k == 2 ? uint8_t{0x0F} : uint8_t{0x00}},
        {0xA9, 0x00},
        {0xAA, k == 2 ? uint8_t{0x20} : uint8_t{0x00}},
        {orvan::field::ProfileSelect, static_cast<uint8_t>((c & 0x0F) * 16 + set)},
    };
    for (const auto& [address, value] : writes) {
        session_->device().WriteLiveBytes(address, value, 0, 0, 1);
    }

    showOnlyPage(1);
    showKeySetView(k);
    image_.working[orvan::field::ProfileSelect] = kKeySetByte[k - 1];
    setOverlaysVisible(false);
}

void TForm1::showKeySetView(int k) {
    RefreshProfileKeys(k - 1);
    showAimLevel(k - 1);
    selectStrip(k);
    shell::ShowPicture(control(QStringLiteral("Img_P1")),
                       QStringLiteral("L%1_Back1").arg(languageNumber()), store_);
}

void TForm1::otherPageClick(int pageMark) {
    if (!navigationGuard(false)) return;
    setOverlaysVisible(true);
    HideAllMenu();
    ButtonTypeB_1IconInit();
    setMark(pageMark);
    const int page = pageMark - 2;  // advanced 2, lighting 3, macro 4, update 5
    showOnlyPage(page);
    selectStrip(pageMark);
    if (page <= 4) {
        shell::ShowPicture(control("Img_P" + QString::number(page)),
                           QStringLiteral("L%1_Back%2").arg(languageNumber()).arg(page), store_);
    }
    if (page == 4) {
        // The insert mode of the macro editor decides later; the delay group for now.
        if (QWidget* g = control(QStringLiteral("Gb_Delay"))) g->show();
    }
    if (page == 5) {
        if (auto* file = control<QLabel>(QStringLiteral("lbl_LoadBIN"))) file->clear();
    }
    setOverlaysVisible(false);
}

void TForm1::Btn_Engineer_0Click() {
    if (!navigationGuard(false)) return;
    engineeringFilling_ = true;
    HideAllMenu();
    ButtonTypeB_1IconInit();
    setMark(8);
    if (QWidget* m = control(QStringLiteral("Pnl_Main"))) m->resize(m->width(), 194);
    if (QWidget* s = control(QStringLiteral("Pnl_Special"))) s->resize(s->width(), 314);
    for (int n = 1; n <= 3; ++n) {
        if (QWidget* p = control("Key_Profile" + QString::number(n))) p->show();
    }
    stackProfileList();
    showOnlyPage(7);
    clearMask();
    setFixedSize(1256, 680);
    // The page's fields are filled from the image by the engineering work.
    selectStrip(8);
    engineeringFilling_ = false;
}

void TForm1::RefreshCurrentProfileStatus() {
    if (PostponeWhileLoading(imageLoading_, profileRefreshPending_, this,
                             [this] { RefreshCurrentProfileStatus(); }))
        return;
    statusRefresh_ = true;
    int k = -1;
    if (session_->detectedI2c()) {
        uint8_t byte = 0xFF;
        session_->device().ReadDeviceMemory(orvan::field::ProfileSelect, std::span(&byte, 1),
                                            false);
        k = byte & 0x0F;
    }
    if (k >= 0 && k <= 2) {
        shell::ShowPicture(control(QStringLiteral("Img_P1")),
                           QStringLiteral("L%1_Back1").arg(languageNumber()), store_);
        for (const char* base : kNavigationBases) {
            if (k == 2 && QLatin1String(base) == QLatin1String("Engineer")) continue;
            shell::ShowOnCopies(skin_->controls(), store_, QString::fromLatin1(base),
                                QStringLiteral("SetS_01"));
        }
        selectStrip(k + 1);
        setMark(k + 1);
        if (auto* profile = control<QComboBox>(QStringLiteral("cb_Profile")))
            profile->setCurrentIndex(k);
        keySetMenuGeometry(k + 1);
        for (int n = 1; n <= 7; ++n) control("gbPage" + QString::number(n))->setVisible(n == 1);
        RefreshProfileKeys(k);
    }
    statusRefresh_ = false;
}

void TForm1::ShowPnlMain_OnClick(QWidget* label) {
    if (label == nullptr) return;
    menuKeyNumber_ = KeyNumberOf(label->objectName());
    menuForComboKey_ = false;
    menuFromEngineering_ = false;
    if (menuKeyNumber_ > 0) {
        shell::ShowPicture(control("Img_Key" + QString::number(menuKeyNumber_)),
                           QStringLiteral("KeyS_01"), store_);
    }
    skin_->rolling().stop();
    HideAllMenu();
    QWidget* menu = control(QStringLiteral("Pnl_Main"));
    if (menu == nullptr) return;
    for (const auto& [name, visible] :
         {std::pair{"Key_FireMacro", true}, std::pair{"Key_TLFireMacro", false},
          std::pair{"ST_TLFireMacro", false}}) {
        if (QWidget* w = control(QString::fromLatin1(name))) w->setVisible(visible);
    }
    const QRect at(label->mapTo(this, QPoint(0, 0)), label->size());
    menu->move(KeyMenuPosition(at, size(), menu->size()));
    menu->show();
    menu->raise();
}

void TForm1::TLShowPnlMain_OnClick(QWidget* button) {
    auto* tabs = control(QStringLiteral("Pg_Parameter"));
    QWidget* menu = control(QStringLiteral("Pnl_Main"));
    if (button == nullptr || tabs == nullptr || menu == nullptr) return;
    const int number = EngineeringKeyNumberOf(button->objectName());
    menuKeyNumber_ = number;
    QString groupName = QStringLiteral("gbComboKey");
    if (number >= 100 && number <= 199) groupName = QStringLiteral("gbProfile1");
    if (number >= 201 && number <= 299) groupName = QStringLiteral("gbProfile2");
    if (number > 300) groupName = QStringLiteral("gbProfile3");
    menuForComboKey_ = number < 100;
    menuFromEngineering_ = true;
    QWidget* group = control(groupName);
    if (group == nullptr) return;
    HideAllMenu();
    if (QWidget* w = control(QStringLiteral("Key_FireMacro"))) w->hide();
    if (QWidget* w = control(QStringLiteral("Key_TLFireMacro"))) w->show();
    if (QWidget* w = control(QStringLiteral("ST_TLFireMacro"))) w->show();
    EngineeringMenuInput in;
    in.number = number;
    in.button = button->geometry();
    in.group = group->geometry();
    in.tabs = tabs->geometry();
    in.menu = menu->size();
    in.currentTop = menu->y();
    menu->move(EngineeringMenuPosition(in));
    menu->show();
    menu->raise();
}

void TForm1::openFirePage() {
    HideAllMenu();
    showOnlyPage(6);
}

void TForm1::closeFirePage() {
    showOnlyPage(1);
}

}  // namespace orvandesk
