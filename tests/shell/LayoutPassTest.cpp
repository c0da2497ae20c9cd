#include "common/shell/LayoutPass.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "ShellFixture.h"
#include "common/shell/SkinStyle.h"

namespace {

using shelltest::SkinFixture;

QString N(int n) {
    return QString::number(n);
}

// Replaces lines of the fixture's layout table 1.
std::function<void(shell::ResourceStore&)> WithOrg1(const QByteArray& from, const QByteArray& to) {
    return [from, to](shell::ResourceStore& store) {
        QByteArray text = *store.data("ORG1");
        text.replace(from, to);
        store.insert("ORG1", text);
    };
}

TEST(LayoutPass, DpiSliderPositionsFollowTheGapAndOrientation) {
    SkinFixture f;
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(f.find("Img_DPI1_" + N(i))->pos(), QPoint(602 + 20 * (i - 1), 200)) << i;
    }
    // Table 2 has a gap of 4; switching back gives the same geometry again.
    f.skin->SwitchLanguage(2);
    EXPECT_EQ(f.find("Img_DPI1_12")->pos(), QPoint(602 + 24 * 11, 200));
    f.skin->SwitchLanguage(1);
    EXPECT_EQ(f.find("Img_DPI1_12")->pos(), QPoint(822, 200));

    SkinFixture upwards(WithOrg1("DPI_Orientation=1", "DPI_Orientation=0"));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(upwards.find("Img_DPI1_" + N(i))->pos(), QPoint(602, 200 - 18 * (i - 1))) << i;
    }
    EXPECT_EQ(upwards.skin->layout().dpiOrientation, 0);
}

TEST(LayoutPass, PageStripLabelsTakeTheInsets) {
    SkinFixture f;
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.find("Img_Main_" + N(n))->geometry(), QRect(100, 90, 100, 30)) << n;
        EXPECT_EQ(f.find("Btn_Main_" + N(n))->geometry(), QRect(105, 90, 90, 30)) << n;
    }
    // Family A has no insets.
    EXPECT_EQ(f.find("Btn_Confirm1_2")->geometry(), QRect(340, 620, 110, 27));
    // The Engineer buttons sit at (10, 10) with the insets, hidden.
    EXPECT_EQ(f.find("Btn_Engineer_4")->geometry(), QRect(15, 10, 90, 30));
    EXPECT_TRUE(f.find("Btn_Engineer_4")->isHidden());
    EXPECT_TRUE(f.find("Img_Engineer_4")->isHidden());
    f.skin->SwitchLanguage(2);
    EXPECT_EQ(f.find("Btn_Main_3")->geometry(), QRect(100, 90, 100, 30));
}

TEST(LayoutPass, EnableKeysShowOrHideEveryCopy) {
    SkinFixture f;
    for (int n = 1; n <= 5; ++n) {
        for (const char* name : {"Btn_Fixed_", "Img_Fixed_", "Btn_Confirm2_", "Img_Lang3_"}) {
            EXPECT_TRUE(f.find(name + N(n))->isHidden()) << name << n;
        }
        for (const char* name :
             {"Btn_Main_", "Img_Adv_", "Btn_Lang2_", "Img_Mini_", "Btn_Exit1_"}) {
            EXPECT_FALSE(f.find(name + N(n))->isHidden()) << name << n;
        }
    }
    const auto& v = f.skin->layout();
    EXPECT_TRUE(v.mainEnabled);
    EXPECT_TRUE(v.switchEnabled);
    EXPECT_FALSE(v.fixedEnabled);
    EXPECT_FALSE(v.comboKey8Enabled);
    EXPECT_EQ(v.btnSpaceF, 5);
    EXPECT_EQ(v.colourGSP, 1u + 256u * 83 + 65536u * 133);
    EXPECT_EQ(v.macroNameHeight, 20);
}

TEST(LayoutPass, KeyTableNumbersFollowTheScreenList) {
    SkinFixture f;
    // Key2_* places Key4, Key3_* places Key7, Key6_* (off) hides Key8.
    EXPECT_EQ(f.find("Key1")->geometry(), QRect(140, 140, 170, 27));
    EXPECT_EQ(f.find("Key4")->geometry(), QRect(140, 164, 170, 27));
    EXPECT_EQ(f.find("Img_Key7")->pos(), QPoint(140, 188));
    EXPECT_TRUE(f.find("Key8")->isHidden());
    EXPECT_TRUE(f.find("Img_Key8")->isHidden());
    EXPECT_FALSE(f.find("Key7")->isHidden());
    EXPECT_EQ(f.find("Img_ComboKey1")->pos(), QPoint(500, 200));
    EXPECT_TRUE(f.find("IB_ComboKey8")->isHidden());
}

