#include "common/keys/dialogs/KeyStepDialog.h"

#include <QKeyEvent>

#include "common/keys/FunctionCode.h"
#include "common/keys/KeyTable.h"
#include "common/keys/dialogs/KeyCaptureEdit.h"
#include "common/keys/dialogs/VirtualKeys.h"

namespace keys {
namespace {
const KeyDialogFrame::Family kFamilyL{"Size_L", "Color_L",  "Color_L_MN",
                                      "MN_Cfm", "MN_Clear", "MN_Close"};
}

TForm4::TForm4(const DialogSkin& skin, KeyDialogHost& host, KeyStepKind step, QWidget* owner)
    : KeyDialogFrame(skin, host, DialogKind::KeyStep, kFamilyL, 511, 512, owner),
      edit_(new KeyCaptureEdit),
      step_(step) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(text(520));
    addCaption(QStringLiteral("lbl_Title"), text(520), "MNT", true);
    placeField(edit_, QStringLiteral("Edt_EditKey"), "MNC");
    connect(edit_, &KeyCaptureEdit::keyPressed, this, &TForm4::Edt_EditKeyKeyDown);
}

void TForm4::Edt_EditKeyKeyDown(const QKeyEvent& event) {
    // Any key is taken, modifiers too: a step holds one key, written with its usage.
    const KeyIndex index = KeyIndexOfVirtualKey(VirtualKeyOf(event));
    const std::string_view keyName = KeyIndexName(index);
    const QString name =
        QString::fromLatin1(keyName.data(), static_cast<qsizetype>(keyName.size()));
    const char* kind = step_ == KeyStepKind::Press ? "82" : "02";
    stepText_ = name + QStringLiteral(" CODE:") + QLatin1String(kind) +
                QString::fromStdString(HexByte(UsageOfKeyIndex(index)));
    edit_->setText(name);
    edit_->end(false);
}

void TForm4::handResultBack() {
    host().applyKeyEdit(edit_->text(), stepText_);
}

void TForm4::clearFields() {
    edit_->clear();
    stepText_.clear();
}

QLineEdit* TForm4::focusField() const {
    return edit_;
}

}  // namespace keys
