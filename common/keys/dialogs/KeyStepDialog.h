#pragma once
// TForm4, "Input One Key": captures one key for a key-down or key-up macro
// step. Each key replaces the previous one; Confirm hands the key's name and
// the step text (name, " CODE:", 82 or 02, the key's usage) to applyKeyEdit.

#include "common/keys/dialogs/KeyDialogFrame.h"

class QKeyEvent;

namespace keys {

class KeyCaptureEdit;

enum class KeyStepKind { Press, Release };

class TForm4 : public KeyDialogFrame {
    Q_OBJECT
public:
    TForm4(const DialogSkin& skin, KeyDialogHost& host, KeyStepKind step, QWidget* owner = nullptr);

    // Empty until a key was pressed.
    const QString& stepText() const { return stepText_; }

    void Edt_EditKeyKeyDown(const QKeyEvent& event);

protected:
    void handResultBack() override;
    void clearFields() override;
    QLineEdit* focusField() const override;

private:
    KeyCaptureEdit* edit_;
    KeyStepKind step_;
    QString stepText_;
};

}  // namespace keys
