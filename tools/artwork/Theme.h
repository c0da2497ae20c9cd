#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <vector>

namespace artwork {

// One dark palette with a single accent. The layout tables pick their text and
// list colours from the same values (31,31,31 lists, 249,100,1 edit borders).
namespace theme {
inline const QColor kShell{17, 18, 20};
inline const QColor kShellTop{27, 28, 31};
inline const QColor kPanel{31, 31, 31};
inline const QColor kPanelHi{42, 43, 46};
inline const QColor kRaised{36, 37, 40};
inline const QColor kLine{58, 59, 63};
inline const QColor kLineSoft{44, 45, 49};
inline const QColor kText{225, 225, 225};
inline const QColor kTextDim{140, 143, 150};
inline const QColor kTextFaint{92, 95, 101};
inline const QColor kAccent{249, 100, 1};
inline const QColor kAccentHi{255, 138, 51};
inline const QColor kAccentLo{150, 58, 0};
}  // namespace theme

struct Picture {
    QString name;
    QImage image;
};
using Pictures = std::vector<Picture>;

QImage canvas(int w, int h);
void beginPainter(QPainter& p, QImage& img);

// Pixel-sized fonts render the same on every machine, whatever its DPI.
QFont uiFont(int pixelSize, bool bold = false, qreal letterSpacing = 0);
void drawText(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
              int flags = Qt::AlignLeft | Qt::AlignVCenter);
qreal textWidth(const QString& s, const QFont& f);

// A rectangle with cut corners: top-left, top-right, bottom-right, bottom-left.
QPainterPath chamfered(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl);

// Section heading used on every page: accent tick, upper-case title, hairline.
void sectionTitle(QPainter& p, qreal x, qreal y, qreal width, const QString& title);

// Empty slots of a value bar: the knob images are drawn over these.
void sliderTrack(QPainter& p, qreal x, qreal y, int count, qreal pitch, qreal slotWidth);

}  // namespace artwork
