// Engineering page (gbPage7, 1256 x 680): the tab control with its three
// sheets, the key-set groups the key menu is placed against, the read-only
// identity and patch check fields and the factory buttons. Its parameters
// come with the engineering work.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

namespace {
QLineEdit* ReadOnly(QWidget* parent, const QString& name, int x, int y) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setGeometry(x, y, 80, 22);
    return e;
}
}  // namespace

void BuildEngineeringPage(QWidget* page) {
    auto* logo = Picture(page, QStringLiteral("Img_EngineerLogo"));
    logo->setGeometry(0, 0, 1256, 40);
    auto* tabs = new QTabWidget(page);
    tabs->setObjectName(QStringLiteral("Pg_Parameter"));
    tabs->setGeometry(10, 50, 1000, 600);
    auto* op = new QWidget;
    op->setObjectName(QStringLiteral("ts_Operator"));
    auto* gun = new QWidget;
    gun->setObjectName(QStringLiteral("ts_Gun"));
    auto* eng = new QWidget;
    eng->setObjectName(QStringLiteral("ts_Engineer"));
    tabs->addTab(op, QStringLiteral("Operator"));
    tabs->addTab(gun, QStringLiteral("Gun"));
    tabs->addTab(eng, QStringLiteral("Engineer"));
    tabs->setTabVisible(1, false);
    tabs->setTabVisible(2, false);

    const char* groups[] = {"gbProfile1", "gbProfile2", "gbProfile3", "gbComboKey"};
    for (int i = 0; i < 4; ++i) {
        auto* g = new QGroupBox(op);
        g->setObjectName(QString::fromLatin1(groups[i]));
        g->setGeometry(10 + i * 245, 10, 240, 420);
    }
    auto* profile = new QComboBox(op);
    profile->setObjectName(QStringLiteral("cb_Profile"));
    profile->addItems(
        {QStringLiteral("Office mode"), QStringLiteral("Game mode"), QStringLiteral("Key mode 3")});
    profile->setGeometry(10, 440, 140, 24);

    ReadOnly(eng, QStringLiteral("edt_VendorID_Rd"), 10, 10);
    ReadOnly(eng, QStringLiteral("edt_ProductID_Rd"), 100, 10);
    ReadOnly(eng, QStringLiteral("edt_PatCodeCk"), 190, 10);
    auto* ledLabel = new QLabel(QStringLiteral("LED mode"), eng);
    ledLabel->setObjectName(QStringLiteral("lbl_LEDMode"));
    ledLabel->setGeometry(10, 40, 80, 22);
    ledLabel->setEnabled(false);
    auto* ledMode = new QComboBox(eng);
    ledMode->setObjectName(QStringLiteral("cb_LEDMode"));
    ledMode->setGeometry(100, 40, 120, 22);
    ledMode->setEnabled(false);

    int x = 1020;
    int y = 60;
    for (const char* name : {"Btn_Save_6", "Btn_Load_6", "Btn_Default", "Btn_ImportBaseMacro",
                             "Btn_ImportGunMacro", "Btn_PatchCode"}) {
        auto* b = new QPushButton(QString::fromLatin1(name).mid(4), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, 220, 28);
        y += 34;
    }
    for (const char* name :
         {"Btn_Default", "Btn_ImportBaseMacro", "Btn_ImportGunMacro", "Btn_PatchCode"}) {
        page->findChild<QWidget*>(QString::fromLatin1(name))->hide();
    }
    Picture(page, QStringLiteral("Img_Result"))->hide();
    auto* content = new QLabel(page);
    content->setObjectName(QStringLiteral("lbl_Content"));
    content->setGeometry(10, 655, 1000, 20);
}

}  // namespace orvandesk::pages
