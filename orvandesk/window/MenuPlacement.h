#pragma once
// Where the key menu opens for a clicked key label: beside the label's centre,
// to the left or upward when it would leave the window.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace orvandesk {

QPoint KeyMenuPosition(const QRect& label, QSize window, QSize menu);

// A submenu beside its parent list, level with the row that opens it (2
// pixels gap); on the list's left when it would leave the window's right
// edge, upwards from the row's bottom when it would leave the bottom.
QPoint SubmenuPosition(const QRect& parentList, const QRect& row, QSize submenu, QSize window);

// "Key7" -> 7; anything that does not parse gives -1.
int KeyNumberOf(const QString& labelName);

// The engineering page's key buttons carry their number in the last three
// characters of their name ("TLKey105" -> 105); -1 when they do not parse.
int EngineeringKeyNumberOf(const QString& buttonName);

// Placement on the engineering page. `group` is the button's group box,
// `groupLeft` counts only for the combination-key group; `tabs` is the tab
// control. `top` keeps its value for the numbers 200 and 300.
struct EngineeringMenuInput {
    int number = 0;
    QRect button;
    QRect group;
    QRect tabs;
    QSize menu;
    int currentTop = 0;
};
QPoint EngineeringMenuPosition(const EngineeringMenuInput& in);

}  // namespace orvandesk
