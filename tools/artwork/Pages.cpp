// Content pictures of the advanced, lighting and macro pages: section titles,
// printed option names and the empty positions of the value bars, placed from the
// layout table so they line up with the controls laid over them.
#include "tools/artwork/Art.h"

namespace artwork {
namespace {

const LayoutTable& table() {
    return layout().page;
}

// Page pictures are drawn in window coordinates and shifted by their origin.
struct PageCanvas {
    QImage img;
    QPainter p;
    PageCanvas(int w, int h, const QString& origin) : img(canvas(w, h)) {
        beginPainter(p, img);
        p.translate(-table().x(origin), -table().y(origin));
    }
    QImage finish() {
        p.end();
        return img;
    }
};

void columnDivider(QPainter& p, qreal x, qreal top, qreal bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(58, 59, 63, 0));
    g.setColorAt(0.2, theme::kLineSoft);
    g.setColorAt(0.8, theme::kLineSoft);
    g.setColorAt(1, QColor(58, 59, 63, 0));
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
}

void rowBand(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 7));
    p.drawRoundedRect(r, 3, 3);
    p.restore();
}

const QFont& caption() {
    static const QFont f = uiFont(13);
    return f;
}
const QFont& smallFont() {
    static const QFont f = uiFont(11);
    return f;
}

QImage advancedPage(const Words& w) {
    const LayoutTable& t = table();
    PageCanvas c(800, 374, "P2");
    QPainter& p = c.p;
    const qreal split = 490;
    columnDivider(p, split, 140, 496);

    // Pointer sliders with their captions and scale words.
    const int knobW = 26;
    const int positions = 11;
    sectionTitle(p, 118, 136, split - 118 - 16, w.pointer);
    struct Row {
        const char* key;
        QString title;
        bool scale;
    };
    for (const Row& r : {Row{"Spd", w.speed, true}, Row{"DbSpd", w.doubleClick, true},
                         Row{"ScrSpd", w.scroll, false}}) {
        const qreal x = t.x(r.key), y = t.y(r.key);
        drawText(p, QRectF(x, y - 19, 200, 16), r.title, caption(), theme::kText);
        if (r.scale) {
            const QString s = w.slow + QStringLiteral("  \u2192  ") + w.fast;
            drawText(p, QRectF(x, y - 19, knobW * positions, 16), s, smallFont(), theme::kTextFaint,
                     Qt::AlignRight | Qt::AlignVCenter);
        }
        sliderTrack(p, x, y, positions, knobW, knobW - 4);
    }
    // Switches: the option words follow the check picture.
    for (auto [key, text] :
         {std::pair{"IsControl", w.acceleration}, std::pair{"IsScreen", w.oneScreen}}) {
        drawText(p, QRectF(t.x(key) + 24, t.y(key) - 2, 250, 20), text, caption(), theme::kText);
    }
    // Report rate: the labels over the options are blank, the rates are printed.
    sectionTitle(p, 118, t.y("Rep1") - 30, split - 118 - 16, w.reportRate);
    const int rates[4] = {125, 250, 500, 1000};
    for (int i = 0; i < 4; ++i) {
        const QString key = QStringLiteral("Rep%1").arg(i + 1);
        drawText(p, QRectF(t.x(key) + 20, t.y(key) - 3, 70, 20),
                 QStringLiteral("%1 %2").arg(rates[i]).arg(w.hertz), caption(), theme::kText);
    }

    // DPI levels: one band per level, positions of the twelve-step bar.
    const qreal right = 898;
    sectionTitle(p, split + 22, 136, right - split - 22, w.dpiLevels);
    const int dpiKnobW = 20;
    for (int n = 1; n <= 8; ++n) {
        const QString k = QStringLiteral("DPI%1").arg(n);
        const qreal y = t.value(k + "_Steps_Y");
        if (y > 662) continue;  // rows parked outside the window
        rowBand(p, QRectF(split + 16, y - 4, right - split - 20, 26));
        const qreal x = t.value(k + "_Steps_X"), d = t.value(k + "_Steps_D");
        sliderTrack(p, x, y, 12, dpiKnobW + d, dpiKnobW - 4);
    }

    // Fire keys: column heads on the title line, a row name per key.
    const qreal fy = t.y("FK1Cnt");
    sectionTitle(p, split + 22, fy - 28, t.x("FK1Cnt") - split - 30, w.fireKeys);
    auto head = [&](const QString& key, qreal width, const QString& s) {
        drawText(p, QRectF(t.x(key) + width / 2 - 60, fy - 28, 120, 16), s, smallFont(),
                 theme::kTextDim, Qt::AlignCenter);
    };
    head("FK1Cnt", 40, w.count);
    head("FK1Delay", 50, w.interval);
    head("FK1Continue", 16, w.hold);
    for (int n = 1; n <= 3; ++n) {
        const QString k = QStringLiteral("FK%1Cnt").arg(n);
        rowBand(p, QRectF(split + 16, t.y(k) - 2, right - split - 20, 24));
        drawText(p, QRectF(split + 28, t.y(k), 120, 20),
                 QStringLiteral("%1 %2").arg(w.fireKey).arg(n), caption(), theme::kText);
    }
    return c.finish();
}

