#include "common/shell/TextPass.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>

#include "ShellFixture.h"

namespace {

using shelltest::SkinFixture;

QString N(int n) {
    return QString::number(n);
}

TEST(TextPass, CaptionsFontAndTitleOfLanguageOne) {
    SkinFixture f;
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.caption("Btn_Main_" + N(n)), "Mode A") << n;
        EXPECT_EQ(f.caption("Btn_Engineer_" + N(n)), "Engineer") << n;
    }
    EXPECT_EQ(f.caption("Btn_Confirm1_4"), "Reset");
    EXPECT_EQ(f.caption("Btn_Lang2_1"), "Russian");
    EXPECT_EQ(f.caption("Btn_Confirm2_1"), "");  // absent from the table: empty caption
    EXPECT_EQ(f.find("Btn_Main_2")->font().family(), "Calibri");
    EXPECT_EQ(f.find("Key5")->font().family(), "Calibri");
    EXPECT_EQ(f.host.title, "Talvik Mouse");
    EXPECT_EQ(f.skin->kept().text("Str430"), u"OK for clear macro?");
    EXPECT_EQ(f.skin->kept().text("Str401"), u"Stop");
    EXPECT_EQ(f.skin->kept().text("Str011"), u"");  // not a kept id
    EXPECT_EQ(f.skin->kept().fontName(), u"Calibri");
}

TEST(TextPass, CombinationOptionsAndInsertList) {
    SkinFixture f;
    const QString six(6, ' ');
    EXPECT_EQ(f.caption("IB_ComboKey1"), six + "'Back'+'Right Key' Switch LED Mode");
    EXPECT_EQ(f.caption("IB_ComboKey2"), six);
    auto* list = qobject_cast<QComboBox*>(f.find("CB_Insert"));
    ASSERT_NE(list, nullptr);
    const QStringList expected = {"Insert Delay Front",    "Insert Delay Back",
                                  "Insert Key Front",      "Insert Key Back",
                                  "Insert X/Y axis Front", "Insert X/Y axis Back",
                                  "Insert Start Repeat",   "Insert Stop Repeat"};
    ASSERT_EQ(list->count(), expected.size());
    for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->itemText(i), expected[i]);
}

TEST(TextPass, KeyLabelsSurviveARoundTripAndMacroNamesStay) {
    SkinFixture f;
    const QStringList before = {"Left Key", "Stop", "MyMacro", "Ctrl+C", ""};
    for (int k = 0; k < before.size(); ++k) shell::SetCaption(f.find("Key" + N(k + 1)), before[k]);
    f.skin->SwitchLanguage(2);
    const QStringList russian = {"Левая кнопка", "Стоп", "MyMacro", "Ctrl+C", ""};
    for (int k = 0; k < russian.size(); ++k)
        EXPECT_EQ(f.caption("Key" + N(k + 1)), russian[k]) << k;
    f.skin->SwitchLanguage(1);
    for (int k = 0; k < before.size(); ++k) EXPECT_EQ(f.caption("Key" + N(k + 1)), before[k]) << k;
}

TEST(TextPass, MediaStopTranslatesThroughTheRecordButtonsText) {
    // Str271, Str284 and Str401 all read "Stop"; Str401 is the last in search order.
    SkinFixture f([](shell::ResourceStore& store) {
        store.insert("LANG2",
                     shelltest::Utf16Resource(QString::fromUtf8(
                         "[lang2]\r\n\"Str271=Стоп медиа\"\r\n\"Str401=Стоп запись\"\r\n")));
    });
    shell::SetCaption(f.find("Key1"), "Stop");
    f.skin->SwitchLanguage(2);
    EXPECT_EQ(f.caption("Key1"), "Стоп запись");
}

TEST(LanguageSwitch, RunsItsStepsInOrder) {
    SkinFixture f;
    auto* list = qobject_cast<QComboBox*>(f.find("CB_Insert"));
    list->setCurrentIndex(3);
    f.find("Gb_Delay")->show();
    f.host.calls.clear();
    f.skin->SwitchLanguage(2);
    EXPECT_EQ(f.host.calls, QStringList({"overlays on", "title", "refresh page", "overlays off"}));
    EXPECT_EQ(f.skin->languageNumber(), 2);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.picture("Img_Lang2_" + N(n)), "SetS_03") << n;
        EXPECT_EQ(f.picture("Img_Lang1_" + N(n)), "SetS_01") << n;
    }
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(f.find("rb_Lang2"))->isChecked());
    EXPECT_TRUE(f.find("Gb_Delay")->isHidden());
    EXPECT_EQ(list->currentIndex(), 3);
    EXPECT_EQ(list->itemText(3), "Клавиша после");
    EXPECT_EQ(f.caption("Btn_Main_1"), "Режим A");
    EXPECT_EQ(f.skin->LanguageText("Str401"), "Стоп");
    EXPECT_EQ(f.skin->kept().text("Str401"), u"Стоп");

    f.host.calls.clear();
    f.skin->SwitchLanguage(1);
    EXPECT_EQ(f.host.calls, QStringList({"overlays on", "process events", "title", "refresh page",
                                         "overlays off"}));
}

TEST(LanguageSwitch, LanguageThreeWithoutItsLayoutTableStillSwitches) {
    SkinFixture f;
    f.skin->SwitchLanguage(3);
    EXPECT_EQ(f.caption("IB_ComboKey1"), QString(6, ' '));
    EXPECT_EQ(f.caption("Btn_Main_1"), "Office");
    EXPECT_EQ(f.caption("Btn_Switch_1"), "");
    EXPECT_EQ(f.find("Btn_Main_1")->font().family(), "MS Sans Serif");
    EXPECT_EQ(f.host.title, "Gaming Mouse");
    EXPECT_EQ(f.picture("Img_Base_1"), "L3_BackGround");
    EXPECT_NE(f.skin->problems().message().find("\"ORG3\" is missing"), std::string::npos);
}

}  // namespace
