#include "tools/artwork/Theme.h"

#include <QFontMetricsF>

namespace artwork {

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void beginPainter(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont uiFont(int pixelSize, bool bold, qreal letterSpacing) {
    QFont f(QStringLiteral("Carlito"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    if (letterSpacing != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return f;
}

void drawText(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
              int flags) {
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
    p.restore();
}

qreal textWidth(const QString& s, const QFont& f) {
    return QFontMetricsF(f).horizontalAdvance(s);
}

QPainterPath chamfered(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl) {
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.lineTo(r.right(), r.top() + tr);
    path.lineTo(r.right(), r.bottom() - br);
    path.lineTo(r.right() - br, r.bottom());
    path.lineTo(r.left() + bl, r.bottom());
    path.lineTo(r.left(), r.bottom() - bl);
    path.lineTo(r.left(), r.top() + tl);
    path.closeSubpath();
    return path;
}

void sectionTitle(QPainter& p, qreal x, qreal y, qreal width, const QString& title) {
    // Tracked capitals when they fit, plain ones when a long word needs the room.
    QFont f = uiFont(13, true, 1.2);
    if (textWidth(title.toUpper(), f) > width - 14) f = uiFont(13, true);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawPolygon(QPolygonF({QPointF(x, y + 3), QPointF(x + 4, y + 3), QPointF(x + 8, y + 13),
                             QPointF(x + 4, y + 13)}));
    p.restore();
    const QString upper = title.toUpper();
    drawText(p, QRectF(x + 14, y, width, 16), upper, f, theme::kText);
    const qreal end = x + 14 + textWidth(upper, f) + 10;
    if (end < x + width) {
        p.save();
        QLinearGradient g(end, 0, x + width, 0);
        g.setColorAt(0, theme::kLine);
        g.setColorAt(1, QColor(58, 59, 63, 0));
        p.setPen(QPen(QBrush(g), 1));
        p.drawLine(QPointF(end, y + 8.5), QPointF(x + width, y + 8.5));
        p.restore();
    }
}

void sliderTrack(QPainter& p, qreal x, qreal y, int count, qreal pitch, qreal slotWidth) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal sx = x + i * pitch + (pitch - slotWidth) / 2;
        p.setBrush(theme::kLineSoft);
        p.drawRoundedRect(QRectF(sx, y + 6, slotWidth, 6), 2, 2);
    }
    p.restore();
}

}  // namespace artwork
