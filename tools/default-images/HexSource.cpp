#include "tools/default-images/HexSource.h"

#include <cctype>
#include <charconv>

namespace hexsource {

namespace {

// Far above any resource we build; guards the converter against a typo
// asking for gigabytes.
constexpr std::size_t kMaxOutput = 1 << 20;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    ParseResult Run() {
        ParseResult result;
        while (SkipSpaceAndComments(), pos_ < text_.size()) {
            if (!Statement()) {
                result.error = "line " + std::to_string(line_) + ": " + error_;
                return result;
            }
        }
        result.ok = true;
        result.bytes = std::move(out_);
        return result;
    }

private:
    void SkipSpaceAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '#') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else {
                return;
            }
        }
    }

    std::string_view Word() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])) &&
               text_[pos_] != '#' && text_[pos_] != '"') {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    static bool HexByte(std::string_view word, std::uint8_t& value) {
        if (word.size() != 2 || !std::isxdigit(static_cast<unsigned char>(word[0])) ||
            !std::isxdigit(static_cast<unsigned char>(word[1]))) {
            return false;
        }
        unsigned v = 0;
        std::from_chars(word.data(), word.data() + 2, v, 16);
        value = static_cast<std::uint8_t>(v);
        return true;
    }

    bool Decimal(std::size_t& value) {
        SkipSpaceAndComments();
        const std::string_view word = Word();
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        return ec == std::errc() && end == word.data() + word.size() && !word.empty();
    }

    bool QuotedText(std::string& text) {
        SkipSpaceAndComments();
        if (pos_ >= text_.size() || text_[pos_] != '"') return Fail("expected quoted text");
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c == '\n') return Fail("text runs past the end of the line");
            if (c == '\\') {
                if (pos_ >= text_.size()) break;
                c = text_[pos_++];
                if (c != '"' && c != '\\') return Fail("unknown escape");
            }
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
                return Fail("only printable ASCII in text");
            }
            text += c;
        }
        if (pos_ >= text_.size()) return Fail("unterminated text");
        ++pos_;
        return true;
    }

    bool Statement() {
        if (text_[pos_] == '"') {
            std::string text;
            if (!QuotedText(text)) return false;
            out_.insert(out_.end(), text.begin(), text.end());
            return true;
        }
        const std::string_view word = Word();
        std::uint8_t value = 0;
        if (HexByte(word, value)) {
            out_.push_back(value);
            return true;
        }
        if (word == "utf16be") {
            std::string text;
            if (!QuotedText(text)) return false;
            for (char c : text) {
                out_.push_back(0);
                out_.push_back(static_cast<std::uint8_t>(c));
            }
            return true;
        }
        if (word == "fill") {
            SkipSpaceAndComments();
            if (!HexByte(Word(), value)) return Fail("fill needs a hex byte");
            SkipSpaceAndComments();
            if (Word() != "to") return Fail("expected 'to' after the fill byte");
            std::size_t end = 0;
            if (!Decimal(end)) return Fail("fill needs a decimal end offset");
            if (end > kMaxOutput) return Fail("fill end " + std::to_string(end) + " is too large");
            if (end < out_.size()) {
                return Fail("fill to " + std::to_string(end) + " but already at " +
                            std::to_string(out_.size()));
            }
            out_.resize(end, value);
            return true;
        }
        if (!word.empty() && word[0] == '@') {
            std::size_t at = 0;
            const auto [end, ec] = std::from_chars(word.data() + 1, word.data() + word.size(), at);
            if (ec != std::errc() || end != word.data() + word.size() || word.size() == 1) {
                return Fail("bad offset " + std::string(word));
            }
            if (at != out_.size()) {
                return Fail("expected offset " + std::to_string(at) + ", at " +
                            std::to_string(out_.size()));
            }
            return true;
        }
        return Fail("unknown word '" + std::string(word) + "'");
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::string error_;
    std::vector<std::uint8_t> out_;
};

}  // namespace

ParseResult Parse(std::string_view text) {
    return Parser(text).Run();
}

}  // namespace hexsource
