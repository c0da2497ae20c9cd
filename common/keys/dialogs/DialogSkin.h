#pragma once
// What the dialogs take from the skin of the window that opens them: the
// pictures, the layout table and the texts of the active language. They read
// them when they are created, so a dialog opened after a language switch
// speaks the new language.

#include "common/shell/LanguageTable.h"
#include "common/shell/ResourceStore.h"
#include "common/shell/SettingsTable.h"
#include "common/shell/StartupProblems.h"

namespace shell {
class Skin;
}

namespace keys {

struct DialogSkin {
    const shell::ResourceStore& store;
    const shell::SettingsTable& layout;      // "ORGn" of the active language
    const shell::LanguageTables& languages;  // its active table is the language's
    int language = 1;                        // n of "[orgn]"
    // Missing keys and pictures are recorded here; the dialog keeps its own
    // record when none is given.
    shell::StartupProblems* problems = nullptr;
};

DialogSkin DialogSkinOf(shell::Skin& skin);

}  // namespace keys
