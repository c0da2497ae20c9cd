#include "orvandesk/performance/PointerModel.h"

#include <charconv>
#include <optional>
#include <string>

namespace orvan {

namespace {

using platform::PointerGroup;
using platform::PointerValues;

// A stored text as a number; text that is not one counts as missing.
std::optional<int> Number(const PointerValues& values, const char* name) {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    const std::string& text = it->second;
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

bool InRange(int position) {
    return position >= 1 && position <= kPointerPositions;
}

}  // namespace

int SpeedPosition(int speed) {
    if (speed == 0 || speed == 1) return 1;
    if (speed >= 2 && speed <= 9) return speed / 2 + 1;
    if (speed >= 12 && speed <= 19) return speed / 2 + 1;
    if (speed == 20) return 11;
    return 6;
}

int DoubleClickPosition(int milliseconds) {
    if (milliseconds >= 900) return 1;
    for (int p = 2; p <= 10; ++p) {
        if (milliseconds >= 900 - 70 * (p - 1)) return p;
    }
    return 11;
}

int WheelPosition(int lines) {
    if (lines == -1) return 0;
    if (lines == 0 || lines == 3) return 3;
    if (lines >= 1 && lines <= 10) return lines;
    return 11;
}

void PointerModel::RefreshMouseSystemParameterA() {
    const auto values = settings_.read(PointerGroup::Mouse);
    if (!values) return;
    if (const auto v = Number(*values, "MouseSensitivity")) {
        s_.speed = *v;
        s_.speedPosition = SpeedPosition(*v);
    }
    if (const auto v = Number(*values, "MouseSpeed")) s_.acceleration = *v;
    if (const auto v = Number(*values, "MouseThreshold1")) s_.threshold1 = *v;
    if (const auto v = Number(*values, "MouseThreshold2")) s_.threshold2 = *v;
    s_.accelerationOn = s_.acceleration != 0 || s_.threshold1 != 0 || s_.threshold2 != 0;
    if (const auto v = Number(*values, "DoubleClickSpeed")) {
        s_.doubleClickMs = *v;
        s_.doubleClickPosition = DoubleClickPosition(*v);
    }
}

void PointerModel::RefreshMouseSystemParameterB() {
    const auto values = settings_.read(PointerGroup::Desktop);
    if (!values) return;
    const auto v = Number(*values, "WheelScrollLines");
    if (!v) return;
    s_.wheelLines = *v;
    s_.oneScreen = *v == -1;
    if (s_.oneScreen) {
        s_.rememberedWheelPosition = 1;
    } else {
        s_.wheelPosition = WheelPosition(*v);
        s_.rememberedWheelPosition = s_.wheelPosition;
    }
}

void PointerModel::ChangedMouseSystemParameterA() {
    PointerValues values;
    if (InRange(s_.speedPosition)) {
        s_.speed = kSpeedWritten[s_.speedPosition - 1];
        values["MouseSensitivity"] = std::to_string(s_.speed);
    }
    values["MouseSpeed"] = std::to_string(s_.acceleration);
    values["MouseThreshold1"] = std::to_string(s_.threshold1);
    values["MouseThreshold2"] = std::to_string(s_.threshold2);
    if (InRange(s_.doubleClickPosition)) {
        s_.doubleClickMs = kDoubleClickWritten[s_.doubleClickPosition - 1];
        values["DoubleClickSpeed"] = std::to_string(s_.doubleClickMs);
    }
    settings_.write(PointerGroup::Mouse, values);
}

void PointerModel::ChangedMouseSystemParameterB() {
    if (s_.oneScreen) {
        s_.wheelLines = -1;
    } else if (InRange(s_.wheelPosition)) {
        s_.wheelLines = s_.wheelPosition;
    } else {
        return;
    }
    settings_.write(PointerGroup::Desktop, {{"WheelScrollLines", std::to_string(s_.wheelLines)}});
}

void PointerModel::applyAll() {
    ChangedMouseSystemParameterA();
    ChangedMouseSystemParameterB();
    settings_.apply(
        {s_.speed, s_.threshold1, s_.threshold2, s_.acceleration, s_.doubleClickMs, s_.wheelLines});
}

void PointerModel::setSpeedPosition(int position) {
    if (!InRange(position)) return;
    s_.speedPosition = position;
    applyAll();
}

void PointerModel::setDoubleClickPosition(int position) {
    if (!InRange(position)) return;
    s_.doubleClickPosition = position;
    applyAll();
}

void PointerModel::setWheelPosition(int position) {
    if (!InRange(position) || s_.oneScreen) return;
    s_.wheelPosition = position;
    s_.rememberedWheelPosition = position;
    applyAll();
}

void PointerModel::toggleAcceleration() {
    s_.accelerationOn = !s_.accelerationOn;
    if (s_.accelerationOn) {
        s_.acceleration = 1;
        s_.threshold1 = 6;
        s_.threshold2 = 10;
    } else {
        s_.acceleration = s_.threshold1 = s_.threshold2 = 0;
    }
    applyAll();
}

void PointerModel::toggleOneScreen() {
    s_.oneScreen = !s_.oneScreen;
    if (!s_.oneScreen) s_.wheelPosition = s_.rememberedWheelPosition;
    applyAll();
}

}  // namespace orvan
