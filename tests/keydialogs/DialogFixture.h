#pragma once
// The shipped resources read as the window reads them, a host that records
// what the dialogs ask of it, and an owner window of the main window's size.

#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

#include "common/keys/dialogs/DialogSkin.h"
#include "common/keys/dialogs/KeyDialogHost.h"
#include "common/shell/LanguageTable.h"
#include "common/shell/ResourceStore.h"
#include "common/shell/SettingsTable.h"
#include "common/shell/StartupProblems.h"

namespace dialogtest {

struct RecordingHost : keys::KeyDialogHost {
    QStringList calls;
    std::optional<keys::DialogKind> overlayKind;

    void setDialogOverlay(keys::DialogKind kind, bool shown) override {
        overlayKind = kind;
        calls << (shown ? "overlay on" : "overlay off");
    }
    void applyCombination(const QString& caption, const QString& code) override {
        calls << QStringLiteral("combination '%1' %2").arg(caption, code);
    }
    void applyMacroName(const QString& name) override {
        calls << QStringLiteral("name '%1'").arg(name);
    }
    void applyKeyEdit(const QString& name, const QString& step) override {
        calls << QStringLiteral("key '%1' '%2'").arg(name, step);
    }
    void applyDelayEdit(const QString& delay) override { calls << "delay " + delay; }
    void applyXYEdit(const QString& x, const QString& y) override {
        calls << QStringLiteral("xy %1 %2").arg(x, y);
    }
    void applyRepeatEdit(const QString& count) override { calls << "repeat " + count; }
};

class DialogFixture {
public:
    explicit DialogFixture(int language = 1);

    keys::DialogSkin skin() const {
        return keys::DialogSkin{store, layout, languages, language, &problems};
    }
    // Takes a dialog made with skin(), host and owner, shows it and returns it.
    template <class Dialog>
    Dialog* show(Dialog* made) {
        dialog.reset(made);
        made->show();
        return made;
    }
    QWidget* find(const QString& name) const;
    QLineEdit* field(const QString& name) const { return qobject_cast<QLineEdit*>(find(name)); }
    void click(const QString& name) const;

    int language;
    shell::ResourceStore store{QStringLiteral(":/res")};
    mutable shell::StartupProblems problems;
    shell::SettingsTable layout;
    shell::LanguageTables languages;
    RecordingHost host;
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<QWidget> dialog;
};

// A key click without a character, which Qt Test cannot make up for keys
// such as the Windows or launch keys. Held modifiers are pressed first.
void PressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier);

// Drops the offscreen platform's notes that it cannot shape windows.
void QuietPlatformNotes();

}  // namespace dialogtest
