#pragma once
// Defects of the program's own resources found while the window is built: a
// table key that is missing or not a number, an image that is not there. They
// are collected during the passes and reported once, so the user sees every
// missing name in one message instead of a crash or a half-built window.

#include <string>
#include <string_view>
#include <vector>

namespace shell {

class StartupProblems {
public:
    void missingKey(std::string_view table, std::string_view key);
    void badNumber(std::string_view table, std::string_view key, std::string_view value);
    void missingResource(std::string_view name);
    void unreadablePicture(std::string_view name);
    void missingSection(std::string_view table, std::string_view section);

    bool empty() const { return items_.empty(); }
    const std::vector<std::string>& items() const { return items_; }
    // One text naming every problem, one per line, for the start-up message.
    std::string message() const;

private:
    void add(std::string item);
    std::vector<std::string> items_;
};

}  // namespace shell
