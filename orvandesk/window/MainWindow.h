#pragma once
// TForm1: the orvandesk main window. A borderless, shaped, fixed-size window
// with seven page containers of which one is visible, the page strip and
// window buttons on pages 1 to 5, the blocking overlays and the drop-down
// menus. Handlers read the controls, call the model or the sequence, and put
// the result back on the controls; the device side lives in DeviceSession.

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <array>
#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "common/device/DeviceHost.h"
#include "common/keys/dialogs/KeyDialogHost.h"
#include "common/shell/ResourceStore.h"
#include "common/shell/ShellView.h"
#include "common/shell/window/BusyWindow.h"
#include "orvandesk/image/ImageBuffers.h"
#include "orvandesk/image/KeyTextTable.h"
#include "orvandesk/image/SectionDefaults.h"
#include "orvandesk/keys/KeyAssignment.h"
#include "orvandesk/window/WindowEnvironment.h"

class QSystemTrayIcon;
class QAbstractButton;

namespace shell {
class Skin;
}  // namespace shell

namespace orvandesk {

class DeviceSession;
class LightingPage;
class AdvancedSettings;

inline constexpr char kMainWindowCaption[] = "Orvan Gaming Mouse v1.0";
inline constexpr char kApplicationTitle[] = "Gaming Mouse";

// The part of a background picture the window keeps: neither fully
// transparent nor of the see-through colour RGB(128, 0, 0).
QRegion VisibleRegion(const QImage& picture);

class TForm1 : public QWidget,
               public shell::ShellHost,
               public device::DeviceHost,
               public keys::KeyDialogHost {
    Q_OBJECT
public:
    explicit TForm1(WindowEnvironment environment, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- shell::ShellHost
    int pageMark() const override;
    bool statusRefreshing() const override { return statusRefresh_; }
    bool pageOneOverlayVisible() const override;
    void setOverlaysVisible(bool visible) override;
    void refreshCurrentPage() override { RefreshAPPage(); }
    void setApplicationTitle(const QString& title) override;

    // --- device::DeviceHost (the busy window)
    void showBusy() override;
    void hideBusy() override;
    void processPendingEvents() override;

    // --- Frame
    void RefreshFormMessagDialog(const QString& text);
    // A message by its language text id.
    void ShowMessageId(const char* id);
    // A text of the active language table.
    QString languageText(const char* id) const;
    void DisableMainButtonControl() { setOverlaysVisible(true); }
    void EnableMainButtonControl() { setOverlaysVisible(false); }
    void HideAllMenu();
    void ClearAP() { HideAllMenu(); }
    void RefreshAPPage();
    void Img_BaseMouseDown();
    void Btn_Minimize_0Click();
    void Btn_Exit1_0Click() { close(); }
    void Btn_Exit2_0Click() { close(); }
    void Btn_Web_0Click();
    void Btn_WebLinkClick();
    void Btn_LangClick(int k);
    // Brings the window back from a second start of the program.
    void activateFromSecondStart();

    // --- Navigation (Navigation.cpp)
    void Btn_Main_0Click() { keySetClick(1); }
    void Btn_Switch_0Click() { keySetClick(2); }
    void Btn_Fixed_0Click() { keySetClick(3); }
    void Btn_Adv_0Click() { otherPageClick(4); }
    void Btn_Breath_0Click() { otherPageClick(5); }
    void Btn_Macro_0Click() { otherPageClick(6); }
    void Btn_Update_0Click() { otherPageClick(7); }
    void Btn_Engineer_0Click();
    void RefreshCurrentProfileStatus();
    void ButtonTypeB_1IconInit();
    // Shows only the page container `page` (1..7).
    void showOnlyPage(int page);
    // Opens the fire-key page from the key menu; its buttons come back here.
    void openFirePage();
    void closeFirePage();
    // The key menu for a key label (Key1 .. Key12) and for an engineering key.
    void ShowPnlMain_OnClick(QWidget* label);
    void TLShowPnlMain_OnClick(QWidget* button);
    int menuKeyNumber() const { return menuKeyNumber_; }

    // --- Button assignment (Assignment.cpp)
    void KeyStatusMouseEnter(QWidget* row);
    void KeyStatusMouseLeave(QWidget* row);
    // A leaf row of the key menu: its menu item number.
    void KeyStatusOnClick(int item);
    void Key_AssemblyClick();
    void ApplyCombination(const QString& caption, const QString& codeText);
    // Row `row` of the device macro list LB_Name.
    void LB_NameClick(int row);
    void Key_FireMacroClick();
    void SettingAIMKey(int level);
    void IB_ComboKeyClick(int n);
    void IB_ComboKey1Click() { IB_ComboKeyClick(1); }
    void IB_ComboKey8Click() { IB_ComboKeyClick(8); }
    void cb_ChangeLEDModeFunChange(int index);
    void cb_ChangeFireFunChange(int index);
    void cb_IsGunFireModeClick(bool ticked);
    void RefreshComboKeys();
    void RefreshFireFun();
    void RefreshButtonNames();
    void RefreshProfile1Keys() { RefreshProfileKeys(0); }
    void RefreshProfile2Keys() { RefreshProfileKeys(1); }
    void RefreshProfile3Keys() { RefreshProfileKeys(2); }
    orvan::KeysParameters InitKeysParameters();
    void RefreshKeysParameters(const orvan::KeysParameters& before,
                               const std::vector<keys::DeviceMacroEntry>& macros);
    // The mouse's macro list as the device macro work reads it.
    void setDeviceMacros(const std::vector<keys::DeviceMacroEntry>& macros);
    orvan::KeyAssignment& assignment() { return assignment_; }

    // --- keys::KeyDialogHost
    void setDialogOverlay(keys::DialogKind kind, bool shown) override;
    void applyCombination(const QString& caption, const QString& codeText) override;

    // --- Hidden gestures (Gestures.cpp)
    void Img_Base_6DblClick();
    void Img_Base_1DblClick();
    bool factoryMode() const { return factoryMode_; }

    // --- Image on the window (Exchange.cpp)
    void Btn_Read();
    void DataBufToUI();
    void RefreshUI();
    void InitNoDevice();
    void RefreshErrorAP();
    void OnMouseLostView();
    void RefreshProfileKeys(int profile);
    // Write patterns with the page blocking around them.
    void WriteProfiles();
    void WriteProfilesAndReserve();
    void WriteVendorSection();
    void WriteUserSection();
    void WriteWholeImage();

    // --- Defaults and BIN file (BinButtons.cpp)
    void Btn_Confirm1_0Click() { confirmClick(1); }
    void Btn_Confirm2_0Click() { confirmClick(2); }
    void Btn_Confirm3_0Click() { confirmClick(3); }
    void DefaultParameterConfirm(int n);
    void Btn_DefaultClick();
    void TLDefaultParameter();
    void Btn_Save_0Click();
    void Btn_Load_0Click();
    // The second halves of save and load, once a file is chosen (tests call
    // these directly, as the dialogs would).
    void saveBinTo(const QString& chosen);
    void loadBinFrom(const QString& path);
    void MemoToDataBuf_OnClick();

    // --- State read by other parts and tests
    bool noDeviceView() const { return noDeviceView_; }
    bool imageLoading() const { return imageLoading_; }
    void setImageLoading(bool on) { imageLoading_ = on; }
    std::atomic<bool>& statusRefreshFlag() { return statusRefresh_; }
    bool connectionUsable() const;
    QSize skinSize() const { return {skinWidth_, skinHeight_}; }
    int languageNumber() const;
    orvan::ConfigImage& image() { return image_; }
    const orvan::KeyTextTable& keyTexts() const { return keyTexts_; }
    DeviceSession& session() { return *session_; }
    LightingPage& lighting() { return *lighting_; }
    AdvancedSettings& advanced() { return *advanced_; }
    shell::Skin& skin() { return *skin_; }
    shell::TFormLoadingUI* busyWindow() const { return busy_; }
    const QString& applicationTitle() const { return applicationTitle_; }
    // Set while the engineering page fills its check boxes.
    bool engineeringFilling() const { return engineeringFilling_; }

    template <class T = QWidget>
    T* control(const QString& name) const;

    // Runs the creation sequence; the window is usable afterwards. False when
    // resources are missing (the problems were shown).
    bool FormCreate();
    // Takes the window's outline from the background picture again.
    void reshape();
    // The busy window, created after the main window as the entry does.
    void createBusyWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildPageFrame(QWidget* page, int n);
    void connectHandlers();
    void makeShaped();
    void keySetClick(int k);
    void otherPageClick(int mark);
    bool navigationGuard(bool keySet);
    void setMark(int mark);
    void keySetMenuGeometry(int k);
    void stackProfileList();
    void showKeySetView(int k);
    void selectStrip(int mark);
    void confirmClick(int n);
    QAbstractButton* mark(int n) const;
    void loadDefaultImages();
    void setFactoryControlsVisible(bool visible);
    void showFireRecorderControls();
    bool askPassword(QString& entered);
    orvan::DefaultsContext defaultsContext() const;
    // Empties the device macro lists (and the name list, or the two script memos).
    void clearMacroViews(bool withNameList);
    class ExchangeScope;
    void connectKeyMenu();
    void menuRowClick(QWidget* row);
    int shownKeySet() const;
    bool menuTarget(int& keySet, int& button) const;
    void showButtonName(int keySet, int button);
    void storedKeyChange();
    void showAimLevel(int keySet);
    void applyOptionWrite(orvan::OptionWrite write);
    void refreshDeviceMacroList();
    void refreshKeyContext();

    WindowEnvironment env_;
    shell::ResourceStore store_;
    shell::Skin* skin_ = nullptr;
    std::unique_ptr<DeviceSession> session_;
    LightingPage* lighting_ = nullptr;  // a child of the window
    AdvancedSettings* advanced_ = nullptr;  // a child of the window
    QPointer<shell::TFormLoadingUI> busy_;
    QSystemTrayIcon* tray_ = nullptr;
    QString applicationTitle_ = QString::fromLatin1(kApplicationTitle);

    QRegion shape_;
    bool dragArmed_ = false;
    QPoint dragOrigin_;
    int skinWidth_ = 1030;
    int skinHeight_ = 662;
    bool noDeviceView_ = false;
    bool imageLoading_ = false;
    std::atomic<bool> statusRefresh_{false};
    bool factoryMode_ = false;
    int doubleClicks_ = 0;
    bool engineeringFilling_ = false;
    bool profileRefreshPending_ = false;
    int menuKeyNumber_ = -1;
    bool menuForComboKey_ = false;
    bool menuFromEngineering_ = false;
    std::pair<int, int> combinationTarget_{-1, -1};

    orvan::ConfigImage image_;
    orvan::KeyTextTable keyTexts_;
    orvan::KeyAssignment assignment_{image_.data, keyTexts_};
    std::array<orvan::WorkingImage, 3> defaultImages_{};
};

template <class T>
T* TForm1::control(const QString& name) const {
    auto* w = findChild<QWidget*>(name);
    if (w == nullptr && objectName() == name) return qobject_cast<T*>(const_cast<TForm1*>(this));
    return qobject_cast<T*>(w);
}

}  // namespace orvandesk
