// Button assignment on the real window against the simulated mouse: the
// menus, the combination-key dialog, the Left Key rule, the AIM keys and the
// mode-switch toggles, down to the bytes the mouse holds.

#include <QLabel>
#include <QListWidget>

#include "common/keys/MenuItems.h"
#include "common/keys/dialogs/CombinationKeyDialog.h"
#include "common/shell/Controls.h"
#include "common/shell/Skin.h"
#include "orvandesk/image/ImageLayout.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

class AssignmentTest : public WindowTest {
protected:
    // Opens the menu of KeyN, hovers the rows that open lists and clicks the last.
    void choose(int key, std::initializer_list<const char*> path) {
        click("Key" + QString::number(key));
        QWidget* row = nullptr;
        for (const char* name : path) {
            row = find(QString::fromLatin1(name));
            if (row == nullptr) return;
            ASSERT_TRUE(row->isVisible()) << name;
            window->KeyStatusMouseEnter(row);
        }
        QTest::mouseClick(row, Qt::LeftButton);
    }
    std::string MouseEntry(int keySet, int button) {
        const auto memory = mouse->memory();
        keys::FunctionCode c;
        std::copy_n(memory.begin() + orvan::KeyEntryOffset(keySet, button), 4, c.bytes.begin());
        return keys::FunctionCodeText(c);
    }
    std::string Entry(int keySet, int button) {
        keys::FunctionCode c;
        std::copy_n(window->image().data.bytes.begin() + orvan::KeyEntryOffset(keySet, button), 4,
                    c.bytes.begin());
        return keys::FunctionCodeText(c);
    }
    QString caption(int key) { return shell::CaptionOf(find("Key" + QString::number(key))); }
    // Leaves `keep` the only "Left Key" of the key set shown.
    void onlyLeftKey(int keySet, int keep) {
        for (int b = 1; b <= 12; ++b) {
            if (b == keep) continue;
            if (window->assignment().name(keySet, b) == text("Str210").toStdU16String())
                window->assignment().StoreCode(keySet, b, "01020000");
        }
        window->assignment().StoreCode(keySet, keep, "01010000");
        window->RefreshProfileKeys(keySet);
    }
    keys::TForm2* combinationDialog() { return window->findChild<keys::TForm2*>(); }
};

TEST_F(AssignmentTest, TheRoadOfOneChangeEndsInTheMouse) {
    startConnected();
    click("Btn_Switch_1");
    choose(4, {"Key_Assembly"});
    keys::TForm2* dialog = combinationDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(find("Disable_All_1")->isHidden()) << "the page is covered";
    QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("CB_Ctrl")), Qt::LeftButton);
    QTest::keyClick(dialog->findChild<QWidget*>(QStringLiteral("Edt_Assembly")), Qt::Key_C);
    hid->clearTraffic();
    dialog->confirm();

    EXPECT_EQ(Entry(1, 4), "02010600");
    EXPECT_EQ(MouseEntry(1, 4), "02010600");
    EXPECT_EQ(caption(4), "Ctrl+C");
    const auto commands = sentCommands();
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0], "40 07 00 C0 00 93 00 00");
    EXPECT_EQ(commands[1].substr(0, 17), "40 06 00 A4 00 1C");
    EXPECT_EQ(commands[2], "40 05 00 A4 0F 00 00 01");
    EXPECT_EQ(commands[3], "40 05 00 A4 F1 00 00 01") << "the byte of key set 2 again";
    const auto log = hid->featureLog();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.rfind("set 41", 0) == 0; }),
              21);
    EXPECT_TRUE(find("Disable_All_1")->isHidden());

    // The name follows a language switch and comes back from the mouse.
    click("Btn_Lang2_1");
    EXPECT_EQ(caption(4), "Ctrl+C");
    choose(5, {"Key_MseKey", "Key_Middle"});
    EXPECT_EQ(caption(5), text("Str212"));
    click("Btn_Lang1_1");
    EXPECT_EQ(caption(5), "Middle Key");
    hid->unplug(mouse.get());
    tick();
    hid->plug(mouse);
    tick();
    ASSERT_TRUE(window->connectionUsable());
    click("Btn_Switch_1");
    EXPECT_EQ(caption(4), "Ctrl+C");
    EXPECT_EQ(caption(5), "Middle Key");
}

