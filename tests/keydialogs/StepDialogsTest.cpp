// The macro name dialog and the macro step dialogs: key capture of TForm4,
// the filtered, self-correcting value fields of TForm5 .. TForm7.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "DialogFixture.h"
#include "common/keys/dialogs/KeyStepDialog.h"
#include "common/keys/dialogs/MacroNameDialog.h"
#include "common/keys/dialogs/ValueDialogs.h"

namespace {

using dialogtest::DialogFixture;

// What a user types: text, with "<" for Backspace and "^" for Home.
void Type(QLineEdit* field, const QString& keys) {
    for (const QChar c : keys) {
        if (c == u'<') {
            QTest::keyClick(field, Qt::Key_Backspace);
        } else if (c == u'^') {
            QTest::keyClick(field, Qt::Key_Home);
        } else {
            QTest::keyClicks(field, QString(c));
        }
    }
}

TEST(ValueDialogs, FieldsFilterAndCorrectThemselves) {
    enum Dialog { Delay, X, Y, Count, CountNotARepeatStep };
    struct Case {
        Dialog dialog;
        QString typed;  // after the field opens with its "0" selected
        QString shown;
    };
    const Case cases[] = {
        {Delay, "250", "250"},
        {Delay, "70000", "65535"},
        {Delay, "65535", "65535"},
        {Delay, "0", "1"},
        {Delay, "12<<", "1"},       // emptied: the default, selected
        {Delay, "12<<5", "5"},      // so the next digit replaces it
        {Delay, "1a2-b.3", "123"},  // digits only
        {X, "-", "-"},
        {X, "-200", "-128"},
        {X, "-128", "-128"},
        {X, "300", "127"},
        {X, "128", "127"},
        {X, "-5<<", "0"},
        {X, "12-", "12"},  // a minus only in front
        {X, "12^-", "-12"},
        {Y, "-40", "-40"},
        {Y, "--7", "-7"},
        {Count, "0", "1"},
        {Count, "999", "254"},
        {Count, "254", "254"},
        {Count, "7<", "1"},
        {Count, "-3", "3"},
        // Only a repeat step is corrected; the keys are filtered all the same.
        {CountNotARepeatStep, "999", "999"},
        {CountNotARepeatStep, "9x<", ""},
    };
    for (const Case& c : cases) {
        DialogFixture f;
        QString name = "Edt_EditTime";
        switch (c.dialog) {
            case Delay:
                f.show(new keys::TForm5(f.skin(), f.host, f.owner.get()));
                break;
            case X:
            case Y:
                f.show(new keys::TForm6(f.skin(), f.host, f.owner.get()));
                name = c.dialog == X ? "Edt_EditX" : "Edt_EditY";
                if (c.dialog == Y) f.field(name)->selectAll();
                break;
            case Count:
            case CountNotARepeatStep:
                f.show(new keys::TForm7(f.skin(), f.host, f.owner.get(), c.dialog == Count));
                break;
        }
        QLineEdit* field = f.field(name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), "0");
        Type(field, c.typed);
        EXPECT_EQ(field->text(), c.shown)
            << name.toStdString() << " typed " << c.typed.toStdString();
    }
}

