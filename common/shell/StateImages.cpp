#include "common/shell/StateImages.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/SkinStyle.h"

namespace shell {

namespace {

struct Patterns {
    QRegularExpression a{QStringLiteral("^Btn_(Confirm[1-3]|Exit2)(_[1-5])?$")};
    QRegularExpression b{QStringLiteral(
        "^Btn_(Main|Switch|Fixed|Adv|Breath|Macro|Update|Engineer|Save|Load)(_[1-5])?$")};
    QRegularExpression c{QStringLiteral("^Key([1-9]|1[0-2])$")};
    QRegularExpression d{QStringLiteral("^Btn_Lang[1-3](_[1-5])?$")};
    QRegularExpression i{QStringLiteral("^Btn_Exit1(_[1-5])?$")};
    QRegularExpression j{QStringLiteral("^Btn_Mini(_[1-5])?$")};
    QRegularExpression web{QStringLiteral("^Btn_Web(_[1-5])?$")};
    QRegularExpression preset{QStringLiteral("^Btn_Fire[1-7]$")};
};

const Patterns& P() {
    static const Patterns patterns;
    return patterns;
}

bool Matches(const QString& name, const QRegularExpression& pattern) {
    return pattern.match(name).hasMatch();
}

// "Btn_Confirm1_3" -> "Confirm1"; names without a copy suffix stay whole.
QString StripBase(const QString& labelName) {
    QString base = labelName.startsWith(QLatin1String("Btn_")) ? labelName.mid(4) : labelName;
    static const QRegularExpression copy(QStringLiteral("_[1-9]$"));
    base.remove(copy);
    return base;
}

const QStringList kMacroMenuEntries = {
    "Btn_Edit",       "Btn_Del",        "Btn_Insert",    "Btn_FireDel",
    "Btn_FireInsert", "Btn_NewName",    "Btn_ExportOne", "Btn_Export",
    "Btn_ImportOne",  "Btn_Import",     "Btn_NewMacro",  "Btn_DelMacro",
    "Btn_DevExport",  "Btn_DelPCMacro", "Btn_AddMacro",  "Btn_NewFireName"};

}  // namespace

std::optional<ButtonKind> ButtonKindOf(const QString& n) {
    if (Matches(n, P().a)) return ButtonKind::A;
    if (Matches(n, P().b)) {
        return ButtonKind::B;
    }
    if (Matches(n, P().c)) return ButtonKind::C;
    if (Matches(n, P().d)) return ButtonKind::D;
    if (n == "Btn_LoadBIN" || n == "Btn_Program") return ButtonKind::E;
    if (n == "Btn_SaveMacro") return ButtonKind::F;
    if (n == "Btn_OK" || n == "Btn_Cancel" || n == "Btn_FireOK" || n == "Btn_FireCancel") {
        return ButtonKind::G;
    }
    if (kMacroMenuEntries.contains(n)) return ButtonKind::H;
    if (Matches(n, P().i)) return ButtonKind::I;
    if (Matches(n, P().j)) return ButtonKind::J;
    if (Matches(n, P().web)) return ButtonKind::Web;
    if (n == "Btn_New" || n == "Btn_Start" || n == "Btn_InsertStart" || n == "Btn_FireStart") {
        return ButtonKind::MacroStart;
    }
    if (n == "Btn_FireConfirm" || n == "Btn_FireExit") return ButtonKind::FireButton;
    if (Matches(n, P().preset)) return ButtonKind::FirePreset;
    return std::nullopt;
}

QString PageStripBase(int pageMark) {
    static const char* const kBases[] = {"Main",   "Switch", "Fixed",  "Adv",
                                         "Breath", "Macro",  "Update", "Engineer"};
    if (pageMark < 1 || pageMark > 8) return {};
    return QString::fromLatin1(kBases[pageMark - 1]);
}

void ShowNavigationNormal(Controls& controls, const ResourceStore& store) {
    for (int mark = 1; mark <= 8; ++mark) {
        ShowOnCopies(controls, store, PageStripBase(mark), QStringLiteral("SetS_01"));
    }
}

void ShowOnCopies(Controls& controls, const ResourceStore& store, const QString& base,
                  const QString& picture) {
    for (QWidget* w : controls.copies("Img_" + base)) ShowPicture(w, picture, store);
}

StateImages::StateImages(Controls& controls, const ResourceStore& store, const ShellView& view,
                         TextRolling& rolling, const LayoutValues& layout,
                         std::function<int()> languageNumber, QObject* parent)
    : QObject(parent),
      c_(controls),
      store_(store),
      view_(view),
      rolling_(rolling),
      layout_(layout),
      language_(std::move(languageNumber)) {}

void StateImages::attach() {
    QWidget* root = c_.root();
    if (root == nullptr) return;
    for (SkinLabel* label : root->findChildren<SkinLabel*>()) {
        if (!ButtonKindOf(label->objectName())) continue;
        // Attaching again (controls added later) must not double the handlers.
        if (label->property("shellStateImages").toBool()) continue;
        label->setProperty("shellStateImages", true);
        connect(label, &SkinLabel::entered, this, [this, label] { enter(label); });
        connect(label, &SkinLabel::left, this, [this, label] { leave(label); });
        connect(label, &SkinLabel::clicked, this, [this, label] { click(label); });
    }
}

QString StateImages::pictureOf(const QString& labelName) const {
    const QString rest = labelName.startsWith(QLatin1String("Btn_")) ? labelName.mid(4) : labelName;
    return "Img_" + rest;
}

void StateImages::show(const QString& picture, const QString& name) {
    ShowPicture(c_.find(picture), name, store_);
}

void StateImages::showCopies(const QString& labelName, const QString& name) {
    ShowOnCopies(c_, store_, StripBase(labelName), name);
}

bool StateImages::frozen(ButtonKind kind) const {
    switch (kind) {
        case ButtonKind::A:
        case ButtonKind::B:
        case ButtonKind::C:
        case ButtonKind::I:
            return view_.statusRefreshing();
        case ButtonKind::D:
            return view_.statusRefreshing() || view_.pageOneOverlayVisible();
        default:
            return false;
    }
}

void StateImages::enter(QWidget* label) {
    if (label == nullptr) return;
    const QString name = label->objectName();
    const auto kind = ButtonKindOf(name);
    if (!kind || frozen(*kind)) return;
    rolling_.remember(qobject_cast<QLabel*>(label));
    switch (*kind) {
        case ButtonKind::A:
            showCopies(name, "BtnS_02");
            break;
        case ButtonKind::B:
        case ButtonKind::D:
            show(pictureOf(name), "SetS_02");
            break;
        case ButtonKind::C:
        case ButtonKind::E:
            show(pictureOf(name), "KeyS_02");
            break;
        case ButtonKind::F:
        case ButtonKind::MacroStart:
            show(pictureOf(name), "MacroS_02");
            break;
        case ButtonKind::G:
            show(pictureOf(name), "MacroBtnS_02");
            break;
        case ButtonKind::H: {
            SetTextColour(label, 0xFFFFFF);
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Highlight));
            label->setPalette(palette);
            label->setAutoFillBackground(true);
            break;
        }
        case ButtonKind::I:
            showCopies(name, "ExitS_02");
            break;
        case ButtonKind::J:
            showCopies(name, "MiniS_02");
            rolling_.start();
            break;
        case ButtonKind::Web:
            showCopies(name, "WebS_03");
            break;
        case ButtonKind::FireButton:
            show(pictureOf(name), "BtnS_02");
            break;
        case ButtonKind::FirePreset:
            show(pictureOf(name), "Gun" + name.right(1) + "_02");
            break;
    }
}