TEST_F(AssignmentTest, TheCombinationDialogClosedLeavesTheButton) {
    startConnected();
    click("Btn_Switch_1");
    const std::string before = Entry(1, 4);
    choose(4, {"Key_Assembly"});
    ASSERT_NE(combinationDialog(), nullptr);
    hid->clearTraffic();
    combinationDialog()->reject();
    EXPECT_EQ(Entry(1, 4), before);
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
}

struct RuleCase {
    const char* modeButton;
    int keySet;
    bool refused;
};

class LeftKeyRule : public AssignmentTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(LeftKeyRule, TheLastLeftButtonIsKeptWhereTheRuleHolds) {
    const RuleCase c = GetParam();
    startConnected();
    click(c.modeButton);
    onlyLeftKey(c.keySet, 1);
    hid->clearTraffic();
    choose(1, {"Key_MseKey", "Key_Right"});
    if (c.refused) {
        ASSERT_EQ(modals.messages.size(), 1u);
        EXPECT_EQ(modals.messages[0], "Please keep a Left Key");
        EXPECT_EQ(caption(1), "Left Key");
        EXPECT_EQ(Entry(c.keySet, 1), "01010000");
        EXPECT_TRUE(sentCommands().empty());
        // User-defined does nothing on that button either, without a word.
        modals.messages.clear();
        choose(1, {"Key_Assembly"});
        EXPECT_EQ(combinationDialog(), nullptr);
        EXPECT_TRUE(modals.messages.empty());
    } else {
        EXPECT_TRUE(modals.messages.empty());
        EXPECT_EQ(caption(1), "Right Key");
        EXPECT_EQ(MouseEntry(c.keySet, 1), "01020000");
    }
}

INSTANTIATE_TEST_SUITE_P(KeySets, LeftKeyRule,
                         ::testing::Values(RuleCase{"Btn_Main_1", 0, true},
                                           RuleCase{"Btn_Switch_1", 1, true},
                                           RuleCase{"Btn_Fixed_1", 2, false}));

TEST_F(AssignmentTest, EveryButtonOfEveryKeySetTakesEveryMenuGroup) {
    startConnected();
    const std::vector<std::vector<const char*>> groups = {
        {"Key_MseKey", "Key_B4"},
        {"Key_Special", "Key_AIM"},
        {"Key_Special", "Key_CPIKey", "Key_CPII"},
        {"Key_Special", "Key_FireKey", "Key_Fire2"},
        {"Key_Special", "Key_ACPIKey", "Key_Sleep"},
        {"Key_Special", "Key_ProfileKey", "Key_Profile"},
        {"Key_Special", "Key_KeyOff"},
        {"Key_Media", "Key_Mute"},
        {"Key_WWW", "Key_WWWHome"},
        {"Key_MyPC", "Key_Calculator"},
    };
    const char* modes[] = {"Btn_Main_1", "Btn_Switch_1", "Btn_Fixed_1"};
    int g = 0;
    for (int s = 0; s < 3; ++s) {
        if (find(modes[s])->isHidden()) {
            window->Btn_Fixed_0Click();
        } else {
            click(modes[s]);
        }
        ASSERT_EQ(window->pageMark(), s + 1);
        onlyLeftKey(s, 1);
        for (int b = 2; b <= 12; ++b) {
            if (find("Key" + QString::number(b))->isHidden()) continue;
            const auto& path = groups[static_cast<size_t>(g++ % groups.size())];
            SCOPED_TRACE(testing::Message()
                         << "key set " << s << " button " << b << " " << path.back());
            click("Key" + QString::number(b));
            for (const char* name : path) {
                QWidget* row = find(QString::fromLatin1(name));
                ASSERT_TRUE(row->isVisible());
                window->KeyStatusMouseEnter(row);
            }
            QTest::mouseClick(find(QString::fromLatin1(path.back())), Qt::LeftButton);
            EXPECT_TRUE(find("Pnl_Main")->isHidden());
            const std::string shown = window->keyTexts().profiles[s][b - 1];
            EXPECT_EQ(MouseEntry(s, b), shown);
            EXPECT_EQ(caption(b).toStdU16String(), window->assignment().name(s, b));
            EXPECT_FALSE(caption(b).isEmpty());
        }
    }
    EXPECT_GE(g, static_cast<int>(groups.size()));
    EXPECT_TRUE(modals.messages.empty());
}

