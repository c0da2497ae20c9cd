#include <QLineEdit>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

shell::SkinPicture* Picture(QWidget* parent, const QString& name) {
    auto* p = new shell::SkinPicture(parent);
    p->setObjectName(name);
    return p;
}

shell::SkinLabel* Label(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new shell::SkinLabel(parent);
    l->setObjectName(name);
    l->setText(text);
    return l;
}

QLineEdit* NumberEdit(QWidget* parent, const QString& name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->resize(40, 20);
    return e;
}

}  // namespace orvandesk::pages