void StateImages::leave(QWidget* label) {
    if (label == nullptr) return;
    const QString name = label->objectName();
    const auto kind = ButtonKindOf(name);
    if (!kind) return;
    rolling_.stop();
    if (frozen(*kind)) return;
    switch (*kind) {
        case ButtonKind::A:
            showCopies(name, "BtnS_01");
            break;
        case ButtonKind::B:
            show(pictureOf(name), "SetS_01");
            showCurrentPageSelected();
            break;
        case ButtonKind::D:
            show(pictureOf(name), "SetS_01");
            showActiveLanguageSelected();
            break;
        case ButtonKind::C:
        case ButtonKind::E:
            show(pictureOf(name), "KeyS_01");
            break;
        case ButtonKind::F:
        case ButtonKind::MacroStart:
            show(pictureOf(name), "MacroS_01");
            break;
        case ButtonKind::G:
            show(pictureOf(name), "MacroBtnS_01");
            break;
        case ButtonKind::H:
            SetTextColour(label, layout_.colourFFont);
            SetBackgroundColour(label, layout_.colourFBack);
            break;
        case ButtonKind::I:
            showCopies(name, "ExitS_01");
            break;
        case ButtonKind::J:
            showCopies(name, "MiniS_01");
            break;
        case ButtonKind::Web:
            showCopies(name, "WebS_01");
            break;
        case ButtonKind::FireButton:
            show(pictureOf(name), "BtnS_01");
            break;
        case ButtonKind::FirePreset: {
            const int preset = name.right(1).toInt();
            if (preset != view_.selectedFirePreset()) {
                show(pictureOf(name), "Gun" + QString::number(preset) + "_01");
            }
            break;
        }
    }
}

void StateImages::click(QWidget* label) {
    if (label == nullptr) return;
    const QString name = label->objectName();
    const auto kind = ButtonKindOf(name);
    if (!kind) return;
    switch (*kind) {
        case ButtonKind::A:
            if (!name.startsWith(QLatin1String("Btn_Exit2"))) showCopies(name, "BtnS_03");
            break;
        case ButtonKind::G:
            show(pictureOf(name), "MacroBtnS_03");
            break;
        case ButtonKind::Web:
            showCopies(name, "WebS_02");
            break;
        case ButtonKind::MacroStart:
            show(pictureOf(name), "MacroS_03");
            break;
        case ButtonKind::FireButton:
            show(pictureOf(name), "BtnS_03");
            break;
        default:
            break;  // the window's own handlers decide
    }
}

void StateImages::showCurrentPageSelected() {
    const QString base = PageStripBase(view_.pageMark());
    if (!base.isEmpty()) ShowOnCopies(c_, store_, base, "SetS_03");
}

void StateImages::showActiveLanguageSelected() {
    const int language = language_ ? language_() : 1;
    ShowOnCopies(c_, store_, "Lang" + QString::number(language), "SetS_03");
}

}  // namespace shell
