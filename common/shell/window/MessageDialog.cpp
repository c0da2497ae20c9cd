#include "common/shell/window/MessageDialog.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace shell {

void RefreshFormMessagDialog(QWidget* parent, const QString& title, const QString& text,
                             const QString& fontFamily) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("RefreshFormMessagDialog"));
    if (!fontFamily.isEmpty()) {
        QFont font = box.font();
        font.setFamily(fontFamily);
        box.setFont(font);
    }
    box.exec();
}

std::optional<QString> dlgPass(QWidget* parent) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgPass"));
    dialog.setWindowTitle(QStringLiteral("Password"));
    dialog.setLabelText(QStringLiteral("PASSWORD:"));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace shell
