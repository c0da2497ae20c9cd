#pragma once
// The frame the six key and value dialogs share: a borderless window kept on
// top, sized to the "Msg" picture and shaped by it, centred over the window
// that opened it; picture buttons Confirm, Clear (or Cancel) and the close
// cross; texts and font of the active language, positions, sizes and colours
// from the layout table. Confirm hands the result to the host and ends the
// dialog, Clear empties the fields and keeps it open, the close cross ends it
// without a result. Opening covers the host's page, ending uncovers it.
//
// Dialogs are made per use and end with Confirm or the close cross:
//   auto* dialog = new keys::TForm2(keys::DialogSkinOf(skin), host, window);
//   dialog->setAttribute(Qt::WA_DeleteOnClose);
//   dialog->open();
// A dialog deleted while it is open leaves the overlay to its caller.

#include <QDialog>

#include "common/keys/dialogs/DialogSkin.h"
#include "common/keys/dialogs/KeyDialogHost.h"
#include "common/shell/LayoutValues.h"

class QLabel;
class QLineEdit;

namespace shell {
class SkinLabel;
class SkinPicture;
}  // namespace shell

namespace keys {

class KeyDialogFrame : public QDialog {
    Q_OBJECT
public:
    // The form colour; what of it the picture leaves uncovered is see-through.
    static constexpr QRgb kTransparentColour = 0xFF800000;

    // The layout keys of one dialog family.
    struct Family {
        const char* fontSize;     // "Size_J"
        const char* textColour;   // "Color_K": title, captions, buttons
        const char* fieldColour;  // "Color_K_AK": the fields' text
        const char* confirm;      // "AK_Cfm": button positions (_X, _Y)
        const char* clear;
        const char* close;
    };

    DialogKind kind() const { return kind_; }
    // Puts the dialog in the middle of the window that opened it (of the
    // screen without one). Done when it is shown.
    void centreOverOwner();

    // IB_Confirm: the result goes to the host's apply step, then the dialog ends.
    void confirm();
    // IB_Cancel: empties the fields and focuses the first; the dialog stays.
    void clear();
    // IB_Close (and the window system's close): ends without a result.
    void reject() override;
    void done(int result) override;

protected:
    KeyDialogFrame(const DialogSkin& skin, KeyDialogHost& host, DialogKind kind,
                   const Family& family, int confirmTextId, int clearTextId, QWidget* owner);

    // Calls the host's apply step with the dialog's result.
    virtual void handResultBack() = 0;
    virtual void clearFields() = 0;
    // The field that holds the focus when the dialog opens.
    virtual QLineEdit* focusField() const = 0;

    KeyDialogHost& host() const { return host_; }
    const shell::ResourceStore& store() const { return store_; }
    // StrNNN of the active language.
    QString text(int id) const;
    // prefix_X, prefix_Y of the layout table.
    QPoint position(const char* prefix) const;
    shell::ColourRef textColour() const { return textColour_; }

    // A caption in the text colour at prefix_X, prefix_Y; a title is set in bold.
    QLabel* addCaption(const QString& objectName, const QString& caption, const char* prefix,
                       bool title = false);
    // A field at prefix_X, prefix_Y, prefix_W wide, centred, in the field colour.
    void placeField(QLineEdit* field, const QString& objectName, const char* prefix);

    void showEvent(QShowEvent* event) override;

private:
    void addButton(const QString& name, const char* prefix, const QString& kind,
                   const QString& caption);

    KeyDialogHost& host_;
    const shell::ResourceStore& store_;
    const shell::LanguageTables& languages_;
    shell::StartupProblems ownProblems_;
    shell::TableKeys keys_;
    DialogKind kind_;
    shell::ColourRef textColour_ = 0xFFFFFF;
    shell::ColourRef fieldColour_ = 0xFFFFFF;
    bool overlayShown_ = false;
    bool opened_ = false;
    bool ended_ = false;
};

}  // namespace keys
