#pragma once
// TForm3, "Macro Name": asks for the name of a new or renamed macro. The
// field takes at most 8 UTF-16 code units (14 in pellisdesk), the size of the
// name field in the macro records.

#include "common/keys/dialogs/KeyDialogFrame.h"

namespace keys {

class TForm3 : public KeyDialogFrame {
    Q_OBJECT
public:
    static constexpr int kOrvanNameLength = 8;
    static constexpr int kPellisNameLength = 14;

    TForm3(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner = nullptr,
           int maxLength = kOrvanNameLength);

protected:
    void handResultBack() override;
    void clearFields() override;
    QLineEdit* focusField() const override;

private:
    void keepWholeCharacters(const QString& text);

    QLineEdit* edit_;
};

}  // namespace keys
