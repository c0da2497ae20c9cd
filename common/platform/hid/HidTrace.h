#pragma once
// Opt-in record of every report that crosses the HID layer, for looking at
// what the program and a real mouse said to each other. One line per report:
// time, direction, report id, bytes in hex.

#include <memory>
#include <string>

#include "common/platform/hid/HidSystem.h"

namespace platform {

// Wraps `inner` so that every report is appended to the file at `path`.
std::shared_ptr<HidSystem> makeTracingHidSystem(std::shared_ptr<HidSystem> inner, const std::string& path);

// Returns `inner` traced to the file named by the environment variable, or
// `inner` itself when the variable is unset or empty.
std::shared_ptr<HidSystem> traceFromEnvironment(std::shared_ptr<HidSystem> inner, const char* variable);

}  // namespace platform
