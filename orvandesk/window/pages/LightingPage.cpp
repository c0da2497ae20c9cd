// Lighting page (gbPage3). The key-set colour and the button effect choices
// are read by the key-set switch, so they exist from the start; the page's
// own work places and fills them.
#include <QComboBox>

#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

void BuildLightingPage(QWidget* page) {
    auto* colour = new QComboBox(page);
    colour->setObjectName(QStringLiteral("cb_ProfileColor"));
    for (int c = 1; c <= 10; ++c) colour->addItem(QStringLiteral("Colour %1").arg(c));
    colour->addItem(QStringLiteral("Specified colour"));
    colour->hide();
    auto* effect = new QComboBox(page);
    effect->setObjectName(QStringLiteral("cb_BtnEFT"));
    effect->addItems({QStringLiteral("Off"), QStringLiteral("On")});
    effect->hide();
}

}  // namespace orvandesk::pages
