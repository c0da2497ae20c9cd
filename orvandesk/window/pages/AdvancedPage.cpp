// Advanced page (gbPage2): DPI levels, report rate, fire key counts and the
// pointer settings are added by their own work; the fire key edit boxes are
// created now because the creation sequence aligns them.
#include <QLineEdit>

#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

void BuildAdvancedPage(QWidget* page) {
    for (int k = 1; k <= 3; ++k) {
        NumberEdit(page, QStringLiteral("Edt_Repeat%1").arg(k))->hide();
        NumberEdit(page, QStringLiteral("Edt_DelayTime%1").arg(k))->hide();
    }
}

}  // namespace orvandesk::pages
