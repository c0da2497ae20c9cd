#pragma once
// The value dialogs of the macro step editor: TForm5 a pause ("Input Delay
// Time"), TForm6 a pointer move ("Input X Value", "Input Y Value"), TForm7 a
// repeat count ("Input Value"). Their fields take digits (X and Y also a
// leading minus) and correct themselves at every change while the step being
// edited is of the dialog's kind; the caller says so with `correcting`.

#include "common/keys/dialogs/KeyDialogFrame.h"

namespace keys {

class TForm5 : public KeyDialogFrame {
    Q_OBJECT
public:
    TForm5(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner = nullptr);

protected:
    void handResultBack() override;
    void clearFields() override;
    QLineEdit* focusField() const override;

private:
    QLineEdit* edit_;
};

class TForm6 : public KeyDialogFrame {
    Q_OBJECT
public:
    TForm6(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner = nullptr,
           bool correcting = true);

protected:
    void handResultBack() override;
    void clearFields() override;
    QLineEdit* focusField() const override;

private:
    QLineEdit* editX_;
    QLineEdit* editY_;
};

class TForm7 : public KeyDialogFrame {
    Q_OBJECT
public:
    TForm7(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner = nullptr,
           bool correcting = true);

protected:
    void handResultBack() override;
    void clearFields() override;
    QLineEdit* focusField() const override;

private:
    QLineEdit* edit_;
    bool correcting_;
};

}  // namespace keys
