#pragma once
// The skin of one window: its resources, option table, layout and language
// tables, the passes that put them on the controls, the language switch and
// the state pictures. The window owns one and calls it from its handlers
// (creation sequence, Btn_LangK_0Click, the hover handlers).

#include <QObject>
#include <QSize>
#include <array>
#include <memory>
#include <optional>

#include "common/shell/Controls.h"
#include "common/shell/KeptTexts.h"
#include "common/shell/LanguageTable.h"
#include "common/shell/LayoutValues.h"
#include "common/shell/OrgTable.h"
#include "common/shell/ResourceStore.h"
#include "common/shell/SettingsTable.h"
#include "common/shell/ShellView.h"
#include "common/shell/StartupProblems.h"
#include "common/shell/StateImages.h"
#include "common/shell/TermTable.h"
#include "common/shell/TextPass.h"
#include "common/shell/TextRolling.h"

namespace shell {

class Skin : public QObject {
    Q_OBJECT
public:
    Skin(QWidget* root, ResourceStore& store, ShellHost& host, QObject* parent = nullptr);

    Controls& controls() { return controls_; }
    ResourceStore& store() { return store_; }
    // Everything missing so far; the window stops start-up when it is not empty.
    StartupProblems& problems() { return problems_; }

    // Creation steps, in the order the window runs them.
    QSize LoadSkinBackground();
    void LoadDefaultSkinImages();
    // "ORG": options, then the web strip's place.
    void ReadOrgTable(OrgTableKind kind = OrgTableKind::Orvan);
    void LoadLanguageTables();  // "LANG1" .. "LANG3"
    void AttachStateImages();   // hover and press pictures of every skinned button

    int languageNumber() const { return languageNumber_; }
    // Layout pass and text pass for the current language number.
    void ApplyLayoutAndTexts();
    // The language switch to language k (1..3), all nine steps.
    void SwitchLanguage(int k);

    const OrgOptions& org() const { return org_; }
    const LayoutValues& layout() const { return layout_; }
    const KeptTexts& kept() const { return kept_; }
    const LanguageTables& languages() const { return languages_; }
    QString LanguageText(std::string_view id) const;
    // Layout table of the active language, for the dialogs' own families.
    const SettingsTable& layoutTable();

    TextPassConfig& textConfig() { return textConfig_; }
    StateImages& stateImages() { return *stateImages_; }
    TextRolling& rolling() { return *rolling_; }

private:
    const SettingsTable& layoutTable(int language);

    Controls controls_;
    ResourceStore& store_;
    ShellHost& host_;
    StartupProblems problems_;
    OrgOptions org_;
    LayoutValues layout_;
    LanguageTables languages_;
    KeptTexts kept_;
    TextPassConfig textConfig_;
    std::array<std::optional<SettingsTable>, 3> layoutTables_;
    int languageNumber_ = 1;
    TextRolling* rolling_;
    StateImages* stateImages_;
};

// The term column of this system: Simplified Chinese under a PRC Chinese locale.
TermLanguage SystemTermLanguage();

// Tells the user which resources are missing (a modal message box).
void ShowStartupProblems(QWidget* parent, const StartupProblems& problems);

}  // namespace shell
