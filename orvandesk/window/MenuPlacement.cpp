#include "orvandesk/window/MenuPlacement.h"

#include <algorithm>

namespace orvandesk {

QPoint KeyMenuPosition(const QRect& label, QSize window, QSize menu) {
    const int x = label.x();
    const int y = label.y();
    const int w = label.width();
    const int h = label.height();
    const int left = x + w + menu.width() < window.width() ? x + w / 2 : x + w / 2 - menu.width();
    const int top = y + h + menu.height() < window.height() ? y + h / 2 : y + h / 2 - menu.height();
    return {left, top};
}

QPoint SubmenuPosition(const QRect& parentList, const QRect& row, QSize submenu, QSize window) {
    constexpr int kGap = 2;
    int x = parentList.x() + parentList.width() + kGap;
    if (x + submenu.width() > window.width()) x = parentList.x() - kGap - submenu.width();
    int y = row.y();
    if (y + submenu.height() > window.height()) y = row.y() + row.height() - submenu.height();
    return {std::max(0, x), std::max(0, y)};
}

int KeyNumberOf(const QString& labelName) {
    if (!labelName.startsWith(QLatin1String("Key"))) return -1;
    bool ok = false;
    const int n = labelName.mid(3).toInt(&ok);
    return ok ? n : -1;
}

int EngineeringKeyNumberOf(const QString& buttonName) {
    bool ok = false;
    const int n = buttonName.right(3).toInt(&ok);
    return ok ? n : -1;
}

QPoint EngineeringMenuPosition(const EngineeringMenuInput& in) {
    const bool combo = in.number < 100;
    const int groupLeft = combo ? in.group.left() : 0;
    int left = in.button.left() + groupLeft + 10;
    if (in.tabs.width() < in.button.left() + groupLeft + in.menu.width()) {
        left = in.button.left() + groupLeft + in.button.width() - in.menu.width() + 10;
    }
    int top = in.currentTop;
    if (in.number != 200 && in.number != 300) {
        top = in.tabs.top() + in.group.top() + in.button.top() + 38 - in.menu.height();
    }
    return {left, top};
}

}  // namespace orvandesk
