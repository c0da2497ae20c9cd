#include "common/shell/StartupProblems.h"

#include <algorithm>

namespace shell {

void StartupProblems::add(std::string item) {
    // The same key is read for several copies of a control; name it once.
    if (std::find(items_.begin(), items_.end(), item) == items_.end()) {
        items_.push_back(std::move(item));
    }
}

void StartupProblems::missingKey(std::string_view table, std::string_view key) {
    add("key \"" + std::string(key) + "\" is missing from table \"" + std::string(table) + "\"");
}

void StartupProblems::badNumber(std::string_view table, std::string_view key,
                                std::string_view value) {
    add("key \"" + std::string(key) + "\" of table \"" + std::string(table) +
        "\" is not a number: \"" + std::string(value) + "\"");
}

void StartupProblems::missingResource(std::string_view name) {
    add("resource \"" + std::string(name) + "\" is missing");
}

void StartupProblems::unreadablePicture(std::string_view name) {
    add("resource \"" + std::string(name) + "\" is not a readable PNG picture");
}

void StartupProblems::missingSection(std::string_view table, std::string_view section) {
    add("section \"[" + std::string(section) + "]\" is missing from table \"" + std::string(table) +
        "\"");
}

std::string StartupProblems::message() const {
    std::string text = "The program cannot start because its built-in resources are incomplete:";
    for (const auto& item : items_) {
        text += "\n- ";
        text += item;
    }
    return text;
}

}  // namespace shell
