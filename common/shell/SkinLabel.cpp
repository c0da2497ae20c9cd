#include "common/shell/SkinLabel.h"

#include <QMouseEvent>

namespace shell {

SkinLabel::SkinLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SkinLabel::enterEvent(QEnterEvent* event) {
    emit entered();
    QLabel::enterEvent(event);
}

void SkinLabel::leaveEvent(QEvent* event) {
    emit left();
    QLabel::leaveEvent(event);
}

void SkinLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
    QLabel::mousePressEvent(event);
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        if (event->button() == Qt::LeftButton) emit clicked();
        if (event->button() == Qt::RightButton) emit rightClicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void SkinLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void PlaceOver(QWidget* label, const QWidget* picture, int insetLeft, int insetRight) {
    if (label == nullptr || picture == nullptr) return;
    label->setGeometry(picture->x() + insetLeft, picture->y(),
                       picture->width() - insetLeft - insetRight, picture->height());
}

}  // namespace shell