TEST(ValueDialogs, PastedNumbersAreHeldToTheirRange) {
    struct Case {
        std::function<QWidget*(DialogFixture&)> make;
        QString field;
        QString pasted;
        QString shown;
    };
    const QString huge = QStringLiteral("123456789012345678901234567890");
    const Case cases[] = {
        {[](DialogFixture& f) { return new keys::TForm5(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", huge, "65535"},
        {[](DialogFixture& f) { return new keys::TForm5(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", "0000000000000000000000042", "0000000000000000000000042"},
        {[](DialogFixture& f) { return new keys::TForm6(f.skin(), f.host, f.owner.get()); },
         "Edt_EditX", "-" + huge, "-128"},
        {[](DialogFixture& f) { return new keys::TForm6(f.skin(), f.host, f.owner.get()); },
         "Edt_EditX", "12-3", "0"},
        {[](DialogFixture& f) { return new keys::TForm7(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", huge, "254"},
    };
    for (const Case& c : cases) {
        DialogFixture f;
        f.show(c.make(f));
        QLineEdit* field = f.field(c.field);
        field->selectAll();
        field->insert(c.pasted);
        EXPECT_EQ(field->text(), c.shown) << c.pasted.toStdString();
    }
}

TEST(ValueDialogs, ConfirmHandsTheValuesBack) {
    struct Case {
        std::function<QWidget*(DialogFixture&)> make;
        QString field;
        QString typed;
        QString handed;
    };
    const Case cases[] = {
        {[](DialogFixture& f) { return new keys::TForm5(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", "1500", "delay 1500"},
        // A delay of 0 is a pause the macros can hold; only typing it is corrected.
        {[](DialogFixture& f) { return new keys::TForm5(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", "", "delay 0"},
        {[](DialogFixture& f) { return new keys::TForm6(f.skin(), f.host, f.owner.get()); },
         "Edt_EditX", "-1", "xy -1 0"},
        // A lone minus is no move.
        {[](DialogFixture& f) { return new keys::TForm6(f.skin(), f.host, f.owner.get()); },
         "Edt_EditX", "-", "xy 0 0"},
        {[](DialogFixture& f) { return new keys::TForm7(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", "12", "repeat 12"},
        // The starting 0 is no repeat count.
        {[](DialogFixture& f) { return new keys::TForm7(f.skin(), f.host, f.owner.get()); },
         "Edt_EditTime", "", "repeat 1"},
    };
    for (const Case& c : cases) {
        DialogFixture f;
        f.show(c.make(f));
        Type(f.field(c.field), c.typed);
        f.click("IB_Confirm");
        EXPECT_EQ(f.host.calls, QStringList({"overlay on", c.handed, "overlay off"}))
            << c.field.toStdString() << " typed " << c.typed.toStdString();
    }
}

TEST(ValueDialogs, ClearEmptiesTheFieldsWhichCorrectThemselves) {
    DialogFixture f;
    f.show(new keys::TForm6(f.skin(), f.host, f.owner.get()));
    Type(f.field("Edt_EditX"), "-12");
    Type(f.field("Edt_EditY"), "^9");
    EXPECT_EQ(f.field("Edt_EditY")->text(), "90");
    f.click("IB_Cancel");
    EXPECT_EQ(f.field("Edt_EditX")->text(), "0");
    EXPECT_EQ(f.field("Edt_EditY")->text(), "0");
    EXPECT_TRUE(f.dialog->isVisible());
    EXPECT_EQ(f.dialog->focusWidget(), f.field("Edt_EditX"));

    DialogFixture g;
    g.show(new keys::TForm5(g.skin(), g.host, g.owner.get()));
    Type(g.field("Edt_EditTime"), "300");
    g.click("IB_Cancel");
    EXPECT_EQ(g.field("Edt_EditTime")->text(), "1");
}

TEST(KeyStepDialog, EachKeyReplacesTheLastAndNamesTheStep) {
    struct Case {
        keys::KeyStepKind step;
        QList<Qt::Key> pressed;
        QString handed;
    };
    const Case cases[] = {
        {keys::KeyStepKind::Press, {Qt::Key_C}, "key 'C' 'C CODE:8206'"},
        {keys::KeyStepKind::Release, {Qt::Key_C}, "key 'C' 'C CODE:0206'"},
        {keys::KeyStepKind::Press, {Qt::Key_A, Qt::Key_F12}, "key 'F12' 'F12 CODE:8245'"},
        // A modifier is an ordinary key here, written with its usage.
        {keys::KeyStepKind::Press, {Qt::Key_Shift, Qt::Key_Control}, "key 'Ctrl' 'Ctrl CODE:82E0'"},
        {keys::KeyStepKind::Release,
         {Qt::Key_Super_L},
         "key 'Left Windows' 'Left Windows CODE:02E3'"},
        {keys::KeyStepKind::Press, {Qt::Key_Escape}, "key 'Esc' 'Esc CODE:8229'"},
        {keys::KeyStepKind::Press, {Qt::Key_Launch0}, "key 'Launch_App1' 'Launch_App1 CODE:8200'"},
        {keys::KeyStepKind::Press, {}, "key '' ''"},
    };
    for (const Case& c : cases) {
        DialogFixture f;
        f.show(new keys::TForm4(f.skin(), f.host, c.step, f.owner.get()));
        for (Qt::Key key : c.pressed) dialogtest::PressKey(f.field("Edt_EditKey"), key);
        f.click("IB_Confirm");
        EXPECT_EQ(f.host.calls.value(1), c.handed);
    }
}

TEST(KeyStepDialog, ClearForgetsTheKey) {
    DialogFixture f;
    auto* form =
        f.show(new keys::TForm4(f.skin(), f.host, keys::KeyStepKind::Press, f.owner.get()));
    dialogtest::PressKey(f.field("Edt_EditKey"), Qt::Key_Q);
    EXPECT_EQ(form->stepText(), "Q CODE:8214");
    f.click("IB_Cancel");
    EXPECT_EQ(f.field("Edt_EditKey")->text(), "");
    f.click("IB_Confirm");
    EXPECT_EQ(f.host.calls.value(1), "key '' ''");
}

TEST(MacroNameDialog, NamesAreCutToTheirFieldSize) {
    struct Case {
        int maxLength;
        QString typed;
        QString handed;
    };
    const Case cases[] = {
        {keys::TForm3::kOrvanNameLength, "Combo", "name 'Combo'"},
        {keys::TForm3::kOrvanNameLength, "ABCDEFGHIJ", "name 'ABCDEFGH'"},
        {keys::TForm3::kPellisNameLength, "ABCDEFGHIJKLMNOP", "name 'ABCDEFGHIJKLMN'"},
        // Empty and duplicate names are the window's to refuse.
        {keys::TForm3::kOrvanNameLength, "", "name ''"},
    };
    for (const Case& c : cases) {
        DialogFixture f;
        f.show(new keys::TForm3(f.skin(), f.host, f.owner.get(), c.maxLength));
        QTest::keyClicks(f.field("Edt_MacroName"), c.typed);
        f.click("IB_Confirm");
        EXPECT_EQ(f.host.calls.value(1), c.handed);
    }
}

TEST(MacroNameDialog, APastedCharacterIsNotCutInHalf) {
    DialogFixture f;
    f.show(new keys::TForm3(f.skin(), f.host, f.owner.get()));
    QLineEdit* field = f.field("Edt_MacroName");
    field->insert(QStringLiteral("Shot\u00e9 1") + QString::fromUcs4(U"\U0001F3AF"));
    EXPECT_EQ(field->text(), QStringLiteral("Shot\u00e9 1"));
    field->clear();
    field->insert(QStringLiteral("Aim") + QString::fromUcs4(U"\U0001F3AF") + "x");
    EXPECT_EQ(field->text().size(), 6);
}

}  // namespace
