// The assignment model on a plain DataBuf: the Left Key rule, every menu item
// on every button, the AIM keys, the mode-switch options and the macro
// bookkeeping around a deletion.

#include <gtest/gtest.h>

#include "common/keys/MenuItems.h"
#include "orvandesk/keys/KeyAssignment.h"

namespace {

using orvan::AssignResult;
using orvan::AssignView;
using orvan::OptionWrite;

// Texts are their own ids, so a name tells which text it came from.
std::u16string U16(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

class Assignment : public ::testing::Test {
protected:
    orvan::DataBuf data;
    orvan::KeyTextTable texts;
    orvan::KeyAssignment model{data, texts};

    Assignment() {
        model.context().texts = [](std::string_view id) { return U16(id); };
        model.context().memoryIsI2c = true;
        FillAll("01020000");  // Right Key everywhere
    }
    void FillAll(const std::string& code) {
        for (int s = 0; s < 3; ++s)
            for (int b = 1; b <= 12; ++b) Put(s, b, code);
    }
    void Put(int keySet, int button, const std::string& code) {
        const auto c = keys::ParseFunctionCode(code).value();
        std::copy(c.bytes.begin(), c.bytes.end(),
                  data.bytes.begin() + orvan::KeyEntryOffset(keySet, button));
        model.LoadFromImage();
    }
    void PutSlot(int slot, const std::string& code) {
        const auto c = keys::ParseFunctionCode(code).value();
        std::copy(c.bytes.begin(), c.bytes.end(), data.bytes.begin() + orvan::ComboKeyOffset(slot));
        model.LoadFromImage();
    }
    std::string Bytes(int keySet, int button) const {
        keys::FunctionCode c;
        std::copy_n(data.bytes.begin() + orvan::KeyEntryOffset(keySet, button), 4, c.bytes.begin());
        return keys::FunctionCodeText(c);
    }
    std::string SlotBytes(int slot) const {
        keys::FunctionCode c;
        std::copy_n(data.bytes.begin() + orvan::ComboKeyOffset(slot), 4, c.bytes.begin());
        return keys::FunctionCodeText(c);
    }
};

struct RuleCase {
    const char* what;
    AssignView view;
    int keySet;
    bool modeBCheck;
    bool secondLeft;
    AssignResult expected;
};

TEST_F(Assignment, TheLeftKeyRuleGuardsTheLastLeftButtonWhereItApplies) {
    const RuleCase cases[] = {
        {"Mode A, only left", AssignView::KeyPage, 0, true, false, AssignResult::Refused},
        {"Mode A, a second left", AssignView::KeyPage, 0, true, true, AssignResult::Stored},
        {"Mode B, checked", AssignView::KeyPage, 1, true, false, AssignResult::Refused},
        {"Mode B, not checked", AssignView::KeyPage, 1, false, false, AssignResult::Stored},
        {"third mode", AssignView::KeyPage, 2, true, false, AssignResult::Stored},
        {"engineering key set 1", AssignView::Engineering, 0, true, false, AssignResult::Refused},
        {"engineering key set 2", AssignView::Engineering, 1, true, false, AssignResult::Stored},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.what);
        FillAll("01020000");
        Put(c.keySet, 3, "01010000");
        if (c.secondLeft) Put(c.keySet, 9, "01010000");
        model.setModeBCheckLeftKey(c.modeBCheck);
        EXPECT_EQ(model.AssignItem(c.view, c.keySet, 3, 902), c.expected);
        const bool stored = c.expected == AssignResult::Stored;
        EXPECT_EQ(Bytes(c.keySet, 3), stored ? "01040000" : "01010000");
        EXPECT_EQ(model.code(c.keySet, 3), stored ? "01040000" : "01010000");
        EXPECT_EQ(model.name(c.keySet, 3), stored ? u"Str212" : u"Str210");
        // Giving the left button its own function again is never refused.
        EXPECT_EQ(model.AssignItem(c.view, c.keySet, 3, 900), AssignResult::Stored);
    }
}

TEST_F(Assignment, EveryMenuItemReachesEveryButtonOfEveryKeySet) {
    FillAll("01010000");
    for (int s = 0; s < 3; ++s) {
        for (int b = 1; b <= 12; ++b) {
            for (const keys::MenuEntry& entry : keys::OrvanMenuEntries()) {
                SCOPED_TRACE(testing::Message() << s << "/" << b << " item " << entry.item);
                ASSERT_EQ(model.AssignItem(AssignView::KeyPage, s, b, entry.item),
                          AssignResult::Stored);
                EXPECT_EQ(Bytes(s, b), keys::FunctionCodeOfItem(entry.item, model.context()));
                EXPECT_EQ(model.code(s, b), Bytes(s, b));
            }
            model.AssignItem(AssignView::KeyPage, s, b, 900);
        }
    }
    // Fire Macro Key gives no code on a memory that is not I2C; nothing changes.
    model.context().memoryIsI2c = false;
    model.AssignItem(AssignView::KeyPage, 2, 1, 900);
    EXPECT_EQ(model.AssignItem(AssignView::KeyPage, 2, 1, 1005), AssignResult::NoCode);
    EXPECT_EQ(Bytes(2, 1), "01010000");
}

TEST_F(Assignment, CombinationsAndDeviceMacrosKeepTheirOwnChecks) {
    EXPECT_TRUE(model.ApplyCombination(1, 4, "02010600"));
    EXPECT_EQ(Bytes(1, 4), "02010600");
    EXPECT_EQ(model.name(1, 4), u"Ctrl+C");
    for (const char* bad : {"", "0201060", "02010G00", "020106000"}) {
        EXPECT_FALSE(model.ApplyCombination(1, 4, bad)) << bad;
        EXPECT_EQ(Bytes(1, 4), "02010600");
    }
    // A device macro never replaces the only left button, in any key set.
    Put(2, 1, "01010000");
    EXPECT_TRUE(model.IsOnlyLeftKey(2, 1));
    EXPECT_EQ(model.AssignDeviceMacro(2, 1, 0x0210), AssignResult::Refused);
    EXPECT_EQ(model.AssignDeviceMacro(2, 2, 0x0210), AssignResult::Stored);
    EXPECT_EQ(Bytes(2, 2), "10021000");
    model.context().memoryIsI2c = false;
    EXPECT_EQ(model.AssignDeviceMacro(2, 3, 0x0210), AssignResult::NoCode);
}

TEST_F(Assignment, TheAimLevelRewritesEveryAimKey) {
    Put(0, 5, "05000000");
    Put(2, 7, "05030000");
    Put(2, 9, "05010000");
    EXPECT_EQ(model.AimLevelOfKeySet(2), 2) << "the last AIM key wins";
    EXPECT_EQ(model.AimLevelOfKeySet(1), std::nullopt);
    EXPECT_TRUE(model.SettingAIMKey(5));
    for (auto [s, b] : {std::pair{0, 5}, {2, 7}, {2, 9}}) EXPECT_EQ(Bytes(s, b), "05040000");
    EXPECT_EQ(model.AimLevelOfKeySet(0), 5);

    FillAll("01020000");
    EXPECT_FALSE(model.SettingAIMKey(7));
    EXPECT_EQ(Bytes(0, 5), "01020000");
}

TEST_F(Assignment, TheLongPressChoicePutsTheGameModeInSlotFourAndMasksItsButtons) {
    model.context().profileSetting.offset = 0x20;
    for (int s = 0; s < 3; ++s) {
        Put(s, 3, "01040000");  // Middle
        Put(s, 4, "01080002");  // Backward with the chord mask
        Put(s, 6, "09000008");  // DPI Loop with the long-press mask
    }
    EXPECT_EQ(model.ClickModeSwitchToggle(2, 0), OptionWrite::VendorSection);
    EXPECT_EQ(SlotBytes(4), "07D1F020");
    EXPECT_EQ(SlotBytes(2), "00000000");
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(Bytes(s, 3), "01040008");
        EXPECT_EQ(Bytes(s, 4), "01080000");
        EXPECT_EQ(Bytes(s, 6), "09000000");
    }
    EXPECT_TRUE(model.ToggleTicked(2));
    EXPECT_EQ(model.context().comboMasks.middle, 8) << "new Middle keys get the mask";
    // Clicking the active toggle goes back to none.
    model.ClickModeSwitchToggle(2, 0);
    EXPECT_EQ(SlotBytes(4), "00000000");
    EXPECT_EQ(Bytes(1, 3), "01040000");
    EXPECT_FALSE(model.ToggleTicked(2));
}

