// Buttons, boxes, knobs and frames: the small pictures that carry the state of
// a control. Captions are never drawn here; the labels over them carry them.
#include "tools/artwork/Art.h"

namespace artwork {
namespace {

enum class Look { Normal, Hover, Active };

// Filled, cut-corner button used for navigation, restore and dialog buttons.
QImage solidButton(int w, int h, Look look, qreal cut) {
    QImage img = canvas(w, h);
    QPainter p;
    beginPainter(p, img);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const QPainterPath shape = chamfered(r, cut, 0, cut, 0);
    QLinearGradient g(0, 0, 0, h);
    switch (look) {
        case Look::Normal:
            g.setColorAt(0, QColor(44, 45, 49));
            g.setColorAt(1, QColor(32, 33, 36));
            p.fillPath(shape, g);
            p.strokePath(shape, QPen(theme::kLine, 1));
            break;
        case Look::Hover:
            g.setColorAt(0, QColor(60, 58, 56));
            g.setColorAt(1, QColor(42, 40, 39));
            p.fillPath(shape, g);
            p.strokePath(shape, QPen(theme::kAccent, 1));
            break;
        case Look::Active:
            g.setColorAt(0, theme::kAccentHi);
            g.setColorAt(1, theme::kAccent.darker(118));
            p.fillPath(shape, g);
            p.strokePath(shape, QPen(theme::kAccentLo, 1));
            break;
    }
    // Top sheen line gives the flat shape a little depth.
    p.setPen(QPen(QColor(255, 255, 255, look == Look::Active ? 70 : 22), 1));
    p.drawLine(QPointF(cut + 1, 1.5), QPointF(w - 2, 1.5));
    p.end();
    return img;
}

// Outlined button of the macro tools, so they read apart from page buttons.
QImage outlineButton(int w, int h, Look look) {
    QImage img = canvas(w, h);
    QPainter p;
    beginPainter(p, img);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const QPainterPath shape = chamfered(r, 0, 5, 0, 5);
    QColor fill = look == Look::Normal  ? QColor(30, 30, 32)
                  : look == Look::Hover ? QColor(46, 40, 36)
                                        : theme::kAccent.darker(135);
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(look == Look::Normal ? theme::kAccentLo : theme::kAccent, 1));
    if (look != Look::Active) {
        p.setPen(Qt::NoPen);
        p.setBrush(look == Look::Hover ? theme::kAccent : theme::kAccentLo);
        p.drawRect(QRectF(1, h - 3, w - 2, 2));
    }
    p.end();
    return img;
}

// The button labels of the key page: a slot with a lit notch on the left.
QImage keySlot(int w, int h, Look look) {
    QImage img = canvas(w, h);
    QPainter p;
    beginPainter(p, img);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const QPainterPath shape = chamfered(r, 0, 7, 0, 0);
    QLinearGradient g(0, 0, w, 0);
    if (look == Look::Normal) {
        g.setColorAt(0, QColor(40, 41, 45));
        g.setColorAt(1, QColor(29, 30, 33));
    } else {
        g.setColorAt(0, QColor(74, 46, 26));
        g.setColorAt(1, QColor(38, 34, 32));
    }
    p.fillPath(shape, g);
    p.strokePath(shape, QPen(look == Look::Normal ? theme::kLine : theme::kAccent, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(look == Look::Normal ? theme::kAccentLo : theme::kAccentHi);
    p.drawRect(QRectF(1, 4, 3, h - 8));
    p.end();
    return img;
}

QImage windowIcon(int size, Look look, bool close) {
    QImage img = canvas(size, size);
    QPainter p;
    beginPainter(p, img);
    const QRectF r(0.5, 0.5, size - 1, size - 1);
    if (look != Look::Normal) {
        p.setPen(Qt::NoPen);
        p.setBrush(look == Look::Hover ? (close ? theme::kAccent : QColor(70, 71, 76))
                                       : (close ? theme::kAccentLo : QColor(50, 51, 55)));
        p.drawRoundedRect(r, 3, 3);
    }
    const QColor ink = look == Look::Normal ? theme::kTextDim : QColor(255, 255, 255);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    const qreal m = size * 0.3;
    if (close) {
        p.drawLine(QPointF(m, m), QPointF(size - m, size - m));
        p.drawLine(QPointF(size - m, m), QPointF(m, size - m));
    } else {
        p.drawLine(QPointF(m, size * 0.62), QPointF(size - m, size * 0.62));
    }
    p.end();
    return img;
}

void globe(QPainter& p, QPointF c, qreal r, const QColor& ink) {
    p.save();
    p.setPen(QPen(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x() - r * 0.86, c.y() - r * 0.5),
               QPointF(c.x() + r * 0.86, c.y() - r * 0.5));
    p.drawLine(QPointF(c.x() - r * 0.86, c.y() + r * 0.5),
               QPointF(c.x() + r * 0.86, c.y() + r * 0.5));
    p.restore();
}

// Web strip: blank when idle (the background shows the link), lit when hovered,
// filled when pressed.
QImage webStrip(int w, int h, int state) {
    QImage img = canvas(w, h);
    if (state == 1) return img;
    QPainter p;
    beginPainter(p, img);
    const QRectF pill(webLinkArea().translated(-webStripOrigin()));
    if (state == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(249, 100, 1, 60));
        p.drawRoundedRect(pill.adjusted(-6, -4, 6, 4), 4, 4);
    }
    globe(p, QPointF(pill.left() + 12, pill.center().y()), 10, theme::kAccentHi);
    drawText(p, pill.adjusted(30, 0, 0, 0), webLinkText(), uiFont(13, true, 1.0), theme::kAccentHi);
    p.setPen(QPen(theme::kAccent, 2));
    p.drawLine(QPointF(pill.left() + 30, pill.bottom() + 1),
               QPointF(pill.left() + 30 + textWidth(webLinkText(), uiFont(13, true, 1.0)),
                       pill.bottom() + 1));
    p.end();
    return img;
}

QImage checkBox(bool on) {
    QImage img = canvas(16, 16);
    QPainter p;
    beginPainter(p, img);
    const QRectF r(1.5, 1.5, 13, 13);
    p.setPen(QPen(on ? theme::kAccent : QColor(110, 112, 118), 1));
    p.setBrush(on ? theme::kAccent : QColor(24, 24, 26));
    p.drawRoundedRect(r, 2.5, 2.5);
    if (on) {
        p.setPen(QPen(QColor(255, 255, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8.2), QPointF(7, 10.8), QPointF(11.6, 5.2)}));
    }
    p.end();
    return img;
}

QImage radio(bool on) {
    QImage img = canvas(15, 15);
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(on ? theme::kAccent : QColor(110, 112, 118), 1.2));
    p.setBrush(QColor(24, 24, 26));
    p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kAccent);
        p.drawEllipse(QRectF(4.5, 4.5, 6, 6));
    }
    p.end();
    return img;
}

