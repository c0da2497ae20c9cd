// The window background, the update banner, the dialog background, the insert
// box backgrounds and the application icon.
#include <QtMath>

#include "tools/artwork/Art.h"

namespace artwork {
namespace {

Layout g_layout;

void hatch(QPainter& p, const QPainterPath& clip, const QRectF& area, const QColor& c, qreal step) {
    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(c, 1));
    for (qreal x = area.left() - area.height(); x < area.right(); x += step)
        p.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    p.restore();
}

// Shaped windows show their window colour through transparent pixels; a
// half-transparent edge pixel would mix with it and fringe the outline. So the
// outline pixels of shaped pictures are made either clear or solid.
void hardenOutline(QImage& img) {
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0 || a == 255) continue;
            line[x] =
                a < 128 ? qRgba(0, 0, 0, 0) : qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
        }
    }
}

QImage background() {
    QImage img = canvas(1030, 662);
    QPainter p;
    beginPainter(p, img);
    const QRectF outer(1.5, 1.5, 1027, 659);
    const QPainterPath shape = chamfered(outer, 28, 10, 28, 10);
    QLinearGradient g(0, 0, 0, 662);
    g.setColorAt(0, theme::kShellTop);
    g.setColorAt(0.14, theme::kShell);
    g.setColorAt(1, QColor(13, 14, 16));
    p.fillPath(shape, g);
    hatch(p, shape, QRectF(860, 612, 170, 50), QColor(255, 255, 255, 10), 7);
    hatch(p, shape, QRectF(300, 2, 360, 76), QColor(255, 255, 255, 6), 9);

    // Header: word mark, hairline under it, web link.
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawPolygon(QPolygonF({QPointF(22, 26), QPointF(30, 26), QPointF(38, 44), QPointF(30, 62),
                             QPointF(22, 62), QPointF(30, 44)}));
    drawText(p, QRectF(44, 18, 220, 34), QStringLiteral("ORVAN"), uiFont(28, true, 4),
             theme::kText);
    drawText(p, QRectF(46, 50, 220, 14), QStringLiteral("GAMING MOUSE"), uiFont(9, true, 3.2),
             theme::kTextDim);
    QLinearGradient sep(24, 0, 1006, 0);
    sep.setColorAt(0, theme::kAccent);
    sep.setColorAt(0.18, theme::kLine);
    sep.setColorAt(1, QColor(58, 59, 63, 40));
    p.setPen(QPen(QBrush(sep), 1));
    p.drawLine(QPointF(24, 78.5), QPointF(1006, 78.5));

    const QRectF link = webLinkArea();
    p.setPen(QPen(theme::kTextDim, 1.3));
    p.setBrush(Qt::NoBrush);
    const QPointF c(link.left() + 12, link.center().y());
    p.drawEllipse(c, 10, 10);
    p.drawEllipse(c, 4.5, 10);
    p.drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
    p.drawLine(QPointF(c.x() - 8.6, c.y() - 5), QPointF(c.x() + 8.6, c.y() - 5));
    p.drawLine(QPointF(c.x() - 8.6, c.y() + 5), QPointF(c.x() + 8.6, c.y() + 5));
    drawText(p, link.adjusted(30, 0, 0, 0), webLinkText(), uiFont(13, true, 1.0), theme::kTextDim);

    // Content well shared by all pages.
    const QPainterPath well = chamfered(QRectF(84.5, 125.5, 926, 481), 14, 0, 14, 0);
    p.fillPath(well, QColor(21, 22, 24));
    p.strokePath(well, QPen(theme::kLineSoft, 1));
    p.setPen(QPen(theme::kAccent, 2));
    p.drawLine(QPointF(84.5 + 14, 125.5), QPointF(84.5 + 70, 125.5));

    // Side rail.
    p.setPen(QPen(theme::kLineSoft, 1));
    p.drawLine(QPointF(48.5, 140), QPointF(48.5, 592));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? theme::kAccent : theme::kLine);
        p.drawRect(QRectF(45, 140 + i * 14, 7, 7));
    }
    drawText(p, QRectF(900, 622, 100, 26), QStringLiteral("v1.0"), uiFont(10, false, 1),
             theme::kTextFaint, Qt::AlignRight | Qt::AlignVCenter);

    // Rim: hairline all round, accent on the two long chamfers.
    p.strokePath(shape, QPen(theme::kLine, 1));
    p.setPen(QPen(theme::kAccent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(1.5, 1.5 + 28), QPointF(1.5 + 28, 1.5));
    p.drawLine(QPointF(1.5 + 28, 1.5), QPointF(120, 1.5));
    p.drawLine(QPointF(1028.5, 660.5 - 28), QPointF(1028.5 - 28, 660.5));
    p.drawLine(QPointF(1028.5 - 28, 660.5), QPointF(910, 660.5));
    p.end();
    hardenOutline(img);
    return img;
}

