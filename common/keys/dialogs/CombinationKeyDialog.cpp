#include "common/keys/dialogs/CombinationKeyDialog.h"

#include <QKeyEvent>

#include "common/keys/dialogs/KeyCaptureEdit.h"
#include "common/keys/dialogs/PictureCheckBox.h"
#include "common/keys/dialogs/VirtualKeys.h"
#include "common/shell/SkinStyle.h"

namespace keys {
namespace {

const KeyDialogFrame::Family kFamilyK{"Size_J", "Color_K",  "Color_K_AK",
                                      "AK_Cfm", "AK_Clear", "AK_Close"};

struct Box {
    const char* name;
    const char* caption;
    const char* prefix;
    void (TForm2::*click)();
};
// In the order of ComboModifier.
constexpr std::array<Box, 4> kBoxes = {
    Box{"CB_Ctrl", "Ctrl", "MK_C", &TForm2::CB_CtrlClick},
    Box{"CB_Shift", "Shift", "MK_S", &TForm2::CB_ShiftClick},
    Box{"CB_Alt", "Alt", "MK_A", &TForm2::CB_AltClick},
    Box{"CB_Win", "Win", "MK_W", &TForm2::CB_WinClick},
};

}  // namespace

TForm2::TForm2(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner, EmptyCombination empty)
    : KeyDialogFrame(skin, host, DialogKind::Combination, kFamilyK, 501, 502, owner),
      edit_(new KeyCaptureEdit),
      empty_(empty) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(text(500));
    addCaption(QStringLiteral("lbl_Title"), text(500), "AKT", true);
    placeField(edit_, QStringLiteral("Edt_Assembly"), "AKC");
    connect(edit_, &KeyCaptureEdit::keyPressed, this, &TForm2::Edt_AssemblyKeyDown);

    for (size_t i = 0; i < kBoxes.size(); ++i) {
        auto* box = new PictureCheckBox(store(), QString::fromLatin1(kBoxes[i].caption), this);
        box->setObjectName(QString::fromLatin1(kBoxes[i].name));
        shell::SetTextColour(box, textColour());
        box->move(position(kBoxes[i].prefix));
        box->resize(box->sizeHint());
        connect(box, &QCheckBox::clicked, this, kBoxes[i].click);
        boxes_[i] = box;
    }
}

void TForm2::Edt_AssemblyKeyDown(const QKeyEvent& event) {
    const bool held =
        (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
    combination_.press(VirtualKeyOf(event), held);
    showCombination();
}

void TForm2::CB_CtrlClick() {
    modifierClick(ComboModifier::Ctrl);
}
void TForm2::CB_ShiftClick() {
    modifierClick(ComboModifier::Shift);
}
void TForm2::CB_AltClick() {
    modifierClick(ComboModifier::Alt);
}
void TForm2::CB_WinClick() {
    modifierClick(ComboModifier::Win);
}

void TForm2::modifierClick(ComboModifier modifier) {
    combination_.setModifier(modifier, boxes_[static_cast<size_t>(modifier)]->isChecked());
    showCombination();
    edit_->setFocus(Qt::OtherFocusReason);
}

void TForm2::showCombination() {
    edit_->setText(QString::fromStdString(combination_.text()));
    edit_->end(false);
}

void TForm2::handResultBack() {
    host().applyCombination(edit_->text(), QString::fromStdString(combination_.codeText(empty_)));
}

void TForm2::clearFields() {
    combination_.clear();
    for (PictureCheckBox* box : boxes_) box->setChecked(false);
    showCombination();
}

QLineEdit* TForm2::focusField() const {
    return edit_;
}

}  // namespace keys
