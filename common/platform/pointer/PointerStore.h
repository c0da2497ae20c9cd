#pragma once
// Pointer settings kept in a per-user file, for desktops that have no
// pointer controls of their own the program can reach. The file holds
// "[Mouse]" and "[Desktop]" groups of Name=Value lines; it is replaced whole
// through a temporary file, so a crash never leaves half a file behind.

#include <filesystem>

#include "common/platform/pointer/PointerSettings.h"

namespace platform {

class PointerStore : public PointerSettings {
public:
    explicit PointerStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/orvandesk/pointer.conf, or ~/.config/... without it.
    static std::filesystem::path DefaultPath();
    // The values of a desktop nobody has tuned: what a missing file reads as.
    static PointerValues Defaults(PointerGroup group);

    std::optional<PointerValues> read(PointerGroup group) override;
    bool write(PointerGroup group, const PointerValues& values) override;
    // The store has no desktop to tell; the values take effect where they are read.
    void apply(const PointerApplied&) override {}

    const std::filesystem::path& file() const { return file_; }

private:
    struct Groups {
        PointerValues mouse;
        PointerValues desktop;
    };
    std::optional<Groups> load() const;

    std::filesystem::path file_;
};

}  // namespace platform
