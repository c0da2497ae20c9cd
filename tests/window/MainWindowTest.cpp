// The frame of the main window: size and shape, navigation and its guard,
// the key-set switches' live writes, the key menu, the hidden gestures and
// closing.

#include <QComboBox>
#include <QLabel>
#include <QScreen>

#include "common/shell/Skin.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/window/BusyWindow.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

TEST_F(WindowTest, IsTheBackgroundsSizeCentredAndShaped) {
    start();
    EXPECT_EQ(window->size(), QSize(1030, 662));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->pos(), QPoint((screen.width() - 1030) / 2, (screen.height() - 662) / 2));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), "Orvan Gaming Mouse v1.0");

    // The mask leaves out what the background leaves transparent.
    const QImage background =
        window->findChild<shell::SkinPicture*>("Img_Base_1")->picture().toImage();
    ASSERT_EQ(background.size(), QSize(1030, 662));
    const QRegion mask = window->mask();
    EXPECT_TRUE(mask.contains(QPoint(515, 331)));
    for (const QPoint p : {QPoint(0, 0), QPoint(1029, 0), QPoint(0, 661), QPoint(1029, 661)}) {
        if (qAlpha(background.pixel(p)) == 0) {
            EXPECT_FALSE(mask.contains(p)) << p.x() << "," << p.y();
        }
    }

    // Ready for use: the overlays are down and the key page shows key set 1.
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_TRUE(window->noDeviceView());
}

TEST_F(WindowTest, MaroonPixelsAreCutOutOfTheShape) {
    start();
    // A background with a maroon stripe and a transparent corner.
    QImage art(1030, 662, QImage::Format_ARGB32);
    art.fill(qRgb(20, 20, 20));
    for (int x = 0; x < 1030; ++x) art.setPixel(x, 300, qRgb(128, 0, 0));
    art.setPixel(0, 0, qRgba(0, 0, 0, 0));
    window->findChild<shell::SkinPicture*>("Img_Base_1")
        ->setPicture(QStringLiteral("L1_BackGround"), QPixmap::fromImage(art));
    window->skin().store().insertImage(QStringLiteral("L1_BackGround"), art);
    window->reshape();
    const QRegion mask = window->mask();
    EXPECT_FALSE(mask.contains(QPoint(500, 300)));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_TRUE(mask.contains(QPoint(500, 301)));
}

TEST_F(WindowTest, NavigationBeforeTheMouseIsFoundSaysSoAndStaysOnPageOne) {
    start();
    for (const char* button : {"Btn_Main_1", "Btn_Switch_1", "Btn_Adv_1", "Btn_Macro_1"}) {
        modals.messages.clear();
        click(button);
        ASSERT_EQ(modals.messages.size(), 1u) << button;
        EXPECT_EQ(modals.messages[0], "Finding the specified device");
        EXPECT_EQ(visiblePage(), 1) << button;
        EXPECT_EQ(window->pageMark(), 1);
    }
    // No icon, the application title as caption.
    EXPECT_EQ(modals.captions.back(), window->applicationTitle());
    EXPECT_FALSE(window->applicationTitle().isEmpty());
    EXPECT_TRUE(sentCommands().empty());
}

struct KeySetCase {
    const char* button;
    int colourIndex;
    int effectIndex;
    std::vector<std::string> writes;
    uint8_t workingKeySetByte;
};

class KeySetSwitch : public WindowTest, public ::testing::WithParamInterface<KeySetCase> {};

