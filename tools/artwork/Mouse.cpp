// The key page picture: a twelve-button mouse seen from above, with numbered
// call-outs that match numbered badges beside the button labels.
#include <QTransform>
#include <QtMath>

#include "tools/artwork/Art.h"

namespace artwork {
namespace {

// Where each button label's button sits on the drawing (picture coordinates)
// and on which side its call-out badge goes. Index = control number - 1.
struct Button {
    QPointF target;
    bool right;
};
constexpr qreal kShift = 22;
// Where each button of the configuration image sits on the drawing, by its
// number (the KeyN control); the default image gives them these functions.
const Button kButtons[12] = {
    {{420, 78}, false},   // 1 left button
    {{366, 228}, false},  // 2 rear thumb button (backward)
    {{484, 127}, true},   // 3 upper button behind the wheel (DPI up)
    {{548, 78}, true},    // 4 right button
    {{371, 183}, false},  // 5 front thumb button (forward)
    {{484, 186}, true},   // 6 top button (the DPI button)
    {{484, 92}, true},    // 7 wheel (middle)
    {{584, 206}, true},   // 8 right flank
    {{484, 143}, true},   // 9 lower button behind the wheel (DPI down)
    {{385, 128}, false},  // 10 front flank (LED switch)
    {{410, 58}, false},   // 11 left edge, front
    {{405, 90}, false},   // 12 left edge, rear
};

QPainterPath bodyPath() {
    QPainterPath m;
    m.moveTo(484, 24);
    m.cubicTo(436, 24, 398, 52, 390, 112);
    m.cubicTo(386, 146, 354, 172, 356, 226);
    m.cubicTo(358, 300, 404, 360, 484, 360);
    m.cubicTo(556, 360, 594, 306, 594, 236);
    m.cubicTo(594, 160, 586, 70, 556, 42);
    m.cubicTo(540, 28, 512, 24, 484, 24);
    m.closeSubpath();
    return m;
}

// Split between the two main buttons and the palm.
QPainterPath frontPath() {
    QPainterPath curve;
    curve.moveTo(300, 160);
    curve.cubicTo(380, 150, 420, 172, 484, 172);
    curve.cubicTo(548, 172, 590, 150, 620, 156);
    curve.lineTo(620, 0);
    curve.lineTo(300, 0);
    curve.closeSubpath();
    return curve;
}

void pill(QPainter& p, QPointF c, QSizeF s, qreal angle, const QColor& fill, const QColor& rim) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(rim, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(-s.width() / 2, -s.height() / 2, s.width(), s.height()), s.width() / 2,
                      s.width() / 2);
    p.restore();
}

void drawMouse(QPainter& p) {
    const QPainterPath body = bodyPath();
    // Floor glow and rings behind the mouse.
    QRadialGradient glow(QPointF(484, 200), 230);
    glow.setColorAt(0, QColor(249, 100, 1, 34));
    glow.setColorAt(0.55, QColor(249, 100, 1, 8));
    glow.setColorAt(1, QColor(249, 100, 1, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(484, 200), 230, 190);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 10 - i * 3), 1));
        p.drawEllipse(QPointF(484, 200), 150 + i * 40, 170 + i * 16);
    }

    // Cable.
    p.setPen(QPen(QColor(50, 51, 55), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable;
    cable.moveTo(484, 26);
    cable.cubicTo(484, 10, 492, 4, 510, 0);
    p.drawPath(cable);

    // Shell with a top light and a darker rear.
    for (int i = 8; i > 0; --i) p.fillPath(body.translated(0, i * 0.8), QColor(0, 0, 0, 14));
    QLinearGradient shell(380, 0, 600, 0);
    shell.setColorAt(0, QColor(38, 39, 43));
    shell.setColorAt(0.45, QColor(58, 59, 64));
    shell.setColorAt(1, QColor(32, 33, 36));
    p.fillPath(body, shell);

    // Main buttons: lighter plates in front of the split curve.
    const QPainterPath front = body.intersected(frontPath());
    QLinearGradient plate(0, 24, 0, 172);
    plate.setColorAt(0, QColor(72, 73, 79));
    plate.setColorAt(1, QColor(52, 53, 58));
    p.fillPath(front, plate);
    p.setPen(QPen(QColor(16, 17, 19), 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath split;
    split.moveTo(340, 158);
    split.cubicTo(380, 152, 420, 172, 484, 172);
    split.cubicTo(548, 172, 588, 152, 620, 156);
    p.save();
    p.setClipPath(body);
    p.drawPath(split);
    p.drawLine(QPointF(484, 24), QPointF(484, 172));
    p.restore();

    // Palm emblem and side light strips.
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawPolygon(QPolygonF({QPointF(462, 262), QPointF(484, 250), QPointF(506, 262),
                             QPointF(506, 276), QPointF(484, 264), QPointF(462, 276)}));
    p.setBrush(QColor(249, 100, 1, 110));
    p.drawPolygon(QPolygonF({QPointF(470, 288), QPointF(484, 280), QPointF(498, 288),
                             QPointF(498, 296), QPointF(484, 288), QPointF(470, 296)}));
    p.save();
    p.setClipPath(body);
    QPainterPath strip;
    strip.moveTo(372, 270);
    strip.cubicTo(388, 330, 430, 350, 484, 352);
    strip.cubicTo(538, 350, 578, 326, 588, 262);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(249, 100, 1, 60), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.setPen(QPen(theme::kAccentHi, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.restore();
    p.strokePath(body, QPen(QColor(90, 92, 98), 1.2));

    const QColor btn(66, 67, 73), rim(18, 18, 20);
    // Wheel with ridges.
    p.setPen(QPen(rim, 1.5));
    QLinearGradient wheel(0, 62, 0, 120);
    wheel.setColorAt(0, QColor(40, 40, 44));
    wheel.setColorAt(0.5, QColor(96, 97, 104));
    wheel.setColorAt(1, QColor(40, 40, 44));
    p.setBrush(wheel);
    p.drawRoundedRect(QRectF(474, 62, 20, 58), 9, 9);
    p.setPen(QPen(QColor(20, 20, 22, 160), 1));
    for (qreal y = 68; y < 116; y += 5) p.drawLine(QPointF(477, y), QPointF(491, y));
    p.setPen(QPen(theme::kAccent, 1.5));
    p.drawLine(QPointF(474.5, 78), QPointF(474.5, 104));
    p.drawLine(QPointF(493.5, 78), QPointF(493.5, 104));

    // Buttons behind the wheel, top button, flank and thumb buttons.
    p.setPen(QPen(rim, 1.2));
    p.setBrush(btn);
    p.drawRoundedRect(QRectF(475, 122, 18, 10), 3, 3);
    p.drawRoundedRect(QRectF(475, 138, 18, 10), 3, 3);
    p.drawEllipse(QPointF(484, 186), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawEllipse(QPointF(484, 186), 2.5, 2.5);
    pill(p, {371, 183}, {11, 36}, 14, btn, rim);
    pill(p, {366, 228}, {11, 36}, 2, btn, rim);
    pill(p, {386, 128}, {8, 22}, 20, btn, rim);
    pill(p, {585, 206}, {8, 30}, 0, btn, rim);
    pill(p, {412, 60}, {8, 18}, -30, btn, rim);
    pill(p, {404, 90}, {8, 18}, -14, btn, rim);
}

void badge(QPainter& p, QPointF c, int number, bool lit) {
    p.save();
    p.setPen(QPen(lit ? theme::kAccent : theme::kLine, 1.4));
    p.setBrush(lit ? QColor(249, 100, 1, 40) : QColor(28, 29, 32));
    p.drawEllipse(c, 10.5, 10.5);
    p.restore();
    drawText(p, QRectF(c.x() - 12, c.y() - 11, 24, 22), QString::number(number), uiFont(11, true),
             theme::kText, Qt::AlignCenter);
}

}  // namespace

QImage keyPagePicture() {
    const LayoutTable& t = layout().page;
    const QPointF origin(t.x("P1"), t.y("P1"));
    QImage img = canvas(680, 380);
    QPainter p;
    beginPainter(p, img);
    // The drawing is made around x = 484; shift it to balance the label column.
    p.translate(kShift, 0);
    drawMouse(p);

    // The table's KeyN entries list the controls in on-screen order.
    static const int kControlOfEntry[12] = {1, 4, 7, 2, 5, 8, 3, 6, 9, 10, 11, 12};
    struct Callout {
        int number;
        QPointF row;
        Button button;
    };
    std::vector<Callout> shown;
    for (int e = 1; e <= 12; ++e) {
        const QString k = QStringLiteral("Key%1").arg(e);
        if (t.value(k + "_Enable") != 1) continue;
        const QPointF row = QPointF(t.x(k), t.y(k)) - origin;
        shown.push_back(
            {static_cast<int>(shown.size()) + 1, row, kButtons[kControlOfEntry[e - 1] - 1]});
    }
    // Badges beside the labels.
    for (const Callout& c : shown) badge(p, c.row + QPointF(-22 - kShift, 13.5), c.number, false);

    // Badges around the mouse, stacked per side in the order of their targets
    // so that no two leader lines cross.
    for (bool right : {false, true}) {
        std::vector<const Callout*> side;
        for (const Callout& c : shown)
            if (c.button.right == right) side.push_back(&c);
        std::sort(side.begin(), side.end(), [](const Callout* a, const Callout* b) {
            return a->button.target.y() < b->button.target.y();
        });
        const qreal x = right ? 640 : 326;
        const qreal top = 44, step = side.size() > 1 ? (300.0 - top) / (side.size() - 1) : 0;
        for (size_t i = 0; i < side.size(); ++i) {
            const QPointF b(x, top + i * step);
            const QPointF target = side[i]->button.target;
            const QPointF elbow(right ? 612 : 344, b.y());
            p.setPen(QPen(QColor(249, 100, 1, 150), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({b + QPointF(right ? -11 : 11, 0), elbow, target}));
            p.setPen(Qt::NoPen);
            p.setBrush(theme::kAccentHi);
            p.drawEllipse(target, 2.6, 2.6);
            badge(p, b, side[i]->number, true);
        }
    }
    p.end();
    return img;
}

}  // namespace artwork
