#pragma once
// TForm2, "Assembly Key": builds a key combination for a button. The user
// ticks modifiers in the four boxes and presses up to two keys in the field;
// Confirm hands the field's text and the function code to applyCombination.

#include <array>

#include "common/keys/dialogs/KeyCombination.h"
#include "common/keys/dialogs/KeyDialogFrame.h"

class QKeyEvent;

namespace keys {

class KeyCaptureEdit;
class PictureCheckBox;

class TForm2 : public KeyDialogFrame {
    Q_OBJECT
public:
    TForm2(const DialogSkin& skin, KeyDialogHost& host, QWidget* owner = nullptr,
           EmptyCombination empty = EmptyCombination::KeyOff);

    const KeyCombination& combination() const { return combination_; }

    // The field's key handler and the boxes' click handlers.
    void Edt_AssemblyKeyDown(const QKeyEvent& event);
    void CB_CtrlClick();
    void CB_ShiftClick();
    void CB_AltClick();
    void CB_WinClick();

protected:
    void handResultBack() override;
    void clearFields() override;
    QLineEdit* focusField() const override;

private:
    void modifierClick(ComboModifier modifier);
    void showCombination();

    KeyCaptureEdit* edit_;
    std::array<PictureCheckBox*, 4> boxes_{};  // Ctrl, Shift, Alt, Win
    KeyCombination combination_;
    EmptyCombination empty_;
};

}  // namespace keys
