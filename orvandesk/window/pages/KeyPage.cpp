#include "orvandesk/window/pages/KeyPage.h"

#include <QFrame>
#include <QListWidget>

#include "common/keys/FunctionNames.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/KeyMenu.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

void BuildKeyPage(QWidget* page) {
    for (int k = 1; k <= 12; ++k) {
        Picture(page, QStringLiteral("Img_Key%1").arg(k));
        auto* key = Label(page, QStringLiteral("Key%1").arg(k));
        key->resize(140, 30);
    }
    for (int k = 1; k <= 8; ++k) {
        Picture(page, QStringLiteral("Img_ComboKey%1").arg(k))->hide();
        Label(page, QStringLiteral("IB_ComboKey%1").arg(k))->hide();
    }
}

void BuildMenus(QWidget* window) {
    for (const MenuList& list : KeyMenuLists()) {
        auto* panel = new QFrame(window);
        panel->setObjectName(QString::fromLatin1(list.name));
        panel->setAutoFillBackground(true);
        const int rows = static_cast<int>(list.rows.size());
        panel->resize(160, rows * kMenuRowHeight + 2);
        panel->hide();
        auto row = [panel](const char* name, int n, bool opens) {
            auto* entry = Label(panel, QString::fromLatin1(name), QString::fromLatin1(name));
            entry->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            entry->setGeometry(2, 1 + n * kMenuRowHeight, 156, kMenuRowHeight);
            if (!opens) return;
            // The arrow of a row that opens a list; the row itself takes the mouse.
            auto* arrow =
                Label(panel, "ST_" + QString::fromLatin1(name).mid(4), QStringLiteral("\u203A"));
            arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
            arrow->setStyleSheet(QStringLiteral("color: #FF8A1F; font-weight: bold;"));
            arrow->setAlignment(Qt::AlignCenter);
            arrow->setGeometry(136, 1 + n * kMenuRowHeight, 20, kMenuRowHeight);
        };
        for (int n = 0; n < rows; ++n) {
            const MenuRow& r = list.rows[static_cast<size_t>(n)];
            row(r.name, n, r.action == MenuAction::Submenu);
        }
        // The engineering page's own row takes the place of "Fire Macro".
        if (QLatin1String(list.name) == QLatin1String("Pnl_Main")) {
            row("Key_TLFireMacro", rows - 1, true);
            for (const char* name : {"Key_TLFireMacro", "ST_TLFireMacro"})
                panel->findChild<QWidget*>(QString::fromLatin1(name))->hide();
        }
    }
    // The device macro list opens from "Base Macro"; it lives with the macro
    // page but must open over the key page.
    if (auto* names = window->findChild<QListWidget*>(QStringLiteral("LB_Name"))) {
        names->setParent(window);
        names->setFrameShape(QFrame::Box);
        names->resize(154, 2 + kMenuRowHeight);
        names->hide();
    }
    for (const char* name : {"Pnl_PCMacro", "Pnl_DevMacro", "Pnl_DevContent", "Pnl_DevFireMacro",
                             "Pnl_DevFireContent"}) {
        auto* p = new QFrame(window);
        p->setObjectName(QString::fromLatin1(name));
        p->setAutoFillBackground(true);
        p->resize(154, 120);
        p->hide();
    }
}

void RefreshProfileKeys(shell::Controls& controls, const orvan::KeyTextTable& texts, int profile,
                        const keys::OrvanFunctionContext& context) {
    if (profile < 0 || profile > 2) return;
    for (int k = 1; k <= 12; ++k) {
        QWidget* key = controls.find(QStringLiteral("Key%1").arg(k));
        if (key == nullptr) continue;
        const std::string& code =
            texts.profiles[static_cast<size_t>(profile)][static_cast<size_t>(k - 1)];
        shell::SetCaption(key, QString::fromStdU16String(keys::FunctionName(code, context)));
    }
}

}  // namespace orvandesk::pages
