#pragma once
// The pointer settings of the current user that shape how any mouse behaves:
// pointer speed, acceleration, double-click time and wheel lines. Values are
// texts under the names the desktop has always used for them
// ("MouseSensitivity", "WheelScrollLines" ...), in two groups, so every
// backend stores the same names.

#include <map>
#include <optional>
#include <string>

namespace platform {

enum class PointerGroup { Mouse, Desktop };

using PointerValues = std::map<std::string, std::string>;

// What the running desktop is told after the values are stored.
struct PointerApplied {
    int speed = 0;  // 1..20
    int threshold1 = 0;
    int threshold2 = 0;
    int acceleration = 0;
    int doubleClickMs = 0;
    int wheelLines = 0;  // -1: one screen per notch
    bool operator==(const PointerApplied&) const = default;
};

class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    // The group's values; nullopt when the group cannot be opened.
    virtual std::optional<PointerValues> read(PointerGroup group) = 0;
    // Sets the given values and keeps the others; false when nothing was stored.
    virtual bool write(PointerGroup group, const PointerValues& values) = 0;
    // Makes the settings take effect at once for the logged-on user.
    virtual void apply(const PointerApplied& settings) = 0;
};

}  // namespace platform
