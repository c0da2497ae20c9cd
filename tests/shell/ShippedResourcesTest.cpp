// The skin machinery against orvandesk's shipped tables and artwork: every key
// the passes read and every picture they show must be there.
#include <gtest/gtest.h>

#include <QApplication>

#include "ShellFixture.h"
#include "common/shell/SkinStyle.h"

namespace {

QString N(int n) {
    return QString::number(n);
}

struct ShippedSkin {
    ShippedSkin() : window(shelltest::MakeFixtureWindow()) {
        skin = std::make_unique<shell::Skin>(window.get(), store, host);
        skin->LoadSkinBackground();
        skin->LoadDefaultSkinImages();
        skin->ReadOrgTable();
        skin->LoadLanguageTables();
        skin->AttachStateImages();
        skin->ApplyLayoutAndTexts();
        skin->SwitchLanguage(1);
    }
    QWidget* find(const QString& name) const { return skin->controls().find(name); }

    std::unique_ptr<QWidget> window;
    shell::ResourceStore store;  // ":/res", as in the program
    shelltest::FixtureHost host;
    std::unique_ptr<shell::Skin> skin;
};

TEST(ShippedResources, EveryLanguageBuildsWithoutAMissingKeyOrPicture) {
    ShippedSkin s;
    EXPECT_EQ(s.skin->LoadSkinBackground(), QSize(1030, 662));
    for (int k : {2, 3, 1}) {
        s.skin->SwitchLanguage(k);
        EXPECT_TRUE(s.skin->problems().empty()) << "language " << k << "\n"
                                                << s.skin->problems().message();
    }
    EXPECT_FALSE(s.skin->org().textRolling());
    EXPECT_EQ(s.skin->org().gun6Num, 2);
    EXPECT_EQ(s.skin->org().gun7Num, 3);
}

TEST(ShippedResources, PageStripOfTableOne) {
    ShippedSkin s;
    for (const char* shown : {"Main", "Switch", "Adv", "Macro", "Save", "Load", "Lang1", "Lang2",
                              "Exit1", "Mini", "Confirm1"}) {
        EXPECT_FALSE(s.find(QString("Btn_%1_3").arg(shown))->isHidden()) << shown;
    }
    for (const char* hidden : {"Fixed", "Lang3", "Confirm2", "Engineer"}) {
        EXPECT_TRUE(s.find(QString("Btn_%1_3").arg(hidden))->isHidden()) << hidden;
    }
    EXPECT_EQ(shell::CaptionOf(s.find("Btn_Main_1")), "Mode A");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(s.find("Img_DPI1_" + N(i))->x(), 602 + 20 * (i - 1)) << i;
    // The border group occurs twice in ORG1; the later one is in force.
    EXPECT_TRUE(s.find("Edt_Repeat1")
                    ->styleSheet()
                    .contains(shell::ToQColor(249 + 256 * 100 + 65536).name()));
}

TEST(ShippedResources, KeyLabelsRoundTripThroughTheShippedLanguages) {
    ShippedSkin s;
    const QStringList captions = {"Left Key", "Stop", "Volume +", "MyMacro"};
    for (int k = 0; k < captions.size(); ++k)
        shell::SetCaption(s.find("Key" + N(k + 1)), captions[k]);
    EXPECT_EQ(s.skin->languages().FindTextId(u"Stop"), "Str401");
    s.skin->SwitchLanguage(2);
    EXPECT_NE(shell::CaptionOf(s.find("Key1")), "Left Key");
    EXPECT_EQ(shell::CaptionOf(s.find("Key2")), s.skin->LanguageText("Str401"));
    EXPECT_EQ(shell::CaptionOf(s.find("Key4")), "MyMacro");
    s.skin->SwitchLanguage(1);
    for (int k = 0; k < captions.size(); ++k)
        EXPECT_EQ(shell::CaptionOf(s.find("Key" + N(k + 1))), captions[k]);
}

}  // namespace