QImage lightingPage(const Words& w) {
    const LayoutTable& t = table();
    PageCanvas c(801, 375, "P3");
    QPainter& p = c.p;
    const qreal split = 490;
    columnDivider(p, split, 140, 496);

    sectionTitle(p, 118, 136, split - 118 - 16, w.effect);
    for (int i = 0; i < 6; ++i) {
        const QString k = QStringLiteral("LEDMode%1").arg(i + 1);
        const qreal x = t.x(k), y = t.y(k);
        rowBand(p, QRectF(x - 12, y - 8, split - x - 12, 31));
        drawText(p, QRectF(x + 26, y - 3, 260, 21), w.effects[static_cast<size_t>(i)], caption(),
                 theme::kText);
    }

    const qreal right = 898;
    const qreal sx = t.x("StepTime"), sy = t.y("StepTime"), sd = t.value("StepTime_D");
    sectionTitle(p, split + 22, 136, right - split - 22, w.stepTime);
    sliderTrack(p, sx, sy, 10, 26 + sd, 22);
    drawText(p, QRectF(sx, sy + 20, 80, 16), w.stepFast, smallFont(), theme::kTextFaint);
    drawText(p, QRectF(sx + 10 * (26 + sd) - 80, sy + 20, 80, 16), w.stepSlow, smallFont(),
             theme::kTextFaint, Qt::AlignRight | Qt::AlignVCenter);

    const qreal cy = t.y("LEDColor1");
    sectionTitle(p, split + 22, cy - 38, right - split - 22, w.colourTable);
    for (int i = 1; i <= 10; ++i) {
        const QString k = QStringLiteral("LEDColor%1").arg(i);
        drawText(p, QRectF(t.x(k) - 8, t.y(k) + 41, 48, 14), QString::number(i), smallFont(),
                 theme::kTextDim, Qt::AlignCenter);
    }
    return c.finish();
}

void listWell(QPainter& p, const LayoutTable& t, const QString& key, const QString& title) {
    const qreal x = t.x(key), y = t.y(key), w = t.value(key + "_W"), h = t.value(key + "_H");
    sectionTitle(p, x, y - 26, w, title);
    p.save();
    p.setPen(QPen(theme::kLineSoft, 1));
    p.setBrush(theme::kPanel);
    p.drawRect(QRectF(x - 1.5, y - 1.5, w + 2, h + 2));
    p.restore();
}

QImage macroPage(const Words& w) {
    const LayoutTable& t = table();
    PageCanvas c(800, 374, "P4");
    QPainter& p = c.p;
    listWell(p, t, "PCMacroName", w.library);
    listWell(p, t, "MacroContent", w.events);
    listWell(p, t, "MseMacroName", w.inMouse);
    const qreal gx = t.x("DelayTime"), gy = t.y("DelayTime");
    sectionTitle(p, gx, gy - 26, 207, w.options);
    const QPainterPath box = chamfered(QRectF(gx + 0.5, gy + 0.5, 206, 161), 8, 0, 8, 0);
    p.fillPath(box, theme::kPanel);
    p.strokePath(box, QPen(theme::kLineSoft, 1));
    return c.finish();
}

QImage placeholder() {
    QImage img = canvas(23, 4);
    img.fill(theme::kAccent);
    return img;
}

}  // namespace

void addPagePictures(Pictures& out, const QString& prefix, const Words& words) {
    out.push_back({prefix + "BackGround", windowBackground()});
    out.push_back({prefix + "Back1", keyPagePicture()});
    out.push_back({prefix + "Back2", advancedPage(words)});
    out.push_back({prefix + "Back3", lightingPage(words)});
    out.push_back({prefix + "Back4", macroPage(words)});
    out.push_back({prefix + "Back5", firePagePicture()});
}

// The third skin set is not offered by the shipped layout; its pictures only
// have to exist.
void addPlaceholderSet(Pictures& out, const QString& prefix) {
    for (const char* n : {"BackGround", "Back1", "Back2", "Back3", "Back4", "Back5"})
        out.push_back({prefix + n, placeholder()});
}

}  // namespace artwork
