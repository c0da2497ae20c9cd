#pragma once
// The modal message dialog every message of the program goes through, and
// the password box of the hidden gestures.

#include <QString>
#include <optional>

class QWidget;

namespace shell {

// No icon, the application title as caption, one OK button, the active
// language's font. Returns when the user has closed it.
void RefreshFormMessagDialog(QWidget* parent, const QString& title, const QString& text,
                             const QString& fontFamily);

// The password box: "Password", "PASSWORD:", characters shown as "*", "OK"
// and "Cancel". Nothing when cancelled.
std::optional<QString> dlgPass(QWidget* parent);

}  // namespace shell
