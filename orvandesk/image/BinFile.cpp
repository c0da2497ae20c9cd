#include "orvandesk/image/BinFile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

namespace orvan {

namespace {

// Next to the target, so the final rename stays on one file system.
std::filesystem::path TempPathFor(const std::filesystem::path& target) {
    std::filesystem::path temp = target;
    temp += ".part";
    std::error_code ec;
    for (int n = 1; std::filesystem::exists(temp, ec) && n < 1000; ++n) {
        temp = target;
        temp += ".part" + std::to_string(n);
    }
    return temp;
}

bool WriteWhole(const std::filesystem::path& target, std::span<const Byte> content) {
    const std::filesystem::path temp = TempPathFor(target);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(content.data()),
                  static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace

std::filesystem::path BinSavePath(const std::filesystem::path& chosen) {
    std::filesystem::path path = chosen;
    path += ".bin";
    return path;
}

BinFileResult SaveBinFile(const std::filesystem::path& chosen, std::span<const Byte> content) {
    BinFileResult result;
    result.path = BinSavePath(chosen);
    if (!WriteWhole(result.path, content)) {
        result.message = "Cannot write " + result.path.string();
        return result;
    }
    result.ok = true;
    result.bytes = content.size();
    return result;
}

BinFileResult LoadBinFile(const std::filesystem::path& path, WorkingImage& image) {
    BinFileResult result;
    result.path = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.message = "Cannot open " + path.string();
        return result;
    }
    std::array<Byte, kImageSize> content{};
    in.read(reinterpret_cast<char*>(content.data()), static_cast<std::streamsize>(content.size()));
    const auto count = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0));
    if (count < kBinMinimumSize || content[field::MemoryKindMarker] != kMemoryKindI2c) {
        result.message = kBinLoadErrorMessage;
        return result;
    }
    std::copy_n(content.begin(), count, image.begin());
    result.ok = true;
    result.bytes = count;
    return result;
}

}  // namespace orvan
