#pragma once
// The BIN configuration file: the raw 2048-byte image, no header, no check
// of its own. The window runs the dialogs and shows the message; these
// functions only move the bytes.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

#include "orvandesk/image/ImageBuffers.h"

namespace orvan {

// Shown when a file lacks the memory-kind marker.
inline constexpr char kBinLoadErrorMessage[] = "Loading .bin is error!";
// Below this size the marker byte 495 is not in the file.
constexpr std::size_t kBinMinimumSize = field::MemoryKindMarker + 1;

struct BinFileResult {
    bool ok = false;
    std::string message;  // for the user when !ok
    std::filesystem::path path;
    std::size_t bytes = 0;  // written or read
};

// The file the save writes: ".bin" is always appended, also to a name that
// already ends in it ("backup.bin" becomes "backup.bin.bin").
std::filesystem::path BinSavePath(const std::filesystem::path& chosen);

// Writes `content` (the working image) to BinSavePath(chosen), replacing an
// existing file only once the new one is complete.
BinFileResult SaveBinFile(const std::filesystem::path& chosen, std::span<const Byte> content);

// Reads up to 2048 bytes into the start of `image`; the rest of the image
// keeps what it held. A file without the marker 0xE0 at byte 495 (also one
// too short to have it) is refused and `image` is left untouched.
BinFileResult LoadBinFile(const std::filesystem::path& path, WorkingImage& image);

}  // namespace orvan
