// Button assignment on the window: the key menu's hover and clicks, the
// combination-key dialog, the device macro list, the AIM keys and the
// mode-switch toggles. The rules live in orvan::KeyAssignment; these
// handlers read the controls, ask the model and write what it changed.

#include <QListWidget>

#include "common/keys/FunctionTextIds.h"
#include "common/keys/dialogs/CombinationKeyDialog.h"
#include "common/shell/Skin.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/SkinStyle.h"
#include "common/shell/StateImages.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/window/AdvancedSettings.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/KeyMenu.h"
#include "orvandesk/window/MainWindow.h"
#include "orvandesk/window/MenuPlacement.h"
#include "orvandesk/window/pages/KeyPage.h"

namespace orvandesk {

namespace {
// The accent of the artwork, on the row under the mouse.
constexpr char kAccent[] = "#FF8A1F";
}  // namespace

void TForm1::connectKeyMenu() {
    for (const MenuList& list : KeyMenuLists()) {
        for (const MenuRow& r : list.rows) {
            auto* row = findChild<shell::SkinLabel*>(QString::fromLatin1(r.name));
            if (row == nullptr) continue;
            connect(row, &shell::SkinLabel::entered, this,
                    [this, row] { KeyStatusMouseEnter(row); });
            connect(row, &shell::SkinLabel::left, this, [this, row] { KeyStatusMouseLeave(row); });
            connect(row, &shell::SkinLabel::clicked, this, [this, row] { menuRowClick(row); });
        }
    }
    if (auto* tl = findChild<shell::SkinLabel*>(QStringLiteral("Key_TLFireMacro"))) {
        connect(tl, &shell::SkinLabel::entered, this, [this, tl] { KeyStatusMouseEnter(tl); });
        connect(tl, &shell::SkinLabel::left, this, [this, tl] { KeyStatusMouseLeave(tl); });
    }
    if (auto* names = findChild<QListWidget*>(QStringLiteral("LB_Name"))) {
        connect(names, &QListWidget::itemClicked, this,
                [this, names](QListWidgetItem* item) { LB_NameClick(names->row(item)); });
    }
    for (int n = 1; n <= 8; ++n) {
        if (auto* toggle = findChild<shell::SkinLabel*>("IB_ComboKey" + QString::number(n))) {
            connect(toggle, &shell::SkinLabel::clicked, this, [this, n] { IB_ComboKeyClick(n); });
        }
    }
}

void TForm1::KeyStatusMouseEnter(QWidget* row) {
    const MenuList* list = ListOfRow(row->objectName());
    const int depth = list != nullptr ? list->depth : 0;
    const QColor font = shell::ToQColor(skin_->layout().colourGSF);
    const QColor back = shell::ToQColor(skin_->layout().colourGSP);
    // Rows are see-through labels; the one under the mouse gets a background.
    row->setAttribute(Qt::WA_TranslucentBackground, false);
    row->setAttribute(Qt::WA_NoSystemBackground, false);
    row->setStyleSheet(
        QStringLiteral("#%1 { color: %2; background-color: %3; "
                       "border-left: 3px solid %4; }")
            .arg(row->objectName(), font.name(), back.name(), QLatin1String(kAccent)));
    // The deeper lists that do not belong to this row close.
    const MenuRow* r = nullptr;
    ListOfRow(row->objectName(), &r);
    const QString own =
        r != nullptr && r->submenu != nullptr ? QString::fromLatin1(r->submenu) : QString();
    for (const MenuList& l : KeyMenuLists()) {
        if (l.depth > depth && own != QLatin1String(l.name)) {
            if (QWidget* w = control(QString::fromLatin1(l.name))) w->hide();
        }
    }
    if (depth == 0 && own != QLatin1String("LB_Name")) {
        if (QWidget* w = control(QStringLiteral("LB_Name"))) w->hide();
    }
    if (own.isEmpty()) return;
    QWidget* sub = control(own);
    if (sub == nullptr) return;
    if (auto* names = qobject_cast<QListWidget*>(sub)) {
        // "Base Macro" opens nothing while the mouse holds no macro.
        if (names->count() == 0) return;
        names->resize(names->width(), 2 + kMenuRowHeight * names->count());
    }
    QWidget* parentList = row->parentWidget();
    const QRect listRect(parentList->mapTo(this, QPoint(0, 0)), parentList->size());
    const QRect rowRect(row->mapTo(this, QPoint(0, 0)), row->size());
    sub->move(SubmenuPosition(listRect, rowRect, sub->size(), size()));
    sub->show();
    sub->raise();
}

void TForm1::KeyStatusMouseLeave(QWidget* row) {
    row->setStyleSheet(QString());
    row->setAttribute(Qt::WA_TranslucentBackground);
    shell::SetTextColour(row, skin_->layout().colourGText);
}

void TForm1::menuRowClick(QWidget* row) {
    const MenuRow* r = nullptr;
    if (ListOfRow(row->objectName(), &r) == nullptr || r == nullptr) return;
    switch (r->action) {
        case MenuAction::Item:
            KeyStatusOnClick(r->item);
            break;
        case MenuAction::UserDefined:
            Key_AssemblyClick();
            break;
        case MenuAction::FireMacro:
            Key_FireMacroClick();
            break;
        case MenuAction::Submenu:
            KeyStatusMouseEnter(row);
            break;
    }
}

int TForm1::shownKeySet() const {
    const int m = pageMark();
    return m >= 1 && m <= 3 ? m - 1 : 0;
}

bool TForm1::menuTarget(int& keySet, int& button) const {
    if (menuFromEngineering_) {
        if (menuKeyNumber_ < 101 || menuKeyNumber_ > 312 || menuKeyNumber_ % 100 < 1 ||
            menuKeyNumber_ % 100 > 12)
            return false;
        keySet = menuKeyNumber_ / 100 - 1;
        button = menuKeyNumber_ % 100;
        return true;
    }
    keySet = shownKeySet();
    button = menuKeyNumber_;
    return button >= 1 && button <= orvan::kButtonCount;
}

void TForm1::showButtonName(int keySet, int button) {
    const QString name = QString::fromStdU16String(assignment_.name(keySet, button));
    if (keySet == shownKeySet()) {
        if (QWidget* key = control("Key" + QString::number(button))) shell::SetCaption(key, name);
    }
    const QString tl = QStringLiteral("btn_Key%1").arg((keySet + 1) * 100 + button);
    if (QWidget* b = control(tl)) shell::SetCaption(b, name);
}

void TForm1::storedKeyChange() {
    if (!imageLoading_) WriteProfiles();
}

void TForm1::KeyStatusOnClick(int item) {
    HideAllMenu();
    refreshKeyContext();
    if (menuFromEngineering_ && menuForComboKey_) {
        const int slot = menuKeyNumber_;
        const std::string code = assignment_.AssignComboSlot(slot, item);
        if (code.empty()) return;
        if (QWidget* b =
                control(QStringLiteral("btn_ComboKey%1").arg(slot, 3, 10, QLatin1Char('0'))))
            shell::SetCaption(b, QString::fromStdU16String(assignment_.comboSlotName(slot)));
        if (!imageLoading_) {
            const size_t at = orvan::ComboKeyOffset(static_cast<size_t>(slot));
            const auto& d = image_.data;
            session_->device().WriteLiveEntry(static_cast<uint8_t>(at), d[at], d[at + 1], d[at + 2],
                                              d[at + 3]);
        }
        return;
    }
    int keySet = 0;
    int button = 0;
    if (!menuTarget(keySet, button)) return;
    const auto view =
        menuFromEngineering_ ? orvan::AssignView::Engineering : orvan::AssignView::KeyPage;
    const orvan::AssignResult result = assignment_.AssignItem(view, keySet, button, item);
    showButtonName(keySet, button);
    if (result == orvan::AssignResult::Refused) {
        ShowMessageId("Str108");
    } else if (result == orvan::AssignResult::Stored) {
        if (item == 1000) showAimLevel(keySet);
        storedKeyChange();
    }
}

void TForm1::Key_AssemblyClick() {
    HideAllMenu();
    refreshKeyContext();
    int keySet = 0;
    int button = 0;
    if (!menuTarget(keySet, button)) return;
    // The third mode offers the dialog too: its key table takes combinations
    // like the other two. Mode B keeps its last left button here as well
    // when its rule is on, as it does for every other choice.
    const auto view =
        menuFromEngineering_ ? orvan::AssignView::Engineering : orvan::AssignView::KeyPage;
    if (assignment_.LeftKeyRuleApplies(view, keySet) && assignment_.IsOnlyLeftKey(keySet, button))
        return;
    combinationTarget_ = {keySet, button};
    auto* dialog = new keys::TForm2(keys::DialogSkinOf(*skin_), *this, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void TForm1::setDialogOverlay(keys::DialogKind kind, bool shown) {
    if (kind == keys::DialogKind::Combination) {
        setOverlaysVisible(shown);
    } else if (QWidget* o = control(QStringLiteral("Disable_All_4_1"))) {
        o->setVisible(shown);
        if (shown) o->raise();
    }
}

void TForm1::applyCombination(const QString& caption, const QString& codeText) {
    ApplyCombination(caption, codeText);
}

void TForm1::ApplyCombination(const QString& /*caption*/, const QString& codeText) {
    const auto [keySet, button] = combinationTarget_;
    combinationTarget_ = {-1, -1};
    // The caption the dialog showed is the name of its code ("Key Off" when
    // it was cleared); the button shows the name so it follows the language.
    if (!assignment_.ApplyCombination(keySet, button, codeText.toStdString())) return;
    showButtonName(keySet, button);
    storedKeyChange();
}

void TForm1::LB_NameClick(int row) {
    HideAllMenu();
    refreshKeyContext();
    int keySet = 0;
    int button = 0;
    if (!menuTarget(keySet, button)) return;
    int k = 0;
    for (const keys::DeviceMacroEntry& macro : assignment_.context().deviceMacros) {
        if (!macro.inUse) continue;
        if (k++ != row) continue;
        // A mouse without I2C memory keeps no macros: the choice changes nothing.
        if (assignment_.AssignDeviceMacro(keySet, button, macro.address) ==
            orvan::AssignResult::Stored) {
            showButtonName(keySet, button);
            storedKeyChange();
        }
        return;
    }
}

void TForm1::Key_FireMacroClick() {
    openFirePage();
}

void TForm1::SettingAIMKey(int level) {
    refreshKeyContext();
    if (assignment_.SettingAIMKey(level)) {
        storedKeyChange();
    } else if (!imageLoading_) {
        // No AIM key to carry the level: back to 200 DPI.
        assignment_.context().aimLevel = 1;
        ShowMessageId("Str105");
    }
    showAimLevel(-1);
}

void TForm1::showAimLevel(int keySet) {
    if (keySet >= 0) {
        if (const auto level = assignment_.AimLevelOfKeySet(keySet))
            assignment_.context().aimLevel = *level;
    }
    const int level = assignment_.context().aimLevel;
    if (QWidget* value = control(QStringLiteral("lbl_AIMDPIValue"))) {
        shell::SetCaption(value, languageText(keys::TextIdName(299 + level).c_str()));
    }
    advanced_->showAimLevel(level);
}

void TForm1::applyOptionWrite(orvan::OptionWrite write) {
    RefreshComboKeys();
    if (write == orvan::OptionWrite::None) return;
    RefreshProfileKeys(shownKeySet());
    if (imageLoading_) return;
    if (write == orvan::OptionWrite::VendorSection) {
        WriteVendorSection();
    } else {
        WriteProfiles();
    }
}

void TForm1::IB_ComboKeyClick(int n) {
    refreshKeyContext();
    applyOptionWrite(assignment_.ClickModeSwitchToggle(n, shownKeySet()));
}

void TForm1::cb_ChangeLEDModeFunChange(int index) {
    refreshKeyContext();
    applyOptionWrite(assignment_.SetLedModeSwitch(index == 1));
}

void TForm1::cb_ChangeFireFunChange(int index) {
    refreshKeyContext();
    applyOptionWrite(assignment_.SetFireFunChoice(index));
}

void TForm1::cb_IsGunFireModeClick(bool ticked) {
    // The fire key check boxes toggle it while they fill.
    if (engineeringFilling_) return;
    refreshKeyContext();
    applyOptionWrite(assignment_.SetGunFireMode(ticked));
}

void TForm1::RefreshComboKeys() {
    for (int n = 1; n <= 8; ++n) {
        shell::ShowPicture(
            control("Img_ComboKey" + QString::number(n)),
            assignment_.ToggleTicked(n) ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"),
            store_);
    }
}

void TForm1::RefreshFireFun() {
    refreshKeyContext();
    assignment_.RefreshFireFun();
    RefreshComboKeys();
}

void TForm1::RefreshButtonNames() {
    refreshKeyContext();
    assignment_.RefreshButtonNames();
}

orvan::KeysParameters TForm1::InitKeysParameters() {
    refreshKeyContext();
    return assignment_.InitKeysParameters();
}

void TForm1::RefreshKeysParameters(const orvan::KeysParameters& before,
                                   const std::vector<keys::DeviceMacroEntry>& macros) {
    refreshKeyContext();
    if (assignment_.RefreshKeysParameters(before, macros)) {
        RefreshProfileKeys(shownKeySet());
        storedKeyChange();
    }
    refreshDeviceMacroList();
}

void TForm1::setDeviceMacros(const std::vector<keys::DeviceMacroEntry>& macros) {
    assignment_.context().deviceMacros = macros;
    refreshDeviceMacroList();
    RefreshProfileKeys(shownKeySet());
}

void TForm1::refreshDeviceMacroList() {
    auto* names = control<QListWidget>(QStringLiteral("LB_Name"));
    if (names == nullptr) return;
    names->clear();
    // Rows like the menu's: its colours, the hover colours under the mouse.
    const QWidget* menu = control(QStringLiteral("Pnl_Main"));
    const QColor back =
        menu != nullptr ? menu->palette().color(QPalette::Window) : QColor(Qt::black);
    names->setStyleSheet(
        QStringLiteral("#LB_Name { background-color: %1; color: %2; border: 1px solid %3; }"
                       " #LB_Name::item { height: %4px; padding-left: 6px; }"
                       " #LB_Name::item:hover, #LB_Name::item:selected"
                       " { background-color: %5; color: %6; border-left: 3px solid %3; }")
            .arg(back.name(), shell::ToQColor(skin_->layout().colourGText).name(),
                 QLatin1String(kAccent))
            .arg(kMenuRowHeight)
            .arg(shell::ToQColor(skin_->layout().colourGSP).name(),
                 shell::ToQColor(skin_->layout().colourGSF).name()));
    for (const keys::DeviceMacroEntry& macro : assignment_.context().deviceMacros) {
        if (macro.inUse) names->addItem(QString::fromStdU16String(macro.name));
    }
}

void TForm1::refreshKeyContext() {
    keys::OrvanFunctionContext& c = assignment_.context();
    if (!c.texts) {
        c.texts = [this](std::string_view id) { return skin_->languages().LanguageText(id); };
    }
    c.memoryIsI2c = session_->detectedI2c();
    assignment_.setModeBCheckLeftKey(skin_->org().modeBCheckLeftKey == 1);
}

}  // namespace orvandesk
