#include "common/shell/TextPass.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "common/shell/SkinPicture.h"
#include "common/shell/SkinStyle.h"

namespace shell {

namespace {

QString N(int n) {
    return QString::number(n);
}

bool HasCaption(const QWidget* w) {
    if (qobject_cast<const SkinPicture*>(w)) return false;
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w);
}

bool InsideAny(const QWidget* w, const QStringList& containers) {
    for (const QWidget* p = w; p != nullptr; p = p->parentWidget()) {
        if (containers.contains(p->objectName())) return true;
    }
    return false;
}

class TextPass {
public:
    TextPass(Controls& controls, const LanguageTables& tables, const TextPassConfig& config)
        : c_(controls), t_(tables), config_(config) {}

    void run(KeptTexts& kept) {
        font();
        kept.keepFrom(t_);
        stripCaptions();
        keyLabels();
        comboOptions();
        menuEntries();
        macroPage();
        updatePage();
        firePage();
    }

private:
    QString text(const char* id) const { return ToQString(t_.LanguageText(id)); }
    void caption(const QString& name, const QString& value) {
        if (QWidget* w = c_.find(name)) SetCaption(w, value);
    }
    void captionId(const QString& name, const char* id) { caption(name, text(id)); }
    // Options whose picture lies under the left end of their label: the label
    // starts with blanks and grows to its caption.
    void optionCaption(const QString& name, const QString& value) {
        QWidget* w = c_.find(name);
        if (w == nullptr) return;
        SetCaption(w, value);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
        }
    }
    void fillList(const QString& name, std::initializer_list<const char*> ids) {
        auto* box = c_.find<QComboBox>(name);
        if (box == nullptr) return;
        box->clear();
        for (const char* id : ids) box->addItem(text(id));
    }

    void font() {
        const QString family = text("FontName");
        if (family.isEmpty()) return;
        QWidget* root = c_.root();
        if (root == nullptr) return;
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (HasCaption(w) && !InsideAny(w, config_.ownFontContainers)) SetFontFamily(w, family);
        }
    }

    void stripCaptions() {
        const std::pair<const char*, const char*> strip[] = {
            {"Btn_Confirm1", "Str001"}, {"Btn_Confirm2", "Str002"}, {"Btn_Confirm3", "Str016"},
            {"Btn_Exit2", "Str003"},    {"Btn_Main", "Str004"},     {"Btn_Switch", "Str005"},
            {"Btn_Fixed", "Str006"},    {"Btn_Adv", "Str007"},      {"Btn_Breath", "Str008"},
            {"Btn_Macro", "Str014"},    {"Btn_Update", "Str015"},   {"Btn_Save", "Str009"},
            {"Btn_Load", "Str010"},     {"Btn_Lang1", "Str011"},    {"Btn_Lang2", "Str012"},
            {"Btn_Lang3", "Str013"},
        };
        for (const auto& [base, id] : strip) {
            const QString value = text(id);
            for (QWidget* w : c_.copies(base)) SetCaption(w, value);
        }
        for (QWidget* w : c_.copies("Btn_Engineer")) SetCaption(w, QStringLiteral("Engineer"));
    }

    void keyLabels() {
        for (int k = 1; k <= 12; ++k) {
            if (QWidget* w = c_.find("Key" + N(k)))
                SetCaption(w, TranslateCaption(t_, CaptionOf(w)));
        }
    }

    void comboOptions() {
        for (int k = 0; k < 8; ++k) {
            const std::string id = "Str70" + std::to_string(k);
            optionCaption("IB_ComboKey" + N(k + 1),
                          QString(6, ' ') + ToQString(t_.LanguageText(id)));
        }
    }

    void menuEntries() {
        const QString bullet = text("Str200");
        for (const auto& [name, id] : config_.menuEntries) {
            caption(name, " " + bullet + " " + ToQString(t_.LanguageText(id)));
        }
    }

    void macroPage() {
        const std::pair<const char*, const char*> captions[] = {
            {"Btn_NewName", "Str402"},     {"Btn_New", "Str432"},
            {"Btn_Start", "Str400"},       {"Btn_ExportOne", "Str404"},
            {"Btn_Export", "Str405"},      {"Btn_ImportOne", "Str406"},
            {"Btn_Import", "Str407"},      {"Btn_Del", "Str408"},
            {"Btn_Insert", "Str409"},      {"Btn_Edit", "Str435"},
            {"Btn_NewMacro", "Str432"},    {"Btn_DelMacro", "Str433"},
            {"Btn_DevExport", "Str405"},   {"Btn_DelPCMacro", "Str433"},
            {"Btn_AddMacro", "Str434"},    {"lbl_Delay", "Str417"},
            {"lbl_s_A", "Str418"},         {"lbl_XAxisValue", "Str454"},
            {"lbl_YAxisValue", "Str455"},  {"lbl_Repeat", "Str458"},
            {"Btn_InsertStart", "Str400"}, {"Btn_OK", "Str420"},
            {"Btn_Cancel", "Str422"},
        };
        for (const auto& [name, id] : captions) captionId(name, id);
        fillList("CB_Insert",
                 {"Str410", "Str411", "Str412", "Str413", "Str450", "Str451", "Str456", "Str457"});
        optionCaption("IB_InsertRecDelay", QString(5, ' ') + text("Str414"));
        optionCaption("IB_InsertDelayTime", QString(5, ' ') + text("Str415"));
        optionCaption("IB_InsertNoDelay", QString(5, ' ') + text("Str416"));
    }

    void updatePage() {
        captionId("lbl_BINPath", "Str442");
        captionId("Btn_LoadBIN", "Str440");
        captionId("Btn_Program", "Str441");
    }

    void firePage() {
        const std::pair<const char*, const char*> captions[] = {
            {"Btn_FireConfirm", "Str620"},    {"Btn_FireExit", "Str621"},
            {"Btn_FireStart", "Str400"},      {"Btn_NewFireName", "Str402"},
            {"Btn_FireDel", "Str408"},        {"Btn_FireInsert", "Str409"},
            {"lbl_FireDelay", "Str417"},      {"lbl_Fires_A", "Str418"},
            {"lbl_FireXAxisValue", "Str454"}, {"lbl_FireYAxisValue", "Str455"},
            {"lbl_FireRepeat", "Str458"},     {"Btn_FireOK", "Str420"},
            {"Btn_FireCancel", "Str422"},     {"IB_FireRecDelay", "Str414"},
            {"IB_FireDelayTime", "Str415"},   {"IB_FireNoDelay", "Str416"},
        };
        for (const auto& [name, id] : captions) captionId(name, id);
        fillList("CB_InsertFire", {"Str410", "Str411", "Str450", "Str451", "Str456", "Str457"});
    }

    Controls& c_;
    const LanguageTables& t_;
    const TextPassConfig& config_;
};

}  // namespace

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

QString TranslateCaption(const LanguageTables& tables, const QString& caption) {
    const std::string id = tables.FindTextId(ToU16(caption));
    if (id.empty()) return caption;
    return ToQString(tables.LanguageText(id));
}

void RunTextPass(Controls& controls, const LanguageTables& tables, KeptTexts& kept,
                 const TextPassConfig& config) {
    TextPass(controls, tables, config).run(kept);
}

}  // namespace shell
