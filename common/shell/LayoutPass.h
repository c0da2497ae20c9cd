#pragma once
// The layout pass: puts the pictures of skin set n on the pages and places,
// shows, hides, sizes and colours the window's controls from the layout table
// of language n, family by family (A, B, C, G, D, E, F, I, J).

#include <string>

#include "common/shell/Controls.h"
#include "common/shell/LayoutValues.h"
#include "common/shell/OrgTable.h"
#include "common/shell/ResourceStore.h"
#include "common/shell/SettingsTable.h"

namespace shell {

struct LayoutPassInput {
    const SettingsTable& table;  // the layout table of the language
    std::string tableName;       // "ORG1" .. "ORG3", for messages
    int language = 1;            // 1..3: skin set and section "[orgN]"
    int pageMark = 1;            // decides which content picture is reloaded
};

LayoutValues RunLayoutPass(Controls& controls, const ResourceStore& store,
                           const LayoutPassInput& input, StartupProblems& problems);

// Places the five copies of the web strip at Web_X, Web_Y of the option table.
void PlaceWebStrip(Controls& controls, const OrgOptions& options);

// Names of the page-strip and window-button elements that exist five times
// ("Main" for Img_Main_n and Btn_Main_n).
bool IsPageStripName(const QString& objectName);

}  // namespace shell
