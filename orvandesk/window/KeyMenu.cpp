#include "orvandesk/window/KeyMenu.h"

#include "common/keys/TextLookup.h"

namespace orvandesk {

namespace {

using A = MenuAction;

constexpr MenuRow kMain[] = {
    {"Key_MseKey", 201, A::Submenu, 0, "Pnl_MseKey"},
    {"Key_Special", 202, A::Submenu, 0, "Pnl_Special"},
    {"Key_Media", 203, A::Submenu, 0, "Pnl_Media"},
    {"Key_WWW", 204, A::Submenu, 0, "Pnl_WWW"},
    {"Key_MyPC", 207, A::Submenu, 0, "Pnl_MyPC"},
    {"Key_Assembly", 205, A::UserDefined},
    // The device macros, when the mouse holds any.
    {"Key_DevMacro", 206, A::Submenu, 0, "LB_Name"},
    {"Key_FireMacro", 208, A::FireMacro},
};
constexpr MenuRow kMouse[] = {
    {"Key_Left", 210, A::Item, 900},   {"Key_Right", 211, A::Item, 901},
    {"Key_Middle", 212, A::Item, 902}, {"Key_B4", 213, A::Item, 903},
    {"Key_B5", 214, A::Item, 904},
};
constexpr MenuRow kSpecial[] = {
    {"Key_CPIKey", 220, A::Submenu, 0, "Pnl_CPIKey"},
    {"Key_FireKey", 230, A::Submenu, 0, "Pnl_FireKey"},
    {"Key_ACPIKey", 240, A::Submenu, 0, "Pnl_ACPI"},
    {"Key_ProfileKey", 250, A::Submenu, 0, "Pnl_Profile"},
    {"Key_AIM", 260, A::Item, 1000},
    {"Key_LEDMode", 261, A::Item, 1001},
    {"Key_LEDSwitch", 262, A::Item, 1002},
    {"Key_BtnEFT", 263, A::Item, 1003},
    {"Key_ReportRate", 264, A::Item, 1004},
    {"Key_KeyOff", 277, A::Item, 1007},
    {"Key_FireMacroKey", 265, A::Item, 1005},
    {"Key_FireMacroOff", 266, A::Item, 1006},
    {"Key_AdjustXY", 267, A::Submenu, 0, "Pnl_AdjustXY"},
};
constexpr MenuRow kCpi[] = {
    {"Key_CPI", 221, A::Item, 2000},
    {"Key_CPII", 222, A::Item, 2001},
    {"Key_CPID", 223, A::Item, 2002},
};
constexpr MenuRow kFire[] = {
    {"Key_Fire1", 231, A::Item, 2100},
    {"Key_Fire2", 232, A::Item, 2101},
    {"Key_Fire3", 233, A::Item, 2102},
};
constexpr MenuRow kPower[] = {
    {"Key_PowerDown", 241, A::Item, 2200},
    {"Key_Sleep", 242, A::Item, 2201},
    {"Key_WakeUp", 243, A::Item, 2202},
};
constexpr MenuRow kProfile[] = {
    {"Key_Profile1", 251, A::Item, 2300},
    {"Key_Profile2", 252, A::Item, 2301},
    {"Key_Profile3", 253, A::Item, 2302},
    {"Key_Profile", 254, A::Item, 2303},
};
constexpr MenuRow kAdjust[] = {
    {"Key_AdjustXYFn", 268, A::Item, 2400},
    {"Key_AdjustXYSwitch", 269, A::Item, 2401},
};
constexpr MenuRow kMedia[] = {
    {"Key_PlayPause", 270, A::Item, 1100},     {"Key_Stop", 271, A::Item, 1101},
    {"Key_PreviousTrack", 272, A::Item, 1102}, {"Key_NextTrack", 273, A::Item, 1103},
    {"Key_VolumePlus", 274, A::Item, 1104},    {"Key_VolumeMinus", 275, A::Item, 1105},
    {"Key_Mute", 276, A::Item, 1106},
};
constexpr MenuRow kWww[] = {
    {"Key_WWWHome", 280, A::Item, 1200},      {"Key_WWWSearch", 281, A::Item, 1201},
    {"Key_WWWBack", 282, A::Item, 1202},      {"Key_WWWForward", 283, A::Item, 1203},
    {"Key_WWWStop", 284, A::Item, 1204},      {"Key_WWWRefresh", 285, A::Item, 1205},
    {"Key_WWWFavorites", 286, A::Item, 1206},
};
constexpr MenuRow kPc[] = {
    {"Key_Computer", 290, A::Item, 1300},
    {"Key_Calculator", 291, A::Item, 1301},
    {"Key_EMail", 292, A::Item, 1302},
    {"Key_Desktop", 293, A::Item, 1303},
};

constexpr MenuList kLists[] = {
    {"Pnl_Main", 0, kMain},       {"Pnl_MseKey", 1, kMouse},    {"Pnl_Special", 1, kSpecial},
    {"Pnl_Media", 1, kMedia},     {"Pnl_WWW", 1, kWww},         {"Pnl_MyPC", 1, kPc},
    {"Pnl_CPIKey", 2, kCpi},      {"Pnl_FireKey", 2, kFire},    {"Pnl_ACPI", 2, kPower},
    {"Pnl_Profile", 2, kProfile}, {"Pnl_AdjustXY", 2, kAdjust},
};

}  // namespace

std::span<const MenuList> KeyMenuLists() {
    return kLists;
}

const MenuList* ListOfRow(const QString& rowName, const MenuRow** row) {
    for (const MenuList& list : kLists) {
        for (const MenuRow& r : list.rows) {
            if (rowName == QLatin1String(r.name)) {
                if (row != nullptr) *row = &r;
                return &list;
            }
        }
    }
    return nullptr;
}

const MenuList* FindList(const QString& listName) {
    for (const MenuList& list : kLists) {
        if (listName == QLatin1String(list.name)) return &list;
    }
    return nullptr;
}

std::vector<std::pair<QString, std::string>> KeyMenuCaptions() {
    std::vector<std::pair<QString, std::string>> captions;
    for (const MenuList& list : kLists) {
        for (const MenuRow& r : list.rows) {
            captions.emplace_back(QString::fromLatin1(r.name), keys::TextIdName(r.textId));
        }
    }
    // The engineering page's own row in place of "Fire Macro".
    captions.emplace_back(QStringLiteral("Key_TLFireMacro"), "Str206");
    return captions;
}

}  // namespace orvandesk
