#pragma once
// The program option table "ORG", section "[org]", read once at start-up.

#include <string>

#include "common/shell/SettingsTable.h"

namespace shell {

struct OrgOptions {
    int webEnable = 0;  // 1: the web strip opens `web`
    std::string web;    // address of the web strip and of the update page's link
    int webX = 0;
    int webY = 0;
    int revManuId = 0;          // second accepted manufacturer id
    int revProId = 0;           // second accepted product id
    std::string path;           // folder of the PC macro library; empty: the program folder
    int trEnable = 0;           // 1: hovered labels roll their text
    int gdEnable = 0;           // 1: gun display in key set 2
    int dpiLedStatus = 1;       // 1: sliders show only the knob; 0: they fill up to it
    int gun6Num = 2;            // 1..2
    int gun7Num = 3;            // 1..3
    int numOrder = 0;           // 0..1, kept but used by nothing
    int modeBCheckLeftKey = 1;  // 0..1

    bool webOpens() const { return webEnable == 1; }
    bool textRolling() const { return trEnable == 1; }
    bool gunDisplay() const { return gdEnable == 1; }
};

// The clamping rules of the counted options.
int ClampGun6Num(int v);
int ClampGun7Num(int v);
int ClampNumOrder(int v);
int ClampModeBCheckLeftKey(int v);

// Which program's option table: pellisdesk's holds only Web, Web_X and Web_Y,
// and its web strip always opens the address.
enum class OrgTableKind { Orvan, Pellis };

// Reads section "[org]"; missing or malformed keys are recorded in problems and
// leave the default of that option.
OrgOptions ReadOrgTable(const SettingsTable& table, StartupProblems& problems,
                        OrgTableKind kind = OrgTableKind::Orvan);

}  // namespace shell
