// The combination-key dialog TForm2 driven as a user drives it: boxes clicked,
// keys pressed in Edt_Assembly, Confirm, Clear.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "DialogFixture.h"
#include "common/keys/dialogs/CombinationKeyDialog.h"

namespace {

using dialogtest::DialogFixture;
using keys::TForm2;

struct Form2 : DialogFixture {
    explicit Form2(keys::EmptyCombination empty = keys::EmptyCombination::KeyOff) {
        form = show(new TForm2(skin(), host, owner.get(), empty));
        host.calls.clear();
    }
    QLineEdit* edit() const { return field("Edt_Assembly"); }
    QString text() const { return edit()->text(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        dialogtest::PressKey(edit(), key, modifiers);
    }
    bool ticked(const char* box) const {
        return qobject_cast<QAbstractButton*>(find(box))->isChecked();
    }
    // Confirm, and what the host was handed.
    QString confirm() {
        click("IB_Confirm");
        return host.calls.value(0);
    }
    TForm2* form;
};

TEST(CombinationKeyDialog, CtrlAndCGiveTheCombinationOfTheOverview) {
    Form2 f;
    f.click("CB_Ctrl");
    EXPECT_EQ(f.text(), "Ctrl");
    f.press(Qt::Key_C);
    EXPECT_EQ(f.text(), "Ctrl+C");
    EXPECT_EQ(f.edit()->cursorPosition(), 6);
    EXPECT_EQ(f.form->focusWidget(), f.edit());
    EXPECT_EQ(f.confirm(), "combination 'Ctrl+C' 02010600");
    EXPECT_EQ(f.host.calls, QStringList({"combination 'Ctrl+C' 02010600", "overlay off"}));
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_EQ(f.form->result(), QDialog::Accepted);
}

TEST(CombinationKeyDialog, RefusedKeysChangeNothing) {
    struct Refused {
        Qt::Key key;
        Qt::KeyboardModifiers held;
    };
    const Refused refused[] = {
        {Qt::Key_Super_L, Qt::NoModifier}, {Qt::Key_Super_R, Qt::NoModifier},
        {Qt::Key_Meta, Qt::NoModifier},    {Qt::Key_A, Qt::ShiftModifier},
        {Qt::Key_A, Qt::ControlModifier},  {Qt::Key_A, Qt::AltModifier},
        {Qt::Key_Shift, Qt::NoModifier},   {Qt::Key_Control, Qt::NoModifier},
        {Qt::Key_Alt, Qt::NoModifier},     {Qt::Key_AltGr, Qt::NoModifier},
    };
    for (const Refused& r : refused) {
        Form2 f;
        f.press(Qt::Key_B);
        f.press(r.key, r.held);
        EXPECT_EQ(f.text(), "B") << "key 0x" << std::hex << r.key;
        EXPECT_EQ(f.form->combination().keyCount(), 1);
        EXPECT_EQ(f.confirm(), "combination 'B' 02000500") << "key 0x" << std::hex << r.key;
    }
    // Shift comes from its box only.
    Form2 f;
    f.click("CB_Shift");
    f.press(Qt::Key_A);
    EXPECT_EQ(f.confirm(), "combination 'Shift+A' 02020400");
}

TEST(CombinationKeyDialog, AThirdKeyStartsOver) {
    Form2 f;
    f.click("CB_Ctrl");
    f.press(Qt::Key_A);
    f.press(Qt::Key_B);
    EXPECT_EQ(f.text(), "Ctrl+A+B");
    f.press(Qt::Key_C);
    EXPECT_EQ(f.text(), "Ctrl+C");
    EXPECT_EQ(f.form->combination().key1(), 0x06);
    EXPECT_EQ(f.form->combination().key2(), 0);
    // Keys the dialog would otherwise lose to the focus chain or the dialog itself.
    f.press(Qt::Key_Tab);
    EXPECT_EQ(f.text(), "Ctrl+C+Tab");
    f.press(Qt::Key_Escape);
    EXPECT_EQ(f.text(), "Ctrl+Esc");
    EXPECT_TRUE(f.form->isVisible());
    // Starting over happens before a refused key is looked at.
    f.press(Qt::Key_B);
    f.press(Qt::Key_Super_L);
    EXPECT_EQ(f.text(), "Ctrl");
    EXPECT_EQ(f.confirm(), "combination 'Ctrl' 02010000");
}

TEST(CombinationKeyDialog, ModifiersKeepTheirOrderWhateverTheOrderOfTicking) {
    Form2 f;
    f.click("CB_Win");
    f.click("CB_Ctrl");
    EXPECT_EQ(f.text(), "Ctrl+Win");
    f.press(Qt::Key_F5);
    f.click("CB_Alt");
    EXPECT_EQ(f.text(), "Ctrl+Alt+Win+F5");
    EXPECT_EQ(f.edit()->cursorPosition(), f.text().size());
    EXPECT_EQ(f.form->focusWidget(), f.edit());
    EXPECT_EQ(f.confirm(), "combination 'Ctrl+Alt+Win+F5' 020D3E00");
}

TEST(CombinationKeyDialog, UntickingRemovesTheModifierFromFieldAndCode) {
    Form2 f;
    f.click("CB_Ctrl");
    f.click("CB_Shift");
    f.press(Qt::Key_A);
    f.press(Qt::Key_B);
    f.click("CB_Ctrl");
    EXPECT_EQ(f.text(), "Shift+A+B");
    f.click("CB_Shift");
    EXPECT_EQ(f.text(), "A+B");
    f.click("CB_Alt");
    f.click("CB_Alt");
    EXPECT_EQ(f.text(), "A+B");
    // Starting over shows only the boxes still ticked.
    f.click("CB_Win");
    f.press(Qt::Key_C);
    EXPECT_EQ(f.text(), "Win+C");
    EXPECT_EQ(f.confirm(), "combination 'Win+C' 02080600");
}

TEST(CombinationKeyDialog, ClearEmptiesEverythingAndConfirmTurnsTheButtonOff) {
    Form2 f;
    f.click("CB_Ctrl");
    f.click("CB_Alt");
    f.press(Qt::Key_Delete);
    f.click("IB_Cancel");
    EXPECT_EQ(f.text(), "");
    for (const char* box : {"CB_Ctrl", "CB_Shift", "CB_Alt", "CB_Win"}) EXPECT_FALSE(f.ticked(box));
    EXPECT_EQ(f.form->combination().keyCount(), 0);
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_TRUE(f.host.calls.isEmpty());
    // Keys taken after Clear start from nothing.
    f.press(Qt::Key_X);
    EXPECT_EQ(f.text(), "X");
    f.click("IB_Cancel");
    EXPECT_EQ(f.confirm(), "combination '' 00000000");
}

TEST(CombinationKeyDialog, PellisStoresAnEmptyFieldAsAnEmptyCombination) {
    Form2 f(keys::EmptyCombination::Combination);
    EXPECT_EQ(f.confirm(), "combination '' 02000000");
}

TEST(CombinationKeyDialog, KeysWithoutAUsageAreNamedButStoredAsNone) {
    Form2 f;
    f.press(Qt::Key_Launch0);
    f.press(Qt::Key_unknown);
    EXPECT_EQ(f.confirm(), "combination 'Launch_App1+None' 02000000");
}

TEST(CombinationKeyDialog, CloseCrossEndsWithoutAResult) {
    Form2 f;
    f.click("CB_Ctrl");
    f.press(Qt::Key_C);
    f.click("IB_Close");
    EXPECT_EQ(f.host.calls, QStringList({"overlay off"}));
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_EQ(f.form->result(), QDialog::Rejected);
}

}  // namespace
