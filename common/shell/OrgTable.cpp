#include "common/shell/OrgTable.h"

#include <algorithm>

namespace shell {

int ClampGun6Num(int v) {
    return std::clamp(v, 1, 2);
}
int ClampGun7Num(int v) {
    return std::clamp(v, 1, 3);
}
int ClampNumOrder(int v) {
    return std::clamp(v, 0, 1);
}
int ClampModeBCheckLeftKey(int v) {
    return std::clamp(v, 0, 1);
}

OrgOptions ReadOrgTable(const SettingsTable& table, StartupProblems& problems, OrgTableKind kind) {
    TableKeys keys(table, "ORG", "org", problems);
    OrgOptions o;
    auto number = [&](const char* key, int& field) {
        auto v = table.value("org", key);
        auto n = v ? ParseTableNumber(*v) : std::nullopt;
        if (n) {
            field = *n;
        } else {
            keys.number(key);  // records what is wrong with it
        }
    };
    if (kind == OrgTableKind::Pellis) {
        o.webEnable = 1;
        o.web = keys.text("Web");
        number("Web_X", o.webX);
        number("Web_Y", o.webY);
        return o;
    }
    number("Web_Enable", o.webEnable);
    o.web = keys.text("Web");
    number("Web_X", o.webX);
    number("Web_Y", o.webY);
    number("Rev_Manu_ID", o.revManuId);
    number("Rev_Pro_ID", o.revProId);
    o.path = keys.text("Path");
    number("TR_Enable", o.trEnable);
    number("GD_Enable", o.gdEnable);
    number("DPILED_Status", o.dpiLedStatus);
    number("Gun6_Num", o.gun6Num);
    number("Gun7_Num", o.gun7Num);
    number("Num_Order", o.numOrder);
    number("ModeBCheckLeftKey", o.modeBCheckLeftKey);
    o.gun6Num = ClampGun6Num(o.gun6Num);
    o.gun7Num = ClampGun7Num(o.gun7Num);
    o.numOrder = ClampNumOrder(o.numOrder);
    o.modeBCheckLeftKey = ClampModeBCheckLeftKey(o.modeBCheckLeftKey);
    return o;
}

}  // namespace shell
