// Fire key page (gbPage6): the confirm and cancel buttons and the recorder
// controls the hidden gesture shows; presets and settings come with the fire
// key work.
#include <QGroupBox>
#include <QListWidget>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

void BuildFirePage(QWidget* page) {
    Picture(page, QStringLiteral("Img_FireConfirm"));
    Label(page, QStringLiteral("Btn_FireConfirm"));
    Picture(page, QStringLiteral("Img_FireExit"));
    Label(page, QStringLiteral("Btn_FireExit"));
    Picture(page, QStringLiteral("Img_FireStart"))->hide();
    Label(page, QStringLiteral("Btn_FireStart"))->hide();
    for (const char* name : {"LB_FireMacroName", "LB_FireMacro"}) {
        auto* list = new QListWidget(page);
        list->setObjectName(QString::fromLatin1(name));
        list->hide();
    }
    auto* delay = new QGroupBox(page);
    delay->setObjectName(QStringLiteral("GB_FireDelay"));
    delay->hide();
    Picture(page, QStringLiteral("Img_FireDelay"))->hide();
}

}  // namespace orvandesk::pages