TEST(LayoutPass, FontSizesAndColours) {
    SkinFixture f;
    struct Case {
        const char* control;
        int points;
    };
    const Case sizes[] = {
        {"Btn_Main_3", 12}, {"Btn_Confirm1_1", 13}, {"Key1", 11},     {"IB_ComboKey1", 10},
        {"lbl_DPI1", 10},   {"lbl_Spd4", 9},        {"Key_Left", 10}, {"Btn_New", 9},
    };
    for (const auto& c : sizes)
        EXPECT_EQ(f.find(c.control)->font().pointSize(), c.points) << c.control;
    EXPECT_EQ(f.find("Btn_Lang1_5")->palette().color(QPalette::WindowText), QColor(10, 20, 30));
    EXPECT_EQ(f.find("Btn_New")->palette().color(QPalette::WindowText), QColor(200, 200, 200));
    // The border group occurs twice in the table: the later one is in force.
    EXPECT_TRUE(f.find("Edt_Repeat1")
                    ->styleSheet()
                    .contains(shell::ToQColor(249 + 256 * 100 + 65536 * 1).name()));
    EXPECT_EQ(shell::ToQColor(1 + 256 * 83 + 65536 * 133), QColor(1, 83, 133));
}

TEST(LayoutPass, PlacesSlidersOptionsMenusAndWebStrip) {
    SkinFixture f;
    for (int i = 1; i <= 11; ++i) {
        EXPECT_EQ(f.find("Img_Spd" + N(i))->pos(), QPoint(100 + 26 * (i - 1), 300)) << i;
        EXPECT_EQ(f.find("lbl_Spd" + N(i))->pos(), QPoint(104 + 26 * (i - 1), 320)) << i;
    }
    EXPECT_EQ(f.find("Img_Rep1")->pos(), QPoint(400, 60));
    EXPECT_EQ(f.find("lbl_Rep1")->pos(), QPoint(396, 58));
    EXPECT_EQ(f.find("Edt_Repeat1")->pos(), QPoint(300, 100));
    EXPECT_EQ(f.find("Img_P2")->pos(), QPoint(98, 128));
    EXPECT_EQ(f.find("Pnl_Main")->width(), 190);
    EXPECT_EQ(f.find("Key_Left")->width(), 186);
    EXPECT_EQ(f.find("ST_Special")->x(), 166);
    EXPECT_EQ(f.find("Btn_New")->geometry(), QRect(40, 500, 110, 27));
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.find("Btn_Web_" + N(n))->geometry(), QRect(700, 3, 200, 66)) << n;
    }
    EXPECT_EQ(f.picture("Img_Base_6"), "L1_BackGround");
    f.skin->SwitchLanguage(2);
    EXPECT_EQ(f.picture("Img_Base_6"), "L2_BackGround");
    EXPECT_EQ(f.picture("Img_P1"), "L2_Back1");  // page mark 1: the key page picture
    EXPECT_EQ(f.picture("Img_P6"), "L2_Back5");
    EXPECT_EQ(f.picture("Img_P2"), "L1_Back2");  // other pages wait for their handler
}

TEST(LayoutPass, FirePageValueEditsAndDelayBoxKeepTheirOwnColours) {
    SkinFixture f;
    const QString edit = f.find("Edt_FireCnt1")->styleSheet();
    EXPECT_TRUE(edit.contains(QColor(4, 5, 6).name())) << edit.toStdString();
    EXPECT_TRUE(edit.contains(QColor(7, 8, 9).name())) << edit.toStdString();
    EXPECT_TRUE(edit.contains(QColor(10, 11, 12).name())) << edit.toStdString();
    EXPECT_EQ(f.find("Edt_FireCnt1")->pos(), QPoint(300, 50));
    EXPECT_EQ(f.find("Edt_FireDelay")->palette().color(QPalette::Text), QColor(1, 2, 3));
    EXPECT_TRUE(f.find("Edt_FireDelay")->styleSheet().isEmpty());
    EXPECT_EQ(f.find("Btn_Fire1")->palette().color(QPalette::WindowText), QColor(200, 200, 200));
    EXPECT_EQ(f.find("Btn_Fire1")->font().pointSize(), 9);
    EXPECT_EQ(f.find("Btn_FireConfirm")->font().pointSize(), 11);
}

TEST(LayoutPass, NamesTheKeysItReadsAndNotTheOnesItSkips) {
    SkinFixture f;
    const std::string message = f.skin->problems().message();
    // Read and absent from the small fixture table:
    EXPECT_NE(message.find("\"Color_G_R\" is missing from table \"ORG1\""), std::string::npos);
    EXPECT_NE(message.find("\"DPI2_Steps_X\""), std::string::npos);
    // Behind an enable key that is off, or present and never read:
    for (const char* skipped : {"\"Btn_A3_X\"", "\"Btn_B10_Y\"", "\"Key6_X\"", "\"ComboKey8_X\"",
                                "\"Spd_D\"", "\"DbSpd_D\"", "\"Color_J_R\""}) {
        EXPECT_EQ(message.find(skipped), std::string::npos) << skipped;
    }
}

TEST(LayoutPass, MalformedNumberIsNamed) {
    SkinFixture f(WithOrg1("P1_X=90", "P1_X=9O"));
    EXPECT_NE(
        f.skin->problems().message().find("\"P1_X\" of table \"ORG1\" is not a number: \"9O\""),
        std::string::npos);
}

}  // namespace
