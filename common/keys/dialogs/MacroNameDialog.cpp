#include "common/keys/dialogs/MacroNameDialog.h"

#include <QLineEdit>

namespace keys {
namespace {
const KeyDialogFrame::Family kFamilyL{"Size_L", "Color_L",  "Color_L_MN",
                                      "MN_Cfm", "MN_Clear", "MN_Close"};
}

TForm3::TForm3(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner, int maxLength)
    : KeyDialogFrame(skin, host, DialogKind::MacroName, kFamilyL, 511, 512, owner),
      edit_(new QLineEdit) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(text(510));
    addCaption(QStringLiteral("lbl_Title"), text(510), "MNT", true);
    placeField(edit_, QStringLiteral("Edt_MacroName"), "MNC");
    edit_->setMaxLength(maxLength);
    connect(edit_, &QLineEdit::textChanged, this, &TForm3::keepWholeCharacters);
}

void TForm3::keepWholeCharacters(const QString& text) {
    // The length limit may cut a pasted character outside the basic plane in
    // half; a lone surrogate would be stored as a broken name.
    if (!text.isEmpty() && text.back().isHighSurrogate()) edit_->setText(text.chopped(1));
}

void TForm3::handResultBack() {
    host().applyMacroName(edit_->text());
}

void TForm3::clearFields() {
    edit_->clear();
}

QLineEdit* TForm3::focusField() const {
    return edit_;
}

}  // namespace keys