TEST_F(Assignment, TheLedModeOptionAndTheChordChoiceShareSlotTwo) {
    for (int s = 0; s < 3; ++s) Put(s, 4, "01080000");
    Put(1, 5, "01100000");  // Forward, Mode B only
    EXPECT_EQ(model.ClickModeSwitchToggle(1, 0), OptionWrite::VendorSection);
    EXPECT_EQ(SlotBytes(2), "0E000000");
    for (int s = 0; s < 3; ++s) EXPECT_EQ(Bytes(s, 4), "01080002");

    // Forward + Right takes slot 2 over and turns the LED option off.
    EXPECT_EQ(model.ClickModeSwitchToggle(7, 0), OptionWrite::None) << "no Forward in Mode A";
    EXPECT_EQ(model.ClickModeSwitchToggle(7, 1), OptionWrite::VendorSection);
    EXPECT_FALSE(model.ToggleTicked(1));
    EXPECT_TRUE(model.ToggleTicked(7));
    EXPECT_EQ(SlotBytes(2), "07D1F020");
    EXPECT_EQ(Bytes(1, 5), "01100002");
    EXPECT_EQ(Bytes(0, 4), "01080000");

    // And the LED option back: the chord choice goes, Forward stops asking for slot 2.
    model.SetLedModeSwitch(true);
    EXPECT_EQ(model.options().fireFunChoice, 0);
    EXPECT_EQ(SlotBytes(2), "0E000000");
    EXPECT_EQ(Bytes(1, 5), "01100000");
    EXPECT_EQ(Bytes(2, 4), "01080002");
    // A long-press choice leaves the LED option its slot.
    model.SetFireFunChoice(1);
    EXPECT_EQ(SlotBytes(2), "0E000000");
    EXPECT_EQ(Bytes(2, 4), "01080002");
    model.SetLedModeSwitch(false);
    EXPECT_EQ(SlotBytes(2), "00000000");
    EXPECT_EQ(Bytes(2, 4), "01080000");
}

