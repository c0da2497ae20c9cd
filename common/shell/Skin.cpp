#include "common/shell/Skin.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

#include "common/shell/DefaultImages.h"
#include "common/shell/LayoutPass.h"

namespace shell {

Skin::Skin(QWidget* root, ResourceStore& store, ShellHost& host, QObject* parent)
    : QObject(parent), controls_(root), store_(store), host_(host) {
    store_.setProblems(&problems_);
    rolling_ = new TextRolling([this] { return org_.textRolling(); }, this);
    stateImages_ = new StateImages(
        controls_, store_, host_, *rolling_, layout_, [this] { return languageNumber_; }, this);
}

QSize Skin::LoadSkinBackground() {
    return shell::LoadSkinBackground(controls_, store_);
}

void Skin::LoadDefaultSkinImages() {
    shell::LoadDefaultSkinImages(controls_, store_);
}

void Skin::ReadOrgTable(OrgTableKind kind) {
    const auto bytes = store_.data(QStringLiteral("ORG"));
    const SettingsTable table = bytes ? ParseSettingsTable(std::string_view(
                                            bytes->constData(), static_cast<size_t>(bytes->size())))
                                      : SettingsTable();
    org_ = shell::ReadOrgTable(table, problems_, kind);
    PlaceWebStrip(controls_, org_);
}

void Skin::LoadLanguageTables() {
    for (int n = 1; n <= LanguageTables::kCount; ++n) {
        const auto bytes = store_.data(QStringLiteral("LANG%1").arg(n));
        languages_.setTable(
            n, bytes ? std::string_view(bytes->constData(), static_cast<size_t>(bytes->size()))
                     : std::string_view());
    }
    languages_.setActive(languageNumber_);
}

void Skin::AttachStateImages() {
    stateImages_->attach();
}

const SettingsTable& Skin::layoutTable(int language) {
    auto& slot = layoutTables_[static_cast<size_t>(language - 1)];
    if (!slot) {
        const auto bytes = store_.data(QStringLiteral("ORG%1").arg(language));
        slot = bytes ? ParseSettingsTable(
                           std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())))
                     : SettingsTable();
    }
    return *slot;
}

const SettingsTable& Skin::layoutTable() {
    return layoutTable(languageNumber_);
}

void Skin::ApplyLayoutAndTexts() {
    const LayoutPassInput input{layoutTable(languageNumber_),
                                "ORG" + std::to_string(languageNumber_), languageNumber_,
                                host_.pageMark()};
    layout_ = RunLayoutPass(controls_, store_, input, problems_);
    languages_.setActive(languageNumber_);
    RunTextPass(controls_, languages_, kept_, textConfig_);
}

void Skin::SwitchLanguage(int k) {
    if (k < 1 || k > LanguageTables::kCount) return;
    host_.setOverlaysVisible(true);
    for (int n = 1; n <= LanguageTables::kCount; ++n) {
        ShowOnCopies(controls_, store_, QStringLiteral("Lang%1").arg(n),
                     n == k ? "SetS_03" : "SetS_01");
    }
    if (auto* mark = controls_.find<QAbstractButton>(QStringLiteral("rb_Lang%1").arg(k))) {
        mark->setChecked(true);
    }
    auto* insertList = controls_.find<QComboBox>(QStringLiteral("CB_Insert"));
    const int insertIndex = insertList != nullptr ? insertList->currentIndex() : -1;
    if (QWidget* delay = controls_.find(QStringLiteral("Gb_Delay"))) delay->hide();

    languageNumber_ = k;
    ApplyLayoutAndTexts();
    if (k == 1) host_.processPendingEvents();

    rolling_->remember(controls_.find<QLabel>(QStringLiteral("Btn_Lang%1_1").arg(k)));
    rolling_->resetCounter();
    if (insertList != nullptr) insertList->setCurrentIndex(insertIndex);
    host_.setApplicationTitle(ToQString(kept_.title()));
    host_.refreshCurrentPage();
    host_.setOverlaysVisible(false);
}

QString Skin::LanguageText(std::string_view id) const {
    return ToQString(languages_.LanguageText(id));
}

TermLanguage SystemTermLanguage() {
    return TermLanguageForLocale(QLocale::system().name().toStdString());
}

void ShowStartupProblems(QWidget* parent, const StartupProblems& problems) {
    QMessageBox::critical(parent, QStringLiteral("Gaming Mouse"),
                          QString::fromStdString(problems.message()));
}

}  // namespace shell
