// Build-time converter: annotated hex source to the binary resource.
//   orvan_hex2bin <source.hex> <output.bin>
// The output is written under a temporary name and renamed into place, so a
// failed run never leaves a half-written resource for the next build step.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/default-images/HexSource.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orvan_hex2bin <source.hex> <output.bin>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    const hexsource::ParseResult result = hexsource::Parse(text.str());
    if (!result.ok) {
        std::cerr << argv[1] << ": " << result.error << "\n";
        return 1;
    }
    const std::filesystem::path output = argv[2];
    std::filesystem::path temp = output;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(result.bytes.data()),
                  static_cast<std::streamsize>(result.bytes.size()));
        if (!out) {
            std::cerr << temp << ": cannot write\n";
            out.close();
            std::filesystem::remove(temp);
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, output, ec);
    if (ec) {
        std::cerr << output << ": " << ec.message() << "\n";
        std::filesystem::remove(temp, ec);
        return 1;
    }
    return 0;
}
