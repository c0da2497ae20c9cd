// langconv IN OUT: turns a UTF-8 language table into the form the programs
// read, UTF-16LE behind the byte order mark FF FE. The text is carried over
// unchanged (line breaks included), so the output depends on the input bytes
// alone and the build is reproducible. Malformed UTF-8 stops the build with
// the line it was found on rather than shipping a garbled table.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

namespace {

struct Decoded {
    char32_t codePoint;
    size_t length;
};

// One code point at text[i]; nothing for overlong forms, surrogates, values
// above U+10FFFF and truncated or stray continuation bytes.
std::optional<Decoded> DecodeAt(const std::string& text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return Decoded{lead, 1};
    size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + length > text.size()) return std::nullopt;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return Decoded{cp, length};
}

void PutUnit(std::string& out, char16_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: langconv IN.txt OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "langconv: cannot read " << argv[1] << '\n';
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::string out = "\xFF\xFE";
    size_t i = 0;
    // An editor's UTF-8 signature is not part of the text; the output has its own mark.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) i = 3;
    int line = 1;
    while (i < text.size()) {
        const auto decoded = DecodeAt(text, i);
        if (!decoded) {
            std::cerr << argv[1] << ':' << line << ": malformed UTF-8\n";
            return 1;
        }
        const char32_t cp = decoded->codePoint;
        if (cp == U'\n') ++line;
        if (cp < 0x10000) {
            PutUnit(out, static_cast<char16_t>(cp));
        } else {
            const char32_t v = cp - 0x10000;
            PutUnit(out, static_cast<char16_t>(0xD800 + (v >> 10)));
            PutUnit(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
        i += decoded->length;
    }

    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file.flush()) {
        std::cerr << "langconv: cannot write " << argv[2] << '\n';
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
