#pragma once
// The key menu's tree: the lists, their rows in order, and what each row
// does (open a list, assign a menu item, or one of the special actions).
// The builder creates the rows from it, the text pass captions them and the
// hover and click handlers walk it.

#include <QString>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace orvandesk {

inline constexpr int kMenuRowHeight = 24;

enum class MenuAction {
    Item,         // assigns `item`
    Submenu,      // opens `submenu` on hover
    UserDefined,  // Key_AssemblyClick
    FireMacro,    // Key_FireMacroClick
};

struct MenuRow {
    const char* name;
    int textId;
    MenuAction action;
    int item = 0;
    const char* submenu = nullptr;
};

struct MenuList {
    const char* name;
    int depth;  // 0 Pnl_Main, 1 its lists, 2 the Special Key lists
    std::span<const MenuRow> rows;
};

std::span<const MenuList> KeyMenuLists();
// The list a row belongs to, and the row; null when the name is no row.
const MenuList* ListOfRow(const QString& rowName, const MenuRow** row = nullptr);
const MenuList* FindList(const QString& listName);
// Object name and text id of every row, for the text pass.
std::vector<std::pair<QString, std::string>> KeyMenuCaptions();

}  // namespace orvandesk
