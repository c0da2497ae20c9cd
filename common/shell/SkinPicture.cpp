#include "common/shell/SkinPicture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "common/shell/ResourceStore.h"

namespace shell {

SkinPicture::SkinPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void SkinPicture::setPicture(const QString& name, const QPixmap& picture) {
    name_ = name;
    picture_ = picture;
    if (!picture_.isNull()) resize(picture_.size());
    update();
}

void SkinPicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void SkinPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed();
    QWidget::mousePressEvent(event);
}

void SkinPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void SkinPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

void ShowPicture(QWidget* control, const QString& name, const ResourceStore& store) {
    if (control == nullptr) return;
    const QPixmap picture = store.image(name);
    if (auto* skin = qobject_cast<SkinPicture*>(control)) {
        skin->setPicture(name, picture);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setPixmap(picture);
        label->setProperty("pictureName", name);
        if (!picture.isNull()) label->resize(picture.size());
    }
}

QString PictureNameOf(const QWidget* control) {
    if (control == nullptr) return {};
    if (auto* skin = qobject_cast<const SkinPicture*>(control)) return skin->pictureName();
    return control->property("pictureName").toString();
}

}  // namespace shell
