#include "common/keys/dialogs/PictureCheckBox.h"

#include <QPainter>

namespace keys {
namespace {
constexpr int kGap = 6;  // between the picture and the caption
}

PictureCheckBox::PictureCheckBox(const shell::ResourceStore& store, const QString& text,
                                 QWidget* parent)
    : QCheckBox(text, parent), store_(store) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
}

QString PictureCheckBox::pictureName() const {
    return isChecked() ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D");
}

QSize PictureCheckBox::sizeHint() const {
    const QPixmap picture = store_.image(pictureName());
    const QFontMetrics metrics(font());
    return QSize(picture.width() + kGap + metrics.horizontalAdvance(text()) + 2,
                 qMax(picture.height(), metrics.height()));
}

void PictureCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture = store_.image(pictureName());
    painter.drawPixmap(0, (height() - picture.height()) / 2, picture);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QRect textRect(picture.width() + kGap, 0, width() - picture.width() - kGap, height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
}

bool PictureCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace keys