TEST_F(AssignmentTest, TheMenuCutsItsRowsByKeySetAndFlipsAtTheEdges) {
    startConnected();
    click("Btn_Main_1");
    click("Key1");
    EXPECT_EQ(find("Pnl_Main")->height(), 170);
    window->KeyStatusMouseEnter(find("Key_Special"));
    QWidget* special = find("Pnl_Special");
    EXPECT_EQ(special->height(), 242);
    EXPECT_GT(find("Key_FireMacroKey")->y() + 1, special->height() - 2) << "cut off";
    window->KeyStatusMouseEnter(find("Key_ProfileKey"));
    EXPECT_FALSE(find("Pnl_Profile")->isHidden());
    EXPECT_TRUE(find("Key_Profile1")->isHidden()) << "the own key set";
    EXPECT_EQ(find("Key_Profile2")->y(), 1);
    EXPECT_EQ(find("Pnl_Profile")->height(), 2 + 3 * 24);
    // A submenu never leaves the window.
    for (const char* name : {"Pnl_Main", "Pnl_Special", "Pnl_Profile"}) {
        const QRect r = find(name)->geometry();
        EXPECT_TRUE(window->rect().contains(r)) << name;
    }
    // Hovering another row closes the deeper list that is not its own.
    window->KeyStatusMouseEnter(find("Key_Media"));
    EXPECT_TRUE(find("Pnl_Special")->isHidden());
    EXPECT_TRUE(find("Pnl_Profile")->isHidden());
    EXPECT_FALSE(find("Pnl_Media")->isHidden());
    // "Base Macro" opens nothing while the mouse holds no macro.
    window->KeyStatusMouseEnter(find("Key_DevMacro"));
    EXPECT_TRUE(find("LB_Name")->isHidden());
    // Captions carry the bullet.
    EXPECT_EQ(shell::CaptionOf(find("Key_Left")), " * Left Key");
}

// GD_Enable 1 and ModeBCheckLeftKey 0 in the option table.
TEST_F(AssignmentTest, WithTheGunDisplayModeBReachesEveryRowAndMayLoseItsLeftKey) {
    beforeCreate = [](orvandesk::TForm1& w) {
        QByteArray org = w.skin().store().data(QStringLiteral("ORG")).value_or(QByteArray());
        org.replace("GD_Enable=0", "GD_Enable=1")
            .replace("ModeBCheckLeftKey=1", "ModeBCheckLeftKey=0");
        w.skin().store().insert(QStringLiteral("ORG"), org);
    };
    startConnected();
    click("Btn_Switch_1");
    click("Key2");
    EXPECT_EQ(find("Pnl_Main")->height(), 194);
    EXPECT_LE(find("Key_FireMacro")->geometry().bottom(), 194 - 2);
    window->KeyStatusMouseEnter(find("Key_Special"));
    EXPECT_EQ(find("Pnl_Special")->height(), 314);
    QWidget* fireMacroKey = find("Key_FireMacroKey");
    EXPECT_LE(fireMacroKey->geometry().bottom(), 314 - 2);
    QTest::mouseClick(fireMacroKey, Qt::LeftButton);
    EXPECT_EQ(MouseEntry(1, 2), window->keyTexts().profiles[1][1]);
    EXPECT_EQ(caption(2), "Fire Macro Key");

    onlyLeftKey(1, 1);
    choose(1, {"Key_MseKey", "Key_Right"});
    EXPECT_TRUE(modals.messages.empty());
    EXPECT_EQ(MouseEntry(1, 1), "01020000");

    click("Btn_Main_1");
    EXPECT_EQ(find("Pnl_Main")->height(), 170);
    EXPECT_EQ(find("Pnl_Special")->height(), 242);
}

