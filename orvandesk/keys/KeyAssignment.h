#pragma once
// The 45 function codes of the mouse as the pages edit them: 36 buttons in
// three key sets and nine combo slots, with the names the rules compare, the
// Left Key rule, the AIM keys and the mode-switch options that rewrite combo
// slots and combo masks. Plain C++: the window asks, then writes what the
// answer says to the mouse. The key page and the engineering page both read
// and write this one object, so they never disagree.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/keys/FunctionContext.h"
#include "orvandesk/image/ImageBuffers.h"
#include "orvandesk/image/KeyTextTable.h"

namespace orvan {

constexpr int kKeySetCount = 3;
constexpr int kButtonCount = static_cast<int>(kKeysPerProfile);

// Which page opened the menu: the rules differ.
enum class AssignView { KeyPage, Engineering };

enum class AssignResult {
    Stored,   // the code is in DataBuf; the key tables must be written
    Refused,  // the Left Key rule refused it; tell the user (Str108)
    NoCode,   // the item gives no code here; nothing changed
};

// What the mode-switch options need written after a change.
enum class OptionWrite { None, VendorSection, Profiles };

// The mode-switch options: cb_ChangeLEDModeFun, cb_ChangeFireFun and
// cb_IsGunFireMode.
struct ModeSwitchOptions {
    bool ledModeSwitch = false;  // Back + Right switches the LED mode (slot 2)
    int fireFunChoice = 0;       // 0 none, 1..4 long press, 5..6 chord with the right button
    bool gunFireMode = false;    // gun keys join the mode switch
    std::uint8_t gunMask = 0;    // the gun selector's "Combo Enable" mask
};

// Device macro names per button of key sets 1 and 2, kept across a macro
// deletion; empty where the button shows no device macro.
using KeysParameters = std::array<std::array<std::u16string, kKeysPerProfile>, 2>;

class KeyAssignment {
public:
    KeyAssignment(DataBuf& data, KeyTextTable& texts) : data_(data), texts_(texts) {}

    // The shared settings the codes and names depend on; the window sets its
    // text lookup and memory kind, the pages the rest.
    keys::OrvanFunctionContext& context() { return context_; }
    const keys::OrvanFunctionContext& context() const { return context_; }
    ModeSwitchOptions& options() { return options_; }
    const ModeSwitchOptions& options() const { return options_; }
    void setModeBCheckLeftKey(bool on) { modeBCheckLeftKey_ = on; }

    // Rebuilds the code texts from DataBuf, then the names (after a read).
    void LoadFromImage();
    void RefreshButtonNames();
    const std::u16string& name(int keySet, int button) const;
    const std::u16string& comboSlotName(int slot) const;
    const std::string& code(int keySet, int button) const;
    const std::string& comboSlotCode(int slot) const;
    std::u16string Text(int id) const;

    // Does the rule of this view govern the key set?
    bool LeftKeyRuleApplies(AssignView view, int keySet) const;
    // Would the key set keep a "Left Key" with `newName` on the button?
    bool KeepsLeftKey(int keySet, int button, const std::u16string& newName) const;
    // The button is the only one of its key set named "Left Key".
    bool IsOnlyLeftKey(int keySet, int button) const;

    // KeyStatusOnClick for a button: the code of the menu item, under the rule.
    AssignResult AssignItem(AssignView view, int keySet, int button, int item);
    // KeyStatusOnClick for combo slot 1..9: the code, or empty when the item
    // gives none. The caller writes the four bytes at once.
    std::string AssignComboSlot(int slot, int item);
    // ApplyCombination: empty code texts and bad ones leave the button as is.
    bool ApplyCombination(int keySet, int button, const std::string& codeText);
    // LB_NameClick: "10" + start address + "00"; refused on the only Left
    // Key and when the memory is not I2C.
    AssignResult AssignDeviceMacro(int keySet, int button, std::uint16_t address);
    // Replaces the code text and the four bytes of the key entry.
    void StoreCode(int keySet, int button, const std::string& codeText);
    void StoreComboSlot(int slot, const std::string& codeText);

    // SettingAIMKey: every "AIM Key" gets the level. False when there is
    // none; outside a bulk refresh the caller puts the level back to 1.
    bool SettingAIMKey(int level);
    // The level (1..12) the key set's AIM keys carry; the last one wins.
    std::optional<int> AimLevelOfKeySet(int keySet) const;

    // cb_ChangeLEDModeFunChange. Returns the write it needs.
    OptionWrite SetLedModeSwitch(bool on);
    // cb_ChangeFireFunChange, entry 0..6.
    OptionWrite SetFireFunChoice(int entry);
    // cb_IsGunFireModeClick: the gun buttons of all three key sets.
    OptionWrite SetGunFireMode(bool on);
    // IB_ComboKey1Click .. IB_ComboKey8Click on the key set shown; None when
    // the key set has no button of the toggle's kind.
    OptionWrite ClickModeSwitchToggle(int toggle, int keySet);
    // Whether toggle 1..8 shows ticked.
    bool ToggleTicked(int toggle) const;
    // RefreshFireFun and TLRefreshFireFun: the options back from the codes.
    void RefreshFireFun();

    // InitKeysParameters / RefreshKeysParameters around a device macro deletion.
    KeysParameters InitKeysParameters() const;
    // True when a code changed; the caller writes the key tables then.
    bool RefreshKeysParameters(const KeysParameters& before,
                               const std::vector<keys::DeviceMacroEntry>& macros);

    bool IsGunName(const std::u16string& name) const;

private:
    bool HasNamed(int keySet, const std::u16string& name) const;
    bool HasGunButton(int keySet) const;
    // Byte 3 of every button of the key sets named `name`, base code kept.
    void RewriteMask(int firstSet, int lastSet, const std::u16string& name,
                     const keys::FunctionCode& base, std::uint8_t mask);
    void RewriteGunMasks(int firstSet, int lastSet, std::uint8_t mask);
    std::uint8_t ChoiceMask() const;
    std::string GameModeCode() const;

    DataBuf& data_;
    KeyTextTable& texts_;
    keys::OrvanFunctionContext context_;
    ModeSwitchOptions options_;
    bool modeBCheckLeftKey_ = true;
    std::array<std::array<std::u16string, kKeysPerProfile>, kKeySetCount> names_;
    std::array<std::u16string, kComboKeyCount> slotNames_;
};

}  // namespace orvan
