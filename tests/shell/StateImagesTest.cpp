#include "common/shell/StateImages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QTest>

#include "ShellFixture.h"

namespace {

using shell::ButtonKind;
using shelltest::SkinFixture;

QString N(int n) {
    return QString::number(n);
}

void Enter(QWidget* w) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(w, &event);
}

void Leave(QWidget* w) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(w, &event);
}

TEST(StateImages, KindsByLabelName) {
    const std::pair<const char*, std::optional<ButtonKind>> cases[] = {
        {"Btn_Confirm3_4", ButtonKind::A},
        {"Btn_Exit2_1", ButtonKind::A},
        {"Btn_Main_2", ButtonKind::B},
        {"Btn_Save_5", ButtonKind::B},
        {"Btn_Macro", ButtonKind::B},
        {"Key12", ButtonKind::C},
        {"Btn_Lang3_1", ButtonKind::D},
        {"Btn_LoadBIN", ButtonKind::E},
        {"Btn_SaveMacro", ButtonKind::F},
        {"Btn_FireOK", ButtonKind::G},
        {"Btn_Edit", ButtonKind::H},
        {"Btn_Exit1_3", ButtonKind::I},
        {"Btn_Mini_1", ButtonKind::J},
        {"Btn_Web_2", ButtonKind::Web},
        {"Btn_InsertStart", ButtonKind::MacroStart},
        {"Btn_FireExit", ButtonKind::FireButton},
        {"Btn_Fire7", ButtonKind::FirePreset},
        {"Key13", std::nullopt},
        {"Btn_Fire8", std::nullopt},
        {"Btn_MacroX_1", std::nullopt},
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(shell::ButtonKindOf(name), kind) << name;
}

TEST(StateImages, HoverOnAnotherPagesButtonLeavesTheCurrentOneSelected) {
    SkinFixture f;
    f.host.state.page = 1;
    QWidget* adv = f.find("Btn_Adv_2");
    Enter(adv);
    EXPECT_EQ(f.picture("Img_Adv_2"), "SetS_02");
    EXPECT_EQ(f.picture("Img_Adv_3"), "SetS_01");  // only the hovered copy
    Leave(adv);
    EXPECT_EQ(f.picture("Img_Adv_2"), "SetS_01");
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(f.picture("Img_Main_" + N(n)), "SetS_03") << n;

    // On the advanced page, hovering it leaves it selected.
    f.host.state.page = 4;
    Enter(adv);
    Leave(adv);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(f.picture("Img_Adv_" + N(n)), "SetS_03") << n;
}

TEST(StateImages, StatusRefreshFreezesStripKeyAndCloseKinds) {
    SkinFixture f;
    f.host.state.statusRefresh = true;
    const std::pair<const char*, const char*> frozen[] = {
        {"Btn_Confirm1_1", "Img_Confirm1_1"}, {"Btn_Adv_1", "Img_Adv_1"},     {"Key1", "Img_Key1"},
        {"Btn_Lang2_1", "Img_Lang2_1"},       {"Btn_Exit1_1", "Img_Exit1_1"},
    };
    for (const auto& [label, picture] : frozen) {
        const QString before = f.picture(picture);
        f.skin->stateImages().enter(f.find(label));
        EXPECT_EQ(f.picture(picture), before) << label;
        f.skin->stateImages().leave(f.find(label));
        EXPECT_EQ(f.picture(picture), before) << label;
    }
    f.skin->stateImages().enter(f.find("Btn_Mini_1"));
    EXPECT_EQ(f.picture("Img_Mini_4"), "MiniS_02");
    f.skin->stateImages().enter(f.find("Btn_New"));
    EXPECT_EQ(f.picture("Img_New"), "MacroS_02");
}

TEST(StateImages, OverlayOfPageOneFreezesOnlyTheLanguageButtons) {
    SkinFixture f;
    f.host.state.overlayVisible = true;
    f.skin->stateImages().enter(f.find("Btn_Lang2_1"));
    EXPECT_EQ(f.picture("Img_Lang2_1"), "SetS_01");
    f.skin->stateImages().enter(f.find("Btn_Adv_1"));
    EXPECT_EQ(f.picture("Img_Adv_1"), "SetS_02");
    f.host.state.overlayVisible = false;
    f.skin->stateImages().enter(f.find("Btn_Lang2_1"));
    EXPECT_EQ(f.picture("Img_Lang2_1"), "SetS_02");
    f.skin->stateImages().leave(f.find("Btn_Lang2_1"));
    EXPECT_EQ(f.picture("Img_Lang2_1"), "SetS_01");
    EXPECT_EQ(f.picture("Img_Lang1_3"), "SetS_03");
}

TEST(StateImages, PressedPicturesAndFirePresets) {
    SkinFixture f;
    QTest::mouseClick(f.find("Btn_Web_3"), Qt::LeftButton);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(f.picture("Img_Web_" + N(n)), "WebS_02") << n;
    QTest::mouseClick(f.find("Btn_Confirm1_2"), Qt::LeftButton);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(f.picture("Img_Confirm1_" + N(n)), "BtnS_03") << n;
    QTest::mouseClick(f.find("Btn_New"), Qt::LeftButton);
    EXPECT_EQ(f.picture("Img_New"), "MacroS_03");

    f.host.state.firePreset = 1;
    for (int k = 1; k <= 2; ++k) {
        Enter(f.find("Btn_Fire" + N(k)));
        EXPECT_EQ(f.picture("Img_Fire" + N(k)), "Gun" + N(k) + "_02");
        Leave(f.find("Btn_Fire" + N(k)));
    }
    EXPECT_EQ(f.picture("Img_Fire1"), "Gun1_02");  // the selected preset stays selected
    EXPECT_EQ(f.picture("Img_Fire2"), "Gun2_01");
}

class TextRollingTest : public ::testing::Test {
protected:
    static std::function<void(shell::ResourceStore&)> Rolling(bool on) {
        return [on](shell::ResourceStore& store) {
            QByteArray org = *store.data("ORG");
            org.replace("TR_Enable=1", on ? "TR_Enable=1" : "TR_Enable=0");
            store.insert("ORG", org);
        };
    }
};

TEST_F(TextRollingTest, MinimiseButtonRollsItsCaptionAndLeaveRestoresIt) {
    SkinFixture f(Rolling(true));
    QWidget* mini = f.find("Btn_Mini_1");
    shell::SetCaption(mini, "Mini");
    Enter(mini);
    auto& rolling = f.skin->rolling();
    EXPECT_TRUE(rolling.running());
    EXPECT_EQ(shell::TextRolling::kIntervalMs, 200);
    rolling.tick();
    EXPECT_EQ(f.caption("Btn_Mini_1"), "ini    M");
    rolling.tick();
    EXPECT_EQ(f.caption("Btn_Mini_1"), "ni    Mi");
    // The counter wraps from 21 to 2, so the four blanks are added only once.
    for (int i = 3; i <= 30; ++i) rolling.tick();
    EXPECT_EQ(f.caption("Btn_Mini_1").size(), 8);
    Leave(mini);
    EXPECT_FALSE(rolling.running());
    EXPECT_EQ(f.caption("Btn_Mini_1"), "Mini");
}

TEST_F(TextRollingTest, NothingRollsWithTheOptionOff) {
    SkinFixture f(Rolling(false));
    QWidget* mini = f.find("Btn_Mini_1");
    shell::SetCaption(mini, "Mini");
    Enter(mini);
    for (int i = 0; i < 5; ++i) f.skin->rolling().tick();
    EXPECT_EQ(f.caption("Btn_Mini_1"), "Mini");
}

TEST_F(TextRollingTest, OnlyAnEnabledMinimiseButtonStartsIt) {
    SkinFixture f(Rolling(true));
    shell::SetCaption(f.find("Btn_Adv_1"), "Advanced");
    Enter(f.find("Btn_Adv_1"));
    EXPECT_FALSE(f.skin->rolling().running());
    Leave(f.find("Btn_Adv_1"));
    f.find("Btn_Mini_2")->setEnabled(false);
    Enter(f.find("Btn_Mini_2"));
    EXPECT_FALSE(f.skin->rolling().running());
}

TEST_F(TextRollingTest, LeaveKeepsACaptionTheClickChanged) {
    SkinFixture f(Rolling(true));
    QWidget* start = f.find("Btn_New");
    shell::SetCaption(start, "Record");
    Enter(start);
    shell::SetCaption(start, "Stop");  // the click handler's new caption
    Leave(start);
    EXPECT_EQ(f.caption("Btn_New"), "Stop");
}

}  // namespace
