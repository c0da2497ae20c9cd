#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include "tools/artwork/LayoutTable.h"
#include "tools/artwork/Theme.h"
#include "tools/artwork/Words.h"

namespace artwork {

// The tables the pictures are drawn to fit: the option table (web strip) and
// the layout table of languages 1 and 2.
struct Layout {
    LayoutTable org;
    LayoutTable page;
};
const Layout& layout();
void setLayout(Layout l);

// Where the background prints the web link that the web strip lights up.
QPointF webStripOrigin();
QRectF webLinkArea();
QString webLinkText();

void addControlPictures(Pictures& out);
void addGunPictures(Pictures& out);
void addWindowPictures(Pictures& out);  // background, update, dialog, icon
void addPagePictures(Pictures& out, const QString& prefix, const Words& words);
void addPlaceholderSet(Pictures& out, const QString& prefix);

QImage keyPagePicture();    // the mouse drawing, same in every language
QImage windowBackground();  // same in every language
QImage firePagePicture();   // same in every language

}  // namespace artwork
