#pragma once
// The controls of each page, created with the object names the layout and
// language tables use. Each page's own behaviour lives with its page; these
// builders only create what the window's frame and the exchange need now.

#include <QString>

class QLineEdit;
class QWidget;

namespace shell {
class SkinLabel;
class SkinPicture;
}  // namespace shell

namespace orvandesk::pages {

shell::SkinPicture* Picture(QWidget* parent, const QString& name);
shell::SkinLabel* Label(QWidget* parent, const QString& name, const QString& text = {});
// A numeric edit box; right-aligned as the creation sequence asks.
QLineEdit* NumberEdit(QWidget* parent, const QString& name);

void BuildKeyPage(QWidget* page);          // gbPage1
void BuildAdvancedPage(QWidget* page);     // gbPage2
void BuildLightingPage(QWidget* page);     // gbPage3
void BuildMacroPage(QWidget* page);        // gbPage4
void BuildUpdatePage(QWidget* page);       // gbPage5
void BuildFirePage(QWidget* page);         // gbPage6
void BuildEngineeringPage(QWidget* page);  // gbPage7
// The drop-down menus, children of the window so they can open over any page.
void BuildMenus(QWidget* window);

}  // namespace orvandesk::pages
