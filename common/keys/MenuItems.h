#pragma once
// Menu item numbers to function code text. Each program has its own menu
// numbering; the context type selects the table set.
//
// orvandesk: 0 none; 900..904 mouse buttons; 1000 AIM key, 1001 LED mode,
// 1002 LED switch, 1003 button effect switch, 1004 report rate, 1005 fire
// macro key, 1006 fire macro off, 1007 key off; 1100..1106 media;
// 1200..1206 browser; 1300..1303 PC keys; 2000..2002 DPI keys; 2100..2102
// fire keys; 2200..2202 power keys; 2300..2303 key-set switches; 2400..2401
// adjust XY.
//
// pellisdesk: 900..904 mouse buttons; 1000 fire mode, 1001 AIM key, 1002
// profile key, 1003 CPI, 1004 report rate, 1005 set to default, 1006 LED
// mode, 1007 CPI +, 1008 CPI -; 1100..1102 power keys; 1200..1203 fire
// keys; 1300..1306 media; 1400..1406 browser.

#include <span>
#include <string>
#include <string_view>

#include "common/keys/FunctionContext.h"

namespace keys {

// A leaf entry of orvandesk's function menus: its item number and the
// object name of its menu row.
struct MenuEntry {
    int item;
    std::string_view component;
};

// Every orvandesk entry that FunctionCodeOfItem turns into a code, in item order.
std::span<const MenuEntry> OrvanMenuEntries();

// Empty when the item gives no code: an unknown item, or "Fire Macro Key"
// while the mouse's memory kind is not "I2C". Callers store nothing then.
std::string FunctionCodeOfItem(int item, const OrvanFunctionContext& context);
std::string FunctionCodeOfItem(int item, const PellisFunctionContext& context);

}  // namespace keys