// Knob of a value bar: a lit segment over the slot the page picture draws.
QImage knob(int w, int h) {
    QImage img = canvas(w, h);
    QPainter p;
    beginPainter(p, img);
    const qreal sw = w - 4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(249, 100, 1, 55));
    p.drawRoundedRect(QRectF((w - sw) / 2 - 1, 3, sw + 2, h - 6), 3, 3);
    QLinearGradient g(0, 5, 0, h - 5);
    g.setColorAt(0, theme::kAccentHi);
    g.setColorAt(1, theme::kAccent);
    p.setBrush(g);
    p.drawRoundedRect(QRectF((w - sw) / 2, 5, sw, h - 10), 2, 2);
    p.end();
    return img;
}

QImage colourFrame() {
    QImage img = canvas(32, 40);
    QPainter p;
    beginPainter(p, img);
    // Square outside so the colour shape under the frame never shows at the corners.
    QPainterPath outer;
    outer.addRect(QRectF(0, 0, 32, 40));
    QPainterPath inner;
    inner.addRoundedRect(QRectF(4, 4, 24, 32), 3, 3);
    p.fillPath(outer.subtracted(inner), QColor(22, 22, 24));
    p.setPen(QPen(theme::kLine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 31, 39));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRoundedRect(QRectF(3.5, 3.5, 25, 33), 3, 3);
    p.setPen(QPen(theme::kAccent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11, 38.5), QPointF(21, 38.5));
    p.end();
    return img;
}

}  // namespace

void addControlPictures(Pictures& out) {
    const Look looks[3] = {Look::Normal, Look::Hover, Look::Active};
    for (int i = 0; i < 3; ++i) {
        const QString n = QStringLiteral("_0%1").arg(i + 1);
        out.push_back({"SetS" + n, solidButton(100, 30, looks[i], 8)});
        out.push_back({"BtnS" + n, solidButton(110, 27, looks[i], 7)});
        out.push_back({"KeyS" + n, keySlot(170, 27, i == 0 ? Look::Normal : Look::Hover)});
        out.push_back({"ExitS" + n, windowIcon(18, looks[i], true)});
        out.push_back({"MiniS" + n, windowIcon(18, i == 0 ? Look::Normal : Look::Hover, false)});
        out.push_back({"MacroS" + n, outlineButton(110, 27, looks[i])});
        out.push_back({"MacroBtnS" + n, outlineButton(44, 27, looks[i])});
        out.push_back({"WebS" + n, webStrip(200, 66, i + 1)});
    }
    out.push_back({"CbS_D", checkBox(false)});
    out.push_back({"CbS_E", checkBox(true)});
    out.push_back({"RdS_D", radio(false)});
    out.push_back({"RdS_E", radio(true)});
    out.push_back({"Bar1_D", canvas(26, 18)});
    out.push_back({"Bar1_E", knob(26, 18)});
    out.push_back({"Bar2_D", canvas(20, 18)});
    out.push_back({"Bar2_E", knob(20, 18)});
    out.push_back({"Col_F", colourFrame()});
}

}  // namespace artwork
