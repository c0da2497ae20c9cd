#include "common/shell/window/BusyWindow.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace shell {

namespace {
constexpr int kFrames = 24;
constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 192;
}  // namespace

TFormLoadingUI::TFormLoadingUI(QWidget* main)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      main_(main) {
    setObjectName(QStringLiteral("TFormLoadingUI"));
    // Black is the see-through colour of this window: the ring floats alone.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kWidth, kHeight);
    if (main_ != nullptr) move(CentreOver(main_->frameGeometry(), size(), 40));
    animation_.setInterval(50);
    connect(&animation_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrames;
        update();
    });
    animation_.start();
}

QPoint TFormLoadingUI::CentreOver(const QRect& outer, QSize inner, int extraTop) {
    return {outer.left() + (outer.width() - inner.width()) / 2,
            outer.top() + (outer.height() - inner.height()) / 2 + extraTop};
}

void TFormLoadingUI::showCentred() {
    if (main_ != nullptr) move(CentreOver(main_->frameGeometry(), size()));
    show();
    raise();
}

void TFormLoadingUI::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF picture((width() - kPictureWidth) / 2.0, (height() - kPictureHeight) / 2.0,
                         kPictureWidth, kPictureHeight);
    const QPointF centre = picture.center();
    // A ring of twelve dots, the brightest one walking round.
    const int dots = 12;
    const double radius = 58;
    for (int i = 0; i < dots; ++i) {
        const double angle = 2 * M_PI * i / dots - M_PI / 2;
        const int age = ((frame_ / 2) - i + dots) % dots;
        const int alpha = std::max(40, 255 - age * 20);
        QColor colour(249, 100, 1, alpha);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const double r = age == 0 ? 11 : 8;
        p.drawEllipse(
            QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle)),
            r, r);
    }
    QPen pen(QColor(225, 225, 225, 160), 3);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double sweep = 90 + 60 * std::sin(frame_ * 2 * M_PI / kFrames);
    p.drawArc(QRectF(centre.x() - 30, centre.y() - 30, 60, 60), -frame_ * 16 * 15,
              static_cast<int>(sweep * 16));
}

}  // namespace shell
