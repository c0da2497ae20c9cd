#pragma once
// What the function codes and names depend on besides the code itself: the
// settings other pages own (fire keys, AIM level, combo masks, the profile
// setting group, the memory kind) and the names other subsystems keep (fire
// macros, device macros). The program fills a context from its image and
// pages right before a call, so each call sees the state of that moment.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/keys/FunctionCode.h"
#include "common/keys/TextLookup.h"

namespace keys {

// ---- orvandesk ----

struct OrvanFireKey {
    int count = 2;        // clicks per burst, 1..15
    int intervalMs = 60;  // 1..4094
    bool hold = false;    // the burst goes on while the button is held
};

// The engineering page's "Combo Enable" choices: byte 3 of the codes the
// menu gives these buttons.
struct OrvanComboMasks {
    std::uint8_t middle = 0;
    std::uint8_t backward = 0;
    std::uint8_t forward = 0;
    std::uint8_t dpiCycle = 0;
    std::uint8_t dpiUp = 0;
    std::uint8_t dpiDown = 0;
};

// The engineering page's "Profile Setting" group: extras of key-set switch
// codes put into a combo slot.
struct ProfileSettingFields {
    bool returnToZero = false;
    bool adjustXY = false;
    bool changeColour = false;
    // Per key set 0..2: item 0..9 = colours 1..10, item 10 = the specified colour.
    std::array<int, 3> colourChoice{};
    // All three sets use the specified colour (the LED type selector's second entry).
    bool specifiedColourForAll = false;
    std::uint8_t offset = 0x20;
};

// One slot of the device macro list: its start address, whether it holds a
// macro, and its decoded name.
struct DeviceMacroEntry {
    std::uint16_t address = 0;
    bool inUse = false;
    std::u16string name;
};

constexpr int kOrvanFireKeyCount = 3;
constexpr int kFireMacroListSize = 10;

struct OrvanFunctionContext {
    TextLookup texts;
    std::array<OrvanFireKey, kOrvanFireKeyCount> fireKeys{
        {{2, 60, false}, {4, 120, false}, {8, 200, false}}};
    int aimLevel = 1;  // 1..12
    OrvanComboMasks comboMasks;
    ProfileSettingFields profileSetting;
    bool memoryIsI2c = false;         // the connected mouse's memory kind is "I2C"
    bool assigningComboSlot = false;  // the menu was opened for a combo slot
    // The PC-side fire macro list; absent when its file is missing.
    std::optional<std::array<FunctionCode, kFireMacroListSize>> fireMacroList;
    std::vector<DeviceMacroEntry> deviceMacros;
};

// Naming a code can tell the pages something they show elsewhere; the
// caller decides whether to apply it.
struct FireKeyHoldSeen {
    int fireKey;  // 1..3
    bool hold;
};
struct KeySetColourSeen {
    int keySet;        // 0..2
    int colourChoice;  // 0..10 as in ProfileSettingFields
};
struct FunctionNaming {
    std::u16string name;
    std::optional<FireKeyHoldSeen> fireKeyHold;
    std::optional<KeySetColourSeen> keySetColour;
};

// ---- pellisdesk ----

struct PellisFireKey {
    int count = 2;        // 2..15, stored as is
    int intervalMs = 16;  // 1..4094, twelve bits in the code
    // Byte 2 of the fire key's entry in the parameter block: its high four
    // bits are kept above the interval.
    std::uint8_t entryByte2 = 0;
};

constexpr int kPellisFireKeyCount = 4;

struct PellisFunctionContext {
    TextLookup texts;
    std::array<PellisFireKey, kPellisFireKeyCount> fireKeys{
        {{2, 16, 0}, {2, 32, 0}, {2, 48, 0}, {2, 64, 0}}};
};

}  // namespace keys