TEST_F(Assignment, GunButtonsFollowTheGunOptionAndTheOptionsComeBackFromTheImage) {
    Put(1, 2, "0B000100");  // a gun preset in Mode B
    Put(0, 3, "01040000");
    EXPECT_EQ(model.ClickModeSwitchToggle(8, 0), OptionWrite::None) << "Mode B only";
    model.SetFireFunChoice(1);
    EXPECT_EQ(model.ClickModeSwitchToggle(8, 1), OptionWrite::VendorSection);
    EXPECT_EQ(Bytes(1, 2), "0B000108");
    EXPECT_TRUE(model.ToggleTicked(8));

    // A fresh model over the same bytes derives the same options.
    orvan::KeyTextTable otherTexts;
    orvan::KeyAssignment again(data, otherTexts);
    again.context().texts = model.context().texts;
    again.LoadFromImage();
    again.RefreshFireFun();
    EXPECT_EQ(again.options().fireFunChoice, 1);
    EXPECT_TRUE(again.options().gunFireMode);
    EXPECT_EQ(again.options().gunMask, 8);
    EXPECT_FALSE(again.options().ledModeSwitch);
}

TEST_F(Assignment, MacroButtonsFollowTheirMacroAcrossADeletion) {
    model.context().deviceMacros = {{0x0000, true, u"Reload"}, {0x0040, true, u"Jump"}};
    Put(0, 4, "10004000");
    Put(1, 5, "10000000");
    Put(2, 6, "10004000");  // the third mode is not tracked
    const auto kept = model.InitKeysParameters();
    EXPECT_EQ(kept[0][3], u"Jump");
    // "Reload" is deleted; "Jump" moves to the start.
    EXPECT_TRUE(model.RefreshKeysParameters(kept, {{0x0000, true, u"Jump"}}));
    EXPECT_EQ(Bytes(0, 4), "10000000");
    EXPECT_EQ(Bytes(1, 5), "00000000");
    EXPECT_EQ(Bytes(2, 6), "10004000");
    EXPECT_FALSE(
        model.RefreshKeysParameters(model.InitKeysParameters(), {{0x0000, true, u"Jump"}}));
}

}  // namespace