void chip(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(theme::kAccentLo, 2));
    for (int i = 0; i < 5; ++i) {
        const qreal t = r.top() + 8 + i * (r.height() - 16) / 4;
        const qreal l = r.left() + 8 + i * (r.width() - 16) / 4;
        p.drawLine(QPointF(r.left() - 6, t), QPointF(r.left(), t));
        p.drawLine(QPointF(r.right(), t), QPointF(r.right() + 6, t));
        p.drawLine(QPointF(l, r.top() - 6), QPointF(l, r.top()));
        p.drawLine(QPointF(l, r.bottom()), QPointF(l, r.bottom() + 6));
    }
    p.setPen(QPen(theme::kAccent, 1.5));
    p.setBrush(QColor(30, 30, 32));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(theme::kAccentHi, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = r.center();
    p.drawLine(QPointF(c.x(), c.y() + 10), QPointF(c.x(), c.y() - 10));
    p.drawPolyline(QPolygonF({QPointF(c.x() - 8, c.y() - 2), QPointF(c.x(), c.y() - 10),
                              QPointF(c.x() + 8, c.y() - 2)}));
    p.restore();
}

QImage updateBanner() {
    QImage img = canvas(540, 102);
    QPainter p;
    beginPainter(p, img);
    const QPainterPath shape = chamfered(QRectF(0.5, 0.5, 539, 101), 12, 0, 12, 0);
    p.fillPath(shape, theme::kPanel);
    p.strokePath(shape, QPen(theme::kLineSoft, 1));
    chip(p, QRectF(30, 27, 48, 48));
    // The path label sits in this field (lbl_LoadBin of the layout table).
    const Layout& l = layout();
    const QPointF origin(l.page.x("P5"), l.page.y("P5"));
    const QPointF path = QPointF(l.page.x("lbl_LoadBin"), l.page.y("lbl_LoadBin")) - origin;
    const QRectF field(path.x() - 10, path.y() - 8, 540 - 12 - (path.x() - 10), 34);
    p.setPen(QPen(theme::kLine, 1));
    p.setBrush(QColor(20, 20, 22));
    p.drawRoundedRect(field, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawRect(QRectF(field.left(), field.bottom() - 1, 60, 2));
    p.end();
    return img;
}

QImage dialogBackground() {
    QImage img = canvas(1000, 660);
    QPainter p;
    beginPainter(p, img);
    const QRectF panel(310.5, 228.5, 379, 203);
    const QPainterPath shape = chamfered(panel, 16, 0, 16, 0);
    QLinearGradient g(0, panel.top(), 0, panel.bottom());
    g.setColorAt(0, QColor(34, 35, 38));
    g.setColorAt(1, QColor(24, 25, 27));
    p.fillPath(shape, g);
    p.setPen(QPen(theme::kLineSoft, 1));
    p.drawLine(QPointF(panel.left() + 12, panel.top() + 44),
               QPointF(panel.right() - 12, panel.top() + 44));
    p.strokePath(shape, QPen(theme::kLine, 1));
    p.setPen(QPen(theme::kAccent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(panel.left(), panel.top() + 16), QPointF(panel.left() + 16, panel.top()));
    p.drawLine(QPointF(panel.left() + 16, panel.top()), QPointF(panel.left() + 90, panel.top()));
    p.end();
    hardenOutline(img);
    return img;
}

void watermark(QPainter& p, int kind) {
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 18), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // Bottom right, clear of the options and the start button.
    const QPointF c(183, 104);
    p.translate(c);
    p.scale(0.55, 0.55);
    p.translate(-c);
    if (kind == 0) {  // key
        p.drawRoundedRect(QRectF(c.x() - 22, c.y() - 20, 44, 40), 6, 6);
        p.drawRoundedRect(QRectF(c.x() - 14, c.y() - 13, 28, 22), 3, 3);
    } else if (kind == 1) {  // move
        p.drawLine(QPointF(c.x() - 22, c.y()), QPointF(c.x() + 22, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 22), QPointF(c.x(), c.y() + 22));
        for (int s : {-1, 1}) {
            p.drawPolyline(
                QPolygonF({QPointF(c.x() + s * 16, c.y() - 6), QPointF(c.x() + s * 22, c.y()),
                           QPointF(c.x() + s * 16, c.y() + 6)}));
            p.drawPolyline(
                QPolygonF({QPointF(c.x() - 6, c.y() + s * 16), QPointF(c.x(), c.y() + s * 22),
                           QPointF(c.x() + 6, c.y() + s * 16)}));
        }
    } else {  // clock
        p.drawEllipse(c, 22, 22);
        p.drawLine(c, QPointF(c.x(), c.y() - 14));
        p.drawLine(c, QPointF(c.x() + 10, c.y() + 4));
    }
    p.restore();
}

QImage insertBase(int kind) {
    QImage img = canvas(207, 162);
    QPainter p;
    beginPainter(p, img);
    const QRectF r(0.5, 0.5, 206, 161);
    const QPainterPath shape = chamfered(r, 8, 0, 8, 0);
    p.fillPath(shape, theme::kPanel);
    p.strokePath(shape, QPen(theme::kLine, 1));
    watermark(p, kind);
    p.setPen(QPen(theme::kLineSoft, 1));
    p.drawLine(QPointF(10, 121.5), QPointF(197, 121.5));
    p.setPen(QPen(theme::kAccent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 1), QPointF(46, 1));
    p.end();
    return img;
}

QImage appIcon() {
    QImage img = canvas(256, 256);
    QPainter p;
    beginPainter(p, img);
    const QPainterPath tile = chamfered(QRectF(8, 8, 240, 240), 48, 16, 48, 16);
    QLinearGradient g(0, 8, 0, 248);
    g.setColorAt(0, QColor(40, 41, 45));
    g.setColorAt(1, QColor(16, 17, 19));
    p.fillPath(tile, g);
    p.strokePath(tile, QPen(theme::kAccent, 6));
    QPainterPath mouse;
    mouse.moveTo(128, 44);
    mouse.cubicTo(92, 44, 74, 76, 74, 118);
    mouse.lineTo(74, 150);
    mouse.cubicTo(74, 192, 98, 214, 128, 214);
    mouse.cubicTo(158, 214, 182, 192, 182, 150);
    mouse.lineTo(182, 118);
    mouse.cubicTo(182, 76, 164, 44, 128, 44);
    p.fillPath(mouse, QColor(232, 232, 232));
    p.setPen(QPen(QColor(16, 17, 19), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 48), QPointF(128, 112));
    p.drawLine(QPointF(78, 116), QPointF(178, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawRoundedRect(QRectF(120, 64, 16, 32), 8, 8);
    p.drawPolygon(QPolygonF({QPointF(108, 150), QPointF(128, 140), QPointF(148, 150),
                             QPointF(148, 162), QPointF(128, 152), QPointF(108, 162)}));
    p.end();
    return img;
}

}  // namespace

const Layout& layout() {
    return g_layout;
}
void setLayout(Layout l) {
    g_layout = std::move(l);
}

QPointF webStripOrigin() {
    return QPointF(layout().org.x("Web"), layout().org.y("Web"));
}
QRectF webLinkArea() {
    return QRectF(webStripOrigin() + QPointF(58, 22), QSizeF(100, 22));
}
QString webLinkText() {
    return QStringLiteral("www");
}

void addWindowPictures(Pictures& out) {
    out.push_back({"Update", updateBanner()});
    out.push_back({"Msg", dialogBackground()});
    out.push_back({"InsertKeyBase", insertBase(0)});
    out.push_back({"InsertXYBase", insertBase(1)});
    out.push_back({"InsertDelayBase", insertBase(2)});
    out.push_back({"AppIcon", appIcon()});
}

QImage windowBackground() {
    return background();
}

}  // namespace artwork
