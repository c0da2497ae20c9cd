// The frame all six dialogs share, with the shipped tables, texts and
// pictures: shape, place, look, texts of the language, the host's overlay.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>
#include <functional>

#include "DialogFixture.h"
#include "common/keys/dialogs/CombinationKeyDialog.h"
#include "common/keys/dialogs/KeyStepDialog.h"
#include "common/keys/dialogs/MacroNameDialog.h"
#include "common/keys/dialogs/PictureCheckBox.h"
#include "common/keys/dialogs/ValueDialogs.h"
#include "common/shell/SkinPicture.h"

namespace {

using dialogtest::DialogFixture;
using keys::DialogKind;

struct Made {
    const char* name;
    DialogKind kind;
    std::function<keys::KeyDialogFrame*(DialogFixture&)> make;
};

const Made kDialogs[] = {
    {"TForm2", DialogKind::Combination,
     [](DialogFixture& f) { return new keys::TForm2(f.skin(), f.host, f.owner.get()); }},
    {"TForm3", DialogKind::MacroName,
     [](DialogFixture& f) { return new keys::TForm3(f.skin(), f.host, f.owner.get()); }},
    {"TForm4", DialogKind::KeyStep,
     [](DialogFixture& f) {
         return new keys::TForm4(f.skin(), f.host, keys::KeyStepKind::Press, f.owner.get());
     }},
    {"TForm5", DialogKind::Delay,
     [](DialogFixture& f) { return new keys::TForm5(f.skin(), f.host, f.owner.get()); }},
    {"TForm6", DialogKind::Movement,
     [](DialogFixture& f) { return new keys::TForm6(f.skin(), f.host, f.owner.get()); }},
    {"TForm7", DialogKind::RepeatCount,
     [](DialogFixture& f) { return new keys::TForm7(f.skin(), f.host, f.owner.get()); }},
};

QString Caption(const DialogFixture& f, const QString& name) {
    const auto* label = qobject_cast<QLabel*>(f.find(name));
    return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(name);
}

QString Picture(const DialogFixture& f, const QString& name) {
    return shell::PictureNameOf(f.find(name));
}

TEST(DialogFrame, EveryDialogIsShapedByItsPictureAndCentredOverTheWindow) {
    for (const Made& m : kDialogs) {
        DialogFixture f;
        keys::KeyDialogFrame* d = f.show(m.make(f));
        SCOPED_TRACE(m.name);
        EXPECT_EQ(d->objectName(), m.name);
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(Picture(f, "Img_Msg"), "Msg");
        EXPECT_EQ(d->size(), QSize(1000, 660));
        // The window 1030 x 662 at (100, 50).
        EXPECT_EQ(d->pos(), QPoint(115, 51));
        // Only the panel of the picture is window; around it the form colour is cut out.
        EXPECT_TRUE(d->mask().contains(QPoint(500, 330)));
        EXPECT_FALSE(d->mask().contains(QPoint(10, 10)));
        EXPECT_FALSE(d->mask().contains(QPoint(300, 330)));
        EXPECT_EQ(Picture(f, "Img_Confirm"), "BtnS_01");
        EXPECT_EQ(Picture(f, "Img_Cancel"), "BtnS_01");
        EXPECT_EQ(Picture(f, "Img_Close"), "ExitS_01");
        for (const char* button : {"Confirm", "Cancel", "Close"}) {
            EXPECT_EQ(f.find(QString("IB_") + button)->geometry(),
                      f.find(QString("Img_") + button)->geometry())
                << button;
        }
        // Opening covered the caller's page; the first field has the focus.
        EXPECT_EQ(f.host.calls, QStringList({"overlay on"}));
        EXPECT_EQ(f.host.overlayKind, m.kind);
        ASSERT_NE(d->focusWidget(), nullptr);
        EXPECT_TRUE(d->focusWidget()->objectName().startsWith("Edt_"));
        EXPECT_EQ(qobject_cast<QLineEdit*>(d->focusWidget())->alignment(), Qt::AlignCenter);
        // Closed by the window system: no result, the page uncovered.
        d->close();
        EXPECT_EQ(f.host.calls, QStringList({"overlay on", "overlay off"}));
    }
}

TEST(DialogFrame, EveryLanguageFindsAllItsKeysAndPictures) {
    for (int language : {1, 2, 3}) {
        for (const Made& m : kDialogs) {
            DialogFixture f(language);
            f.show(m.make(f));
            EXPECT_TRUE(f.problems.empty()) << m.name << " language " << language << "\n"
                                            << f.problems.message();
        }
    }
}

TEST(DialogFrame, TextsAndFontOfTheActiveLanguage) {
    struct Case {
        int dialog;  // index into kDialogs
        int language;
        QStringList names;
        QStringList captions;
    };
    const Case cases[] = {
        {0, 1, {"lbl_Title", "IB_Confirm", "IB_Cancel"}, {"Assembly Key", "Confirm", "Clear"}},
        {1, 1, {"lbl_Title", "IB_Confirm", "IB_Cancel"}, {"Macro Name", "OK", "Cancel"}},
        {2, 1, {"lbl_Title"}, {"Input One Key"}},
        {3, 1, {"lbl_Title"}, {"Input Delay Time"}},
        {4, 1, {"lbl_NewX", "lbl_NewY"}, {"Input X Value", "Input Y Value"}},
        {5, 1, {"lbl_Title", "IB_Confirm", "IB_Cancel"}, {"Input Value", "OK", "Cancel"}},
        {0,
         2,
         {"lbl_Title", "IB_Confirm", "IB_Cancel"},
         {"Ввод сочетания клавиш", "Подтвердить", "Очистить"}},
        // Table 2 has no Str524.
        {5, 2, {"lbl_Title", "IB_Cancel"}, {"", "Отмена"}},
        {0, 3, {"lbl_Title", "IB_Confirm"}, {"Enter Key Combination", "Apply"}},
    };
    for (const Case& c : cases) {
        DialogFixture f(c.language);
        keys::KeyDialogFrame* d = f.show(kDialogs[c.dialog].make(f));
        for (int i = 0; i < c.names.size(); ++i) {
            EXPECT_EQ(Caption(f, c.names[i]), c.captions[i])
                << kDialogs[c.dialog].name << " language " << c.language;
        }
        EXPECT_EQ(d->font().family(), c.language == 3 ? "MS Sans Serif" : "Calibri");
        EXPECT_EQ(d->windowTitle(), Caption(f, c.dialog == 4 ? "lbl_NewX" : "lbl_Title"));
    }
}

TEST(DialogFrame, CombinationDialogFollowsFamilyK) {
    DialogFixture f;
    keys::KeyDialogFrame* d = f.show(new keys::TForm2(f.skin(), f.host, f.owner.get()));
    // Its text size is Size_J's.
    EXPECT_EQ(d->font().pointSize(), 9);
    EXPECT_EQ(f.find("lbl_Title")->pos(), QPoint(330, 244));
    EXPECT_EQ(f.find("Edt_Assembly")->geometry().topLeft(), QPoint(340, 292));
    EXPECT_EQ(f.find("Edt_Assembly")->width(), 320);
    EXPECT_TRUE(f.field("Edt_Assembly")->isReadOnly());
    EXPECT_EQ(f.find("CB_Ctrl")->pos(), QPoint(350, 336));
    EXPECT_EQ(f.find("CB_Win")->pos(), QPoint(590, 336));
    EXPECT_EQ(f.find("Img_Confirm")->geometry(), QRect(385, 382, 110, 27));
    EXPECT_EQ(f.find("Img_Cancel")->pos(), QPoint(505, 382));
    EXPECT_EQ(f.find("Img_Close")->geometry(), QRect(664, 242, 18, 18));
    EXPECT_EQ(f.find("lbl_Title")->palette().color(QPalette::WindowText), QColor(225, 225, 225));
    EXPECT_TRUE(f.find("Edt_Assembly")->styleSheet().contains("color: #ffffff"));

    auto* box = qobject_cast<keys::PictureCheckBox*>(f.find("CB_Shift"));
    EXPECT_EQ(box->pictureName(), "CbS_D");
    f.click("CB_Shift");
    EXPECT_EQ(box->pictureName(), "CbS_E");
}

TEST(DialogFrame, ValueDialogsFollowFamiliesLAndM) {
    DialogFixture f;
    keys::KeyDialogFrame* d = f.show(new keys::TForm6(f.skin(), f.host, f.owner.get()));
    EXPECT_EQ(d->font().pointSize(), 10);
    EXPECT_EQ(f.find("lbl_NewX")->pos(), QPoint(340, 290));
    EXPECT_EQ(f.find("lbl_NewY")->pos(), QPoint(340, 332));
    EXPECT_EQ(f.find("Edt_EditX")->geometry().topLeft(), QPoint(470, 288));
    EXPECT_EQ(f.find("Edt_EditY")->geometry().topLeft(), QPoint(470, 330));
    EXPECT_EQ(f.find("Edt_EditY")->width(), 190);
    // Its buttons sit where family L puts them.
    EXPECT_EQ(f.find("Img_Confirm")->pos(), QPoint(385, 382));
    EXPECT_EQ(f.find("Img_Close")->pos(), QPoint(664, 242));

    DialogFixture g;
    g.show(new keys::TForm3(g.skin(), g.host, g.owner.get()));
    EXPECT_EQ(g.find("lbl_Title")->pos(), QPoint(330, 244));
    EXPECT_EQ(g.find("Edt_MacroName")->geometry(), QRect(340, 304, 320, 24));
}

TEST(DialogFrame, ButtonPicturesFollowTheMouse) {
    DialogFixture f;
    f.show(new keys::TForm3(f.skin(), f.host, f.owner.get()));
    for (const auto& [button, kind] : {std::pair{"Cancel", "BtnS"}, std::pair{"Close", "ExitS"}}) {
        QWidget* label = f.find(QString("IB_") + button);
        const QString picture = QString("Img_") + button;
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(label, &enter);
        EXPECT_EQ(Picture(f, picture), QString(kind) + "_02");
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        EXPECT_EQ(Picture(f, picture), QString(kind) + "_03");
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        EXPECT_EQ(Picture(f, picture), QString(kind) + "_01");
    }
    // The release on the close cross ended the dialog.
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_EQ(f.host.calls, QStringList({"overlay on", "overlay off"}));
}

}  // namespace
