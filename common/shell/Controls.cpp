#include "common/shell/Controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace shell {

Controls::Controls(QWidget* root) : root_(root) {}

void Controls::refresh() {
    byName_.clear();
    if (root_ == nullptr) return;
    if (!root_->objectName().isEmpty()) byName_.insert(root_->objectName(), root_);
    for (QWidget* w : root_->findChildren<QWidget*>()) {
        // The first of two equal names wins, as a depth-first search would find it.
        if (!w->objectName().isEmpty() && !byName_.contains(w->objectName())) {
            byName_.insert(w->objectName(), w);
        }
    }
    indexed_ = true;
}

QWidget* Controls::find(const QString& name) const {
    if (!indexed_) const_cast<Controls*>(this)->refresh();
    auto it = byName_.constFind(name);
    if (it == byName_.constEnd()) return nullptr;
    if (it->isNull()) {
        byName_.erase(it);
        return nullptr;
    }
    return it->data();
}

QList<QWidget*> Controls::copies(const QString& base) const {
    QList<QWidget*> found;
    for (int n = 1; n <= kPageCopies; ++n) {
        if (QWidget* w = find(base + QLatin1Char('_') + QString::number(n))) found.append(w);
    }
    if (found.isEmpty()) {
        if (QWidget* w = find(base)) found.append(w);
    }
    return found;
}

void SetCaption(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    }
}

QString CaptionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
    return {};
}

}  // namespace shell