TEST_P(KeySetSwitch, SendsTheFiveLiveWritesInOrder) {
    const KeySetCase& c = GetParam();
    startConnected();
    find<QComboBox>("cb_ProfileColor")->setCurrentIndex(c.colourIndex);
    find<QComboBox>("cb_BtnEFT")->setCurrentIndex(c.effectIndex);
    if (QString(c.button) == "Btn_Fixed_0Click") {
        window->Btn_Fixed_0Click();  // the shipped layout has no key set 3 button
    } else {
        click(c.button);
    }
    EXPECT_EQ(liveWrites(), c.writes);
    EXPECT_EQ(window->image().working[164], c.workingKeySetByte);
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
    EXPECT_TRUE(modals.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    GunDisplayOff, KeySetSwitch,
    ::testing::Values(
        KeySetCase{"Btn_Switch_1",
                   3,
                   0,
                   {"40 05 00 A7 00 00 00 01", "40 05 00 A8 0F 00 00 01", "40 05 00 A9 00 00 00 01",
                    "40 05 00 AA 20 00 00 01", "40 05 00 A4 31 00 00 01"},
                   0xF1},
        KeySetCase{"Btn_Fixed_0Click",
                   10,
                   1,
                   {"40 05 00 A7 01 00 00 01", "40 05 00 A8 00 00 00 01", "40 05 00 A9 00 00 00 01",
                    "40 05 00 AA 00 00 00 01", "40 05 00 A4 F2 00 00 01"},
                   0x02},
        KeySetCase{"Btn_Main_1",
                   0,
                   0,
                   {"40 05 00 A7 00 00 00 01", "40 05 00 A8 00 00 00 01", "40 05 00 A9 00 00 00 01",
                    "40 05 00 AA 00 00 00 01", "40 05 00 A4 00 00 00 01"},
                   0x00}));

TEST_F(WindowTest, KeySetMenusFollowTheKeySet) {
    startConnected();
    click("Btn_Switch_1");
    EXPECT_FALSE(find("Key_Profile1")->isHidden());
    EXPECT_TRUE(find("Key_Profile2")->isHidden());
    EXPECT_EQ(find("Pnl_Main")->height(), 170);
    EXPECT_EQ(find("Pnl_Special")->height(), 242);
    click("Btn_Main_1");
    EXPECT_TRUE(find("Key_Profile1")->isHidden());
    EXPECT_FALSE(find("Key_Profile2")->isHidden());
    EXPECT_EQ(find("Key_Profile2")->y(), 1);
    EXPECT_EQ(find<QComboBox>("cb_Profile")->currentIndex(), 0);
}

TEST_F(WindowTest, OtherPagesSwitchWithoutSendingAnything) {
    startConnected();
    const std::pair<const char*, int> pages[] = {
        {"Btn_Adv_1", 2}, {"Btn_Macro_2", 4}, {"Btn_Main_4", 1}};
    for (const auto& [button, page] : pages) {
        click(button);
        EXPECT_EQ(visiblePage(), page) << button;
    }
    hid->clearTraffic();
    window->Btn_Breath_0Click();
    EXPECT_EQ(visiblePage(), 3);
    window->Btn_Update_0Click();
    EXPECT_EQ(visiblePage(), 5);
    EXPECT_EQ(window->pageMark(), 7);
    EXPECT_TRUE(sentCommands().empty());

    window->Btn_Engineer_0Click();
    EXPECT_EQ(visiblePage(), 7);
    EXPECT_EQ(window->size(), QSize(1256, 680));
    window->Btn_Adv_0Click();
    EXPECT_EQ(window->size(), QSize(1030, 662));
}

TEST_F(WindowTest, TheKeyMenuOpensBesideTheClickedLabel) {
    startConnected();
    QWidget* key = find("Key1");
    click("Key1");
    QWidget* menu = find("Pnl_Main");
    ASSERT_FALSE(menu->isHidden());
    EXPECT_EQ(window->menuKeyNumber(), 1);
    EXPECT_FALSE(find("Key_FireMacro")->isHidden());
    EXPECT_TRUE(find("Key_TLFireMacro")->isHidden());
    const QPoint at = key->mapTo(window.get(), QPoint(0, 0));
    EXPECT_EQ(menu->pos(), QPoint(at.x() + key->width() / 2, at.y() + key->height() / 2));
    // A click on the page background closes it.
    QTest::mousePress(find("Img_P1"), Qt::LeftButton);
    EXPECT_TRUE(menu->isHidden());
}

TEST_F(WindowTest, EveryFifthDoubleClickAsksForThePassword) {
    startConnected();
    window->openFirePage();
    auto recorderShown = [this] { return !find("Btn_FireStart")->isHidden(); };

    for (int i = 0; i < 4; ++i) window->Img_Base_6DblClick();
    EXPECT_EQ(modals.passwordPrompts, 0);
    modals.passwords.push_back("wrong");
    window->Img_Base_6DblClick();
    EXPECT_EQ(modals.passwordPrompts, 1);
    EXPECT_FALSE(recorderShown());
    EXPECT_FALSE(window->factoryMode());

    for (int i = 0; i < 5; ++i) window->Img_Base_6DblClick();  // the tenth is cancelled
    EXPECT_EQ(modals.passwordPrompts, 2);
    EXPECT_FALSE(recorderShown());

    modals.passwords.push_back("BtetaefAQ");
    for (int i = 0; i < 5; ++i) window->Img_Base_6DblClick();
    EXPECT_EQ(modals.passwordPrompts, 3);
    EXPECT_TRUE(window->factoryMode());
    EXPECT_TRUE(recorderShown());
    // With the factory mode on, a double-click turns it off again.
    window->Img_Base_6DblClick();
    EXPECT_FALSE(window->factoryMode());
    EXPECT_FALSE(recorderShown());
}

TEST_F(WindowTest, TheEngineeringPasswordShowsTheFactoryControls) {
    startConnected();
    modals.passwords.push_back("RknijynQOWLA");
    for (int i = 0; i < 5; ++i) window->Img_Base_1DblClick();
    EXPECT_TRUE(window->factoryMode());
    EXPECT_FALSE(find("Btn_Default")->isHidden());
    EXPECT_TRUE(find("cb_LEDMode")->isEnabled());
    window->Img_Base_1DblClick();
    EXPECT_FALSE(window->factoryMode());
    EXPECT_TRUE(find("Btn_Default")->isHidden());
}

TEST_F(WindowTest, ClosingLeavesTheMouseUntouched) {
    startConnected();
    const auto before = mouse->memory();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(hid->featureLog().empty());
    EXPECT_FALSE(window->connectionUsable());
    EXPECT_EQ(mouse->memory(), before);
}

TEST_F(WindowTest, ALanguageSwitchKeepsThePageAndItsTexts) {
    startConnected();
    click("Btn_Adv_1");
    click("Btn_Lang2_2");
    EXPECT_EQ(visiblePage(), 2);
    EXPECT_EQ(window->languageNumber(), 2);
    EXPECT_EQ(find<QLabel>("Btn_Adv_2")->text(), text("Str007"));
    EXPECT_TRUE(find("Disable_All_2")->isHidden());
    modals.messages.clear();
    window->ShowMessageId("Str022");
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], "Поиск указанного устройства");
}

TEST_F(WindowTest, ASecondStartRestoresTheWindow) {
    start();
    window->showMinimized();
    window->activateFromSecondStart();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, TheBusyWindowCentresOverTheMainWindow) {
    start();
    shell::TFormLoadingUI* busy = window->busyWindow();
    ASSERT_NE(busy, nullptr);
    EXPECT_EQ(busy->size(), QSize(206, 196));
    EXPECT_TRUE(busy->windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect main = window->frameGeometry();
    // Created 40 pixels below centre, shown centred.
    EXPECT_EQ(busy->pos(), QPoint(main.x() + (main.width() - 206) / 2,
                                  main.y() + (main.height() - 196) / 2 + 40));
    window->showBusy();
    EXPECT_EQ(busy->pos(),
              QPoint(main.x() + (main.width() - 206) / 2, main.y() + (main.height() - 196) / 2));
    EXPECT_TRUE(busy->isVisible());
    window->hideBusy();
    EXPECT_FALSE(busy->isVisible());
}

}  // namespace
}  // namespace wt