TEST_F(AssignmentTest, ADeviceMacroFromBaseMacroGoesToTheMouse) {
    startConnected();
    click("Btn_Switch_1");
    window->setDeviceMacros({{0x0000, true, u"Reload"}, {0x0040, true, u"Jump"}});
    click("Key4");
    window->KeyStatusMouseEnter(find("Key_DevMacro"));
    auto* names = find<QListWidget>("LB_Name");
    ASSERT_FALSE(names->isHidden());
    ASSERT_EQ(names->count(), 2);
    window->LB_NameClick(1);
    EXPECT_EQ(MouseEntry(1, 4), "10004000");
    EXPECT_EQ(caption(4), "Jump");
}

TEST_F(AssignmentTest, TheAimLevelRewritesAimKeysOrIsRefused) {
    startConnected();
    click("Btn_Switch_1");
    choose(5, {"Key_Special", "Key_AIM"});
    window->SettingAIMKey(4);
    EXPECT_EQ(MouseEntry(1, 5), "05030000");
    EXPECT_TRUE(modals.messages.empty());

    choose(5, {"Key_MseKey", "Key_Middle"});
    for (int s = 0; s < 3; ++s)
        for (int b = 1; b <= 12; ++b)
            if (window->assignment().name(s, b) == text("Str260").toStdU16String()) {
                window->assignment().StoreCode(s, b, "01020000");
            }
    hid->clearTraffic();
    window->SettingAIMKey(6);
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], "Please select a AIM Key");
    EXPECT_EQ(window->assignment().context().aimLevel, 1);
    EXPECT_TRUE(sentCommands().empty());
}

TEST_F(AssignmentTest, TheLedModeToggleRewritesSlotTwoAndTheBackwardButtons) {
    startConnected();
    click("Btn_Switch_1");
    choose(4, {"Key_MseKey", "Key_B4"});
    hid->clearTraffic();
    window->IB_ComboKey1Click();
    // The vendor section is written live, into the mouse's working copy.
    const auto memory = mouse->workingCopy();
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + orvan::ComboKeyOffset(2),
                                   memory.begin() + orvan::ComboKeyOffset(2) + 4),
              (std::vector<uint8_t>{0x0E, 0, 0, 0}));
    for (int s = 0; s < 3; ++s) {
        for (int b = 1; b <= 12; ++b) {
            if (window->assignment().name(s, b) == u"Backward") {
                EXPECT_EQ(MouseEntry(s, b), "01080002");
            }
        }
    }
    const auto commands = sentCommands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands[0].substr(0, 11), "40 05 00 00") << "the vendor section first";
    EXPECT_NE(std::find(commands.begin(), commands.end(), "40 07 00 C0 00 93 00 00"),
              commands.end());
    // A toggle whose button the key set lacks does nothing.
    hid->clearTraffic();
    for (int b = 1; b <= 12; ++b) {
        if (window->assignment().name(1, b) == u"Forward")
            window->assignment().StoreCode(1, b, "01020000");
    }
    window->IB_ComboKeyClick(7);
    EXPECT_TRUE(sentCommands().empty());
}

}  // namespace
}  // namespace wt
