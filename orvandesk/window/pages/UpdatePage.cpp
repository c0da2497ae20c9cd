// Update page (gbPage5): the patch file label and the web link; loading and
// programming the patch code come with the firmware work.
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

void BuildUpdatePage(QWidget* page) {
    Label(page, QStringLiteral("lbl_BINPath"))->resize(300, 20);
    Label(page, QStringLiteral("lbl_LoadBIN"))->resize(500, 22);
    Picture(page, QStringLiteral("Img_LoadBIN"));
    Label(page, QStringLiteral("Btn_LoadBIN"));
    Picture(page, QStringLiteral("Img_Program"));
    Label(page, QStringLiteral("Btn_Program"));
    auto* link = Label(page, QStringLiteral("Btn_WebLink"), QStringLiteral("https://"));
    link->setCursor(Qt::PointingHandCursor);
    link->resize(300, 20);
}

}  // namespace orvandesk::pages
