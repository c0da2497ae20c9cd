#include "common/platform/pointer/PointerStore.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace platform {

namespace {

// Far larger than any real store; a bigger file is not ours to parse.
constexpr std::uintmax_t kMaxFileSize = 64 * 1024;

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

const char* GroupName(PointerGroup group) {
    return group == PointerGroup::Mouse ? "Mouse" : "Desktop";
}

// Names and values stay on one line of the file.
bool Storable(const std::string& s) {
    return s.find_first_of("\r\n=[]") == std::string::npos;
}

}  // namespace

PointerStore::PointerStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path PointerStore::DefaultPath() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / "orvandesk" / "pointer.conf";
}

PointerValues PointerStore::Defaults(PointerGroup group) {
    if (group == PointerGroup::Desktop) return {{"WheelScrollLines", "3"}};
    return {{"MouseSensitivity", "10"},
            {"MouseSpeed", "1"},
            {"MouseThreshold1", "6"},
            {"MouseThreshold2", "10"},
            {"DoubleClickSpeed", "500"}};
}

std::optional<PointerStore::Groups> PointerStore::load() const {
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) {
        if (ec) return std::nullopt;
        return Groups{Defaults(PointerGroup::Mouse), Defaults(PointerGroup::Desktop)};
    }
    const auto size = std::filesystem::file_size(file_, ec);
    if (ec || size > kMaxFileSize) return std::nullopt;
    std::ifstream in(file_, std::ios::binary);
    if (!in) return std::nullopt;
    Groups groups;
    PointerValues* current = nullptr;
    std::string line;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line == "[Mouse]") {
            current = &groups.mouse;
        } else if (line == "[Desktop]") {
            current = &groups.desktop;
        } else if (line[0] == '[') {
            current = nullptr;  // a group of someone else's: kept out
        } else if (const auto eq = line.find('='); current != nullptr && eq != std::string::npos) {
            const std::string name = Trimmed(line.substr(0, eq));
            if (!name.empty()) (*current)[name] = Trimmed(line.substr(eq + 1));
        }
    }
    return groups;
}

std::optional<PointerValues> PointerStore::read(PointerGroup group) {
    auto groups = load();
    if (!groups) return std::nullopt;
    return group == PointerGroup::Mouse ? groups->mouse : groups->desktop;
}

bool PointerStore::write(PointerGroup group, const PointerValues& values) {
    auto groups = load();
    if (!groups) return false;
    PointerValues& target = group == PointerGroup::Mouse ? groups->mouse : groups->desktop;
    for (const auto& [name, value] : values) {
        if (name.empty() || !Storable(name) || !Storable(value)) return false;
        target[name] = value;
    }
    std::error_code ec;
    if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
    std::filesystem::path temp = file_;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (PointerGroup g : {PointerGroup::Mouse, PointerGroup::Desktop}) {
            out << '[' << GroupName(g) << "]\n";
            for (const auto& [name, value] :
                 g == PointerGroup::Mouse ? groups->mouse : groups->desktop) {
                out << name << '=' << value << '\n';
            }
        }
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, file_, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace platform
