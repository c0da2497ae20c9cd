// Gun preset buttons, stage pictures and the fire page. Model designations are
// the same in every language, so these pictures carry no words.
#include <QPainterPathStroker>

#include "tools/artwork/Art.h"

namespace artwork {
namespace {

struct Gun {
    const char* label;
    qreal barrel;  // barrel length past the hand guard
    int stock;     // 0 fixed, 1 skeleton, 2 folded
    bool curvedMag;
    bool optic;
    bool compact;
};
const Gun kGuns[7] = {
    {"AKM", 18, 0, true, false, false},    {"M16A4", 22, 0, false, true, false},
    {"M416", 14, 1, false, true, false},   {"UMP9", 6, 2, false, false, true},
    {"SCAR-L", 12, 1, false, true, false}, {"5.56", 16, 1, false, false, false},
    {"7.62", 20, 0, true, true, false},
};

// A side view built from a few blocks; every preset differs in its parts.
QPainterPath silhouette(const Gun& g) {
    QPainterPath s;
    const qreal y = 16;  // top of the receiver
    const qreal rx = g.compact ? 40 : 34, rw = g.compact ? 34 : 38;
    s.addRect(QRectF(rx, y, rw, 9));                            // receiver
    s.addRect(QRectF(rx + rw, y + 1, g.compact ? 12 : 18, 7));  // hand guard
    const qreal muzzle = rx + rw + (g.compact ? 12 : 18);
    s.addRect(QRectF(muzzle, y + 3, g.barrel, 3));          // barrel
    s.addRect(QRectF(muzzle + g.barrel - 2, y + 2, 4, 5));  // muzzle device
    QPainterPath grip;                                      // pistol grip, raked back
    grip.moveTo(rx + 8, y + 9);
    grip.lineTo(rx + 15, y + 9);
    grip.lineTo(rx + 11, y + 22);
    grip.lineTo(rx + 4, y + 21);
    grip.closeSubpath();
    s.addPath(grip);
    QPainterPath guard;  // trigger guard as a thin loop
    guard.moveTo(rx + 15, y + 9);
    guard.quadTo(rx + 17, y + 15, rx + 24, y + 13);
    guard.lineTo(rx + 24, y + 9);
    QPainterPathStroker stroker;
    stroker.setWidth(1.4);
    s.addPath(stroker.createStroke(guard));
    QPainterPath mag;  // magazine ahead of the guard
    const qreal mx = rx + 24;
    if (g.curvedMag) {
        mag.moveTo(mx, y + 9);
        mag.lineTo(mx + 7, y + 9);
        mag.quadTo(mx + 8, y + 18, mx + 14, y + 25);
        mag.lineTo(mx + 7, y + 28);
        mag.quadTo(mx + 1, y + 19, mx, y + 9);
    } else {
        const qreal len = g.compact ? 19 : 16;
        mag.moveTo(mx, y + 9);
        mag.lineTo(mx + 7, y + 9);
        mag.lineTo(mx + 9, y + 9 + len);
        mag.lineTo(mx + 2, y + 10 + len);
        mag.closeSubpath();
    }
    s.addPath(mag);
    QPainterPath stock;
    if (g.stock == 0) {
        stock.moveTo(rx, y + 1);
        stock.lineTo(rx - 24, y + 5);
        stock.lineTo(rx - 26, y + 15);
        stock.lineTo(rx - 20, y + 16);
        stock.lineTo(rx, y + 9);
        stock.closeSubpath();
    } else if (g.stock == 1) {
        stock.addRect(QRectF(rx - 14, y + 2, 14, 3));
        stock.addRect(QRectF(rx - 22, y + 1, 9, 13));
    } else {
        stock.addRect(QRectF(rx - 8, y + 1, 8, 3));
        stock.addRect(QRectF(rx - 10, y + 1, 3, 12));
    }
    s.addPath(stock);
    if (g.optic) {
        s.addRoundedRect(QRectF(rx + 8, y - 7, 20, 6), 2, 2);
        s.addRect(QRectF(rx + 14, y - 2, 3, 3));
    } else {
        s.addRect(QRectF(rx + rw + 10, y - 3, 2, 4));  // front sight
    }
    return s.simplified();
}

QImage gunButton(int index, bool selected) {
    const Gun& g = kGuns[index];
    QImage img = canvas(120, 56);
    QPainter p;
    beginPainter(p, img);
    const QPainterPath shape = chamfered(QRectF(0.5, 0.5, 119, 55), 10, 0, 10, 0);
    QLinearGradient bg(0, 0, 0, 56);
    bg.setColorAt(0, selected ? QColor(62, 42, 28) : QColor(40, 41, 45));
    bg.setColorAt(1, selected ? QColor(36, 29, 25) : QColor(28, 29, 32));
    p.fillPath(shape, bg);
    p.strokePath(shape, QPen(selected ? theme::kAccent : theme::kLine, selected ? 1.5 : 1));
    p.save();
    p.translate(6, 0);
    p.fillPath(silhouette(g), selected ? QColor(240, 240, 240) : QColor(150, 152, 158));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(selected ? theme::kAccent : theme::kLine);
    p.drawRect(QRectF(8, 41, 3, 10));
    drawText(p, QRectF(15, 38, 100, 16), QString::fromLatin1(g.label), uiFont(11, true, 0.6),
             selected ? theme::kText : theme::kTextDim);
    p.end();
    return img;
}

// Stage headers of the multi-stage presets: n-th of m.
QImage stagePicture(int stage, int stages) {
    QImage img = canvas(100, 24);
    QPainter p;
    beginPainter(p, img);
    p.setPen(QPen(theme::kLine, 1));
    p.setBrush(QColor(30, 30, 32));
    p.drawRoundedRect(QRectF(0.5, 0.5, 99, 23), 4, 4);
    const qreal w = 12, gap = 4, total = stages * w + (stages - 1) * gap;
    for (int i = 0; i < stages; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i + 1 == stage ? theme::kAccent : theme::kLine);
        p.drawRoundedRect(QRectF(14 + i * (w + gap), 9, w, 6), 2, 2);
    }
    drawText(p, QRectF(20 + total, 0, 100 - 26 - total, 24),
             QStringLiteral("%1/%2").arg(stage).arg(stages), uiFont(12, true), theme::kText,
             Qt::AlignRight | Qt::AlignVCenter);
    p.end();
    return img;
}

void rowIcon(QPainter& p, QPointF c, int kind) {
    p.save();
    p.setPen(QPen(theme::kTextDim, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (kind) {
        case 0:  // shots: three rounds
            for (int i = -1; i <= 1; ++i) {
                p.drawRoundedRect(QRectF(c.x() + i * 7 - 2.5, c.y() - 8, 5, 16), 2.5, 2.5);
            }
            break;
        case 1:  // horizontal move
        case 3:
            p.drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
            p.drawPolyline(QPolygonF({QPointF(c.x() - 6, c.y() - 4), QPointF(c.x() - 10, c.y()),
                                      QPointF(c.x() - 6, c.y() + 4)}));
            p.drawPolyline(QPolygonF({QPointF(c.x() + 6, c.y() - 4), QPointF(c.x() + 10, c.y()),
                                      QPointF(c.x() + 6, c.y() + 4)}));
            break;
        case 2:  // vertical move
        case 4:
            p.drawLine(QPointF(c.x(), c.y() - 10), QPointF(c.x(), c.y() + 10));
            p.drawPolyline(QPolygonF({QPointF(c.x() - 4, c.y() + 6), QPointF(c.x(), c.y() + 10),
                                      QPointF(c.x() + 4, c.y() + 6)}));
            p.drawPolyline(QPolygonF({QPointF(c.x() - 4, c.y() - 6), QPointF(c.x(), c.y() - 10),
                                      QPointF(c.x() + 4, c.y() - 6)}));
            break;
        case 5:  // time
            p.drawEllipse(c, 9, 9);
            p.drawLine(c, QPointF(c.x(), c.y() - 6));
            p.drawLine(c, QPointF(c.x() + 4, c.y() + 2));
            break;
        case 6:  // light colour
            p.setBrush(theme::kAccent);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(c.x() - 4, c.y() + 2), 5, 5);
            p.setBrush(QColor(70, 160, 230));
            p.drawEllipse(QPointF(c.x() + 4, c.y() + 2), 5, 5);
            p.setBrush(QColor(110, 210, 120));
            p.drawEllipse(QPointF(c.x(), c.y() - 5), 5, 5);
            break;
    }
    if (kind == 3 || kind == 4) {  // offsets: a plus-minus tag
        drawText(p, QRectF(c.x() + 6, c.y() - 14, 14, 12), QStringLiteral("\u00B1"),
                 uiFont(11, true), theme::kAccentHi, Qt::AlignCenter);
    }
    p.restore();
}

void crosshair(QPainter& p, QPointF c, qreal r) {
    p.save();
    p.setPen(QPen(theme::kAccent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawLine(QPointF(c.x() - r - 5, c.y()), QPointF(c.x() - r * 0.4, c.y()));
    p.drawLine(QPointF(c.x() + r * 0.4, c.y()), QPointF(c.x() + r + 5, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r - 5), QPointF(c.x(), c.y() - r * 0.4));
    p.drawLine(QPointF(c.x(), c.y() + r * 0.4), QPointF(c.x(), c.y() + r + 5));
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccentHi);
    p.drawEllipse(c, 2, 2);
    p.restore();
}

}  // namespace

QImage firePagePicture() {
    const LayoutTable& t = layout().page;
    QImage img = canvas(720, 650);
    QPainter p;
    beginPainter(p, img);
    p.translate(-t.x("P6"), -t.y("P6"));
    const QRectF sheet(t.x("P6") + 0.5, t.y("P6") + 0.5, 719, 649);
    const QPainterPath shape = chamfered(sheet, 22, 0, 22, 0);
    QLinearGradient g(0, sheet.top(), 0, sheet.bottom());
    g.setColorAt(0, QColor(30, 31, 34));
    g.setColorAt(1, QColor(18, 19, 21));
    p.fillPath(shape, g);
    p.strokePath(shape, QPen(theme::kLine, 1));
    p.setPen(QPen(theme::kAccent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(sheet.left(), sheet.top() + 22), QPointF(sheet.left() + 22, sheet.top()));
    p.drawLine(QPointF(sheet.left() + 22, sheet.top()), QPointF(sheet.left() + 160, sheet.top()));
    crosshair(p, QPointF(sheet.left() + 36, sheet.top() + 30), 11);
    p.setPen(QPen(theme::kLineSoft, 1));
    p.drawLine(QPointF(sheet.left() + 64, sheet.top() + 30.5),
               QPointF(sheet.right() - 20, sheet.top() + 30.5));

    // Preset column.
    const QRectF presets(t.x("Fire1") - 10, t.y("Fire1") - 10, 140,
                         t.y("Fire7") + 56 + 10 - (t.y("Fire1") - 10));
    p.setPen(QPen(theme::kLineSoft, 1));
    p.setBrush(QColor(22, 23, 25));
    p.drawRoundedRect(presets, 4, 4);

    // Stage grid: a band per field row, an icon in front of it.
    const qreal gridLeft = t.x("FireCnt1") - 100, gridRight = sheet.right() - 16;
    struct Field {
        const char* key;
        int icon;
        qreal height;
    };
    const Field fields[] = {
        {"FireCnt1", 0, 20},      {"FireX1", 1, 20},    {"FireX1_Offset", 3, 20}, {"FireY1", 2, 20},
        {"FireY1_Offset", 4, 20}, {"FireTime1", 5, 20}, {"FireColor1", 6, 40}};
    for (const Field& f : fields) {
        const qreal y = t.y(f.key);
        if (y > 662) continue;  // rows hidden by the layout
        const QRectF band(gridLeft, y - 8, gridRight - gridLeft, f.height + 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 7));
        p.drawRoundedRect(band, 3, 3);
        rowIcon(p, QPointF(gridLeft + 34, y + f.height / 2), f.icon);
    }
    // Stage heads, covered by the stage pictures of the multi-stage presets.
    for (int col = 1; col <= 3; ++col) {
        const qreal x = t.x(QStringLiteral("FireCnt%1").arg(col)) - 10;
        const qreal y = t.y("GunMode1");
        p.setPen(QPen(theme::kLineSoft, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, 99, 23), 4, 4);
        drawText(p, QRectF(x, y, 100, 24), QString::number(col), uiFont(12, true),
                 theme::kTextFaint, Qt::AlignCenter);
    }

    // Spray pattern illustration below the grid.
    const QRectF target(t.x("FireCnt1") + 110, t.y("IsHasLK") + 10, 300, 140);
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int i = 0; i <= 6; ++i)
        p.drawLine(QPointF(target.left() + i * 50, target.top()),
                   QPointF(target.left() + i * 50, target.bottom()));
    for (int i = 0; i <= 4; ++i)
        p.drawLine(QPointF(target.left(), target.top() + i * 35),
                   QPointF(target.right(), target.top() + i * 35));
    const QPointF aim(target.left() + 150, target.top() + 108);
    crosshair(p, aim, 9);
    p.setPen(Qt::NoPen);
    for (int i = 1; i <= 14; ++i) {
        const qreal sway = (i % 2 ? 1 : -1) * (i * 1.6) + (i > 8 ? (i - 8) * 5.0 : 0);
        p.setBrush(QColor(249, 100, 1, 200 - i * 10));
        p.drawEllipse(QPointF(aim.x() + sway, aim.y() - i * 6.2), 2.6, 2.6);
    }

    // Bottom bar above confirm and cancel.
    p.setPen(QPen(theme::kLineSoft, 1));
    p.drawLine(QPointF(sheet.left() + 16, t.y("FireConfirm") - 13.5),
               QPointF(sheet.right() - 16, t.y("FireConfirm") - 13.5));
    p.end();
    return img;
}

void addGunPictures(Pictures& out) {
    for (int i = 0; i < 7; ++i) {
        out.push_back({QStringLiteral("Gun%1_01").arg(i + 1), gunButton(i, false)});
        out.push_back({QStringLiteral("Gun%1_02").arg(i + 1), gunButton(i, true)});
    }
    out.push_back({"GunMode1", stagePicture(1, 2)});
    out.push_back({"GunMode2", stagePicture(2, 2)});
    out.push_back({"GunMode3", stagePicture(1, 3)});
    out.push_back({"GunMode4", stagePicture(2, 3)});
    out.push_back({"GunMode5", stagePicture(3, 3)});
}

}  // namespace artwork
