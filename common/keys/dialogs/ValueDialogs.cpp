#include "common/keys/dialogs/ValueDialogs.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "common/keys/dialogs/ValueCorrections.h"

namespace keys {
namespace {

const KeyDialogFrame::Family kFamilyL{"Size_L", "Color_L",  "Color_L_MN",
                                      "MN_Cfm", "MN_Clear", "MN_Close"};
// The X/Y dialog places its buttons with the keys of family L.
const KeyDialogFrame::Family kFamilyM{"Size_M", "Color_M",  "Color_M_MN",
                                      "MN_Cfm", "MN_Clear", "MN_Close"};

using Correction = QString (*)(const QString&);

// Digits only, or digits after one leading minus. The validator also holds
// back pasted text that is not a number.
QLineEdit* MakeValueField(QObject* owner, bool minus, Correction correct) {
    auto* field = new QLineEdit;
    const QRegularExpression pattern(minus ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*"));
    field->setValidator(new QRegularExpressionValidator(pattern, owner));
    field->setText(QStringLiteral("0"));
    field->setContextMenuPolicy(Qt::NoContextMenu);
    if (correct != nullptr) {
        QObject::connect(field, &QLineEdit::textChanged, owner, [field, correct](const QString& t) {
            const QString corrected = correct(t);
            if (corrected == t) return;
            field->setText(corrected);
            // An emptied field shows its default selected, so the next digit replaces it.
            if (t.isEmpty()) field->selectAll();
        });
    }
    return field;
}

}  // namespace

// ---- TForm5: pause ----

TForm5::TForm5(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner)
    : KeyDialogFrame(skin, host, DialogKind::Delay, kFamilyL, 511, 512, owner),
      edit_(MakeValueField(this, false, &CorrectDelay)) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(text(521));
    addCaption(QStringLiteral("lbl_Title"), text(521), "MNT", true);
    placeField(edit_, QStringLiteral("Edt_EditTime"), "MNC");
}

void TForm5::handResultBack() {
    host().applyDelayEdit(edit_->text());
}

void TForm5::clearFields() {
    edit_->clear();
}

QLineEdit* TForm5::focusField() const {
    return edit_;
}

// ---- TForm6: pointer move ----

TForm6::TForm6(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner, bool correcting)
    : KeyDialogFrame(skin, host, DialogKind::Movement, kFamilyM, 511, 512, owner),
      editX_(MakeValueField(this, true, correcting ? &CorrectMovement : nullptr)),
      editY_(MakeValueField(this, true, correcting ? &CorrectMovement : nullptr)) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(text(522));
    addCaption(QStringLiteral("lbl_NewX"), text(522), "NewX");
    addCaption(QStringLiteral("lbl_NewY"), text(523), "NewY");
    placeField(editX_, QStringLiteral("Edt_EditX"), "NewXVal");
    placeField(editY_, QStringLiteral("Edt_EditY"), "NewYVal");
}

void TForm6::handResultBack() {
    // A field left at a lone minus holds no number; it counts as no move.
    const auto value = [](const QLineEdit* field) {
        return field->text() == QLatin1String("-") ? QStringLiteral("0") : field->text();
    };
    host().applyXYEdit(value(editX_), value(editY_));
}

void TForm6::clearFields() {
    editX_->clear();
    editY_->clear();
}

QLineEdit* TForm6::focusField() const {
    return editX_;
}

// ---- TForm7: repeat count ----

TForm7::TForm7(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner, bool correcting)
    : KeyDialogFrame(skin, host, DialogKind::RepeatCount, kFamilyL, 511, 512, owner),
      edit_(MakeValueField(this, false, correcting ? &CorrectRepeatCount : nullptr)),
      correcting_(correcting) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(text(524));
    addCaption(QStringLiteral("lbl_Title"), text(524), "MNT", true);
    placeField(edit_, QStringLiteral("Edt_EditTime"), "MNC");
}

void TForm7::handResultBack() {
    // The field starts at 0, which is no repeat count; confirmed untouched it
    // would store a block that repeats 0 times.
    host().applyRepeatEdit(correcting_ ? CorrectRepeatCount(edit_->text()) : edit_->text());
}

void TForm7::clearFields() {
    edit_->clear();
}

QLineEdit* TForm7::focusField() const {
    return edit_;
}

}  // namespace keys
