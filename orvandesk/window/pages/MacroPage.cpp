// Macro page (gbPage4): the lists, groups and edit boxes the frame and the
// image exchange touch; recording and editing come with the macro work.
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

void BuildMacroPage(QWidget* page) {
    for (const char* name : {"LB_PCMacroName", "LB_MacroName", "LB_macro"}) {
        auto* list = new QListWidget(page);
        list->setObjectName(QString::fromLatin1(name));
        list->hide();
    }
    for (const char* name : {"mmo_macro", "mmo_wrscript"}) {
        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(QString::fromLatin1(name));
        memo->hide();
    }
    auto* delay = new QGroupBox(page);
    delay->setObjectName(QStringLiteral("Gb_Delay"));
    delay->hide();
    NumberEdit(delay, QStringLiteral("Edt_Delay"));
    auto* insert = new QGroupBox(page);
    insert->setObjectName(QStringLiteral("Gb_Insert"));
    insert->hide();
    Picture(insert, QStringLiteral("Img_InsertBase"));
    auto* insertList = new QComboBox(insert);
    insertList->setObjectName(QStringLiteral("CB_Insert"));
    for (const char* name : {"Edt_InsertDelay", "edt_Repeat", "edt_XAxisValue", "edt_YAxisValue"}) {
        NumberEdit(insert, QString::fromLatin1(name));
    }
    // The two macro name lists open as drop-downs over the page.
    for (const char* name : {"LB_Name", "LB_Script"}) {
        auto* list = new QListWidget(page);
        list->setObjectName(QString::fromLatin1(name));
        list->hide();
    }
    auto* overlay = Label(page, QStringLiteral("Disable_All_4_1"));
    overlay->hide();
}

}  // namespace orvandesk::pages
