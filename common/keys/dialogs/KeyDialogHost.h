#pragma once
// How the key and value dialogs talk to the window that opened them. A dialog
// never touches a button, a macro or the image: it asks the window to cover
// and uncover its page, and on Confirm hands its result to the window's apply
// step for that dialog. A window implements the apply steps of the dialogs it
// opens; the others do nothing.

#include <QString>

namespace keys {

enum class DialogKind {
    Combination,  // TForm2, from the key page's "User-defined"
    MacroName,    // TForm3, new or renamed PC macro, renamed fire macro
    KeyStep,      // TForm4, a key-down or key-up macro step
    Delay,        // TForm5, a pause step
    Movement,     // TForm6, a pointer-move step
    RepeatCount,  // TForm7, a repeat-start step
};

class KeyDialogHost {
public:
    virtual ~KeyDialogHost() = default;

    // Shown as the dialog opens and hidden as it ends, by Confirm, the close
    // cross or the window system. The key page covers itself; the macro pages
    // show Disable_All_4_1 and disable the PC macro, device macro and step
    // lists, and enable them again when it is hidden.
    virtual void setDialogOverlay(DialogKind kind, bool shown) = 0;

    // The field's text (empty after Clear: the button then reads "Key Off")
    // and the function code text, eight hex digits.
    virtual void applyCombination(const QString& /*caption*/, const QString& /*codeText*/) {}
    // The name as typed; the window refuses empty and duplicate names.
    virtual void applyMacroName(const QString& /*name*/) {}
    // The key's name and the step text ("C CODE:8206"); both empty when no
    // key was typed.
    virtual void applyKeyEdit(const QString& /*keyName*/, const QString& /*stepText*/) {}
    virtual void applyDelayEdit(const QString& /*delay*/) {}
    virtual void applyXYEdit(const QString& /*x*/, const QString& /*y*/) {}
    virtual void applyRepeatEdit(const QString& /*count*/) {}
};

}  // namespace keys
