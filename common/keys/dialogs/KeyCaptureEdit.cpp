#include "common/keys/dialogs/KeyCaptureEdit.h"

#include <QKeyEvent>

namespace keys {

KeyCaptureEdit::KeyCaptureEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
}

bool KeyCaptureEdit::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Claim Ctrl+C and the like before any shortcut sees them.
            event->accept();
            return true;
        case QEvent::KeyPress:
            // Before QWidget::event, which would use Tab to move the focus.
            emit keyPressed(*static_cast<QKeyEvent*>(event));
            event->accept();
            return true;
        case QEvent::KeyRelease:
            event->accept();
            return true;
        default:
            return QLineEdit::event(event);
    }
}

}  // namespace keys
