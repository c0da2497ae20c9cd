#pragma once
// State pictures of the skinned buttons: normal, mouse over and pressed or
// selected, by button kind. Each handler finds its picture from the name of
// the label that got the event ("Btn_Confirm1_3" -> "Img_Confirm1_3"); kinds
// that show the same state on every page change all five copies.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "common/shell/Controls.h"
#include "common/shell/LayoutValues.h"
#include "common/shell/ResourceStore.h"
#include "common/shell/ShellView.h"
#include "common/shell/TextRolling.h"

namespace shell {

enum class ButtonKind {
    A,           // restore buttons and the framed close button
    B,           // page strip, save and load
    C,           // key labels of the key page
    D,           // language buttons
    E,           // load and program buttons of the update page
    F,           // save-macro button
    G,           // OK and cancel of the macro insert boxes
    H,           // text entries of the macro list menus
    I,           // close icon
    J,           // minimise icon
    Web,         // web strip
    MacroStart,  // new, record and insert-start buttons
    FireButton,  // fire page confirm and cancel
    FirePreset,  // fire presets 1..7
};

std::optional<ButtonKind> ButtonKindOf(const QString& labelName);

// The page-strip element of a page mark ("Main" for 1 .. "Engineer" for 8).
QString PageStripBase(int pageMark);

// Puts one picture on all copies of a page-strip picture ("Main" -> Img_Main_n).
void ShowOnCopies(Controls& controls, const ResourceStore& store, const QString& base,
                  const QString& picture);

// The normal picture on every page button (Main .. Engineer), as before a
// page is selected.
void ShowNavigationNormal(Controls& controls, const ResourceStore& store);

class StateImages : public QObject {
    Q_OBJECT
public:
    StateImages(Controls& controls, const ResourceStore& store, const ShellView& view,
                TextRolling& rolling, const LayoutValues& layout,
                std::function<int()> languageNumber, QObject* parent = nullptr);

    // Connects every SkinLabel of the window that has a kind to the handlers;
    // labels attached before are left as they are.
    void attach();

    void enter(QWidget* label);
    void leave(QWidget* label);
    void click(QWidget* label);

    // The selected picture on the current page's and the active language's
    // strip buttons.
    void showCurrentPageSelected();
    void showActiveLanguageSelected();

private:
    QString pictureOf(const QString& labelName) const;
    void show(const QString& picture, const QString& name);
    void showCopies(const QString& labelName, const QString& name);
    bool frozen(ButtonKind kind) const;

    Controls& c_;
    const ResourceStore& store_;
    const ShellView& view_;
    TextRolling& rolling_;
    const LayoutValues& layout_;
    std::function<int()> language_;
};

}  // namespace shell
