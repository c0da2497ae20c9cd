#include "orvandesk/window/pages/KeyPage.h"

#include <QFrame>

#include "common/keys/FunctionNames.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
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
    auto panel = [window](const QString& name, int height) {
        auto* p = new QFrame(window);
        p->setObjectName(name);
        p->setFrameShape(QFrame::Box);
        p->setAutoFillBackground(true);
        p->resize(160, height);
        p->hide();
        return p;
    };
    QFrame* main = panel(QStringLiteral("Pnl_Main"), 170);
    int top = 1;
    for (const char* entry : {"Key_Profile1", "Key_Profile2", "Key_FireMacro", "Key_TLFireMacro"}) {
        auto* l = Label(main, QString::fromLatin1(entry), QString::fromLatin1(entry));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setGeometry(2, top, 156, 22);
        top += 24;
    }
    Label(main, QStringLiteral("ST_TLFireMacro"), QStringLiteral(">"))
        ->setGeometry(136, 73, 20, 22);
    panel(QStringLiteral("Pnl_Special"), 242);
    for (const char* name :
         {"Pnl_MseKey", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC", "Pnl_FireKey", "Pnl_CPIKey", "Pnl_ACPI",
          "Pnl_Profile", "Pnl_PCMacro", "Pnl_DevMacro", "Pnl_DevContent", "Pnl_DevFireMacro",
          "Pnl_DevFireContent", "Pnl_AdjustXY"}) {
        panel(QString::fromLatin1(name), 120);
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
