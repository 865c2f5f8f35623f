#include "settings/settings_format.h"

#include <cstdint>
#include <optional>

namespace qf {

namespace {

constexpr char kEndOfData = 26;  // Ctrl+Z
constexpr std::size_t kMaxTokenBytes = 32;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The digits as an unsigned value no larger than `limit`, or nothing.
std::optional<std::uint32_t> Digits(std::string_view digits, unsigned base,
                                    std::uint64_t limit) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0 || static_cast<unsigned>(d) >= base) return std::nullopt;
        value = value * base + static_cast<unsigned>(d);
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// A 32-bit signed integer: optional sign, then decimal digits within range
// or a hexadecimal prefix and digits taken as a 32-bit pattern.
std::optional<std::int32_t> ParseInteger(std::string_view token) {
    bool negative = false;
    if (!token.empty() && (token[0] == '-' || token[0] == '+')) {
        negative = token[0] == '-';
        token.remove_prefix(1);
    }
    std::optional<std::uint32_t> magnitude;
    if (token.starts_with("0x") || token.starts_with("0X")) {
        magnitude = Digits(token.substr(2), 16, 0xFFFFFFFFu);
    } else if (token.starts_with('$') || token.starts_with('x') || token.starts_with('X')) {
        magnitude = Digits(token.substr(1), 16, 0xFFFFFFFFu);
    } else {
        magnitude = Digits(token, 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    }
    if (!magnitude) return std::nullopt;
    // Unsigned arithmetic wraps, so "-$80000000" and "-2147483648" stay defined.
    const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<std::int32_t>(bits);
}

class Reader {
public:
    Reader(std::string_view bytes, bool failed) : bytes_(bytes), failed_(failed) {}

    ParsedSettings Parse() {
        ParsedSettings result;
        result.stop = ReadFirstLine(result.option);
        while (result.stop == SettingsStop::End && !AtEndOfData())
            result.stop = ReadEntry(result.entries);
        // The data ran out where reading failed, not at a Ctrl+Z.
        if (result.stop == SettingsStop::End && AtEnd() && failed_ && !ended_)
            result.stop = SettingsStop::LineFailed;
        return result;
    }

private:
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    char Peek() const { return bytes_[pos_]; }
    static bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

    SettingsStop ReadFirstLine(bool& option) {
        while (!AtEnd() && IsBlank(Peek()) && Peek() != kEndOfData) ++pos_;
        if (AtEnd()) return failed_ ? SettingsStop::FirstLineFailed : Ended();
        if (Peek() == kEndOfData) return Ended();
        const std::size_t start = pos_;
        while (!AtEnd() && !IsBlank(Peek()) && pos_ - start < kMaxTokenBytes) ++pos_;
        if (AtEnd() && failed_) return SettingsStop::FirstLineFailed;
        const auto value = ParseInteger(bytes_.substr(start, pos_ - start));
        if (!value) return SettingsStop::InvalidNumber;
        option = *value != 0;
        // A Ctrl+Z anywhere on the first line ends the data.
        while (!AtEnd() && Peek() != '\n') {
            if (Peek() == kEndOfData) return Ended();
            ++pos_;
        }
        if (AtEnd()) return failed_ ? SettingsStop::FirstLineFailed : SettingsStop::End;
        ++pos_;
        return SettingsStop::End;
    }

    // At a line start: the end of the bytes, or a Ctrl+Z, ends the data.
    bool AtEndOfData() const { return AtEnd() || ended_ || Peek() == kEndOfData; }

    SettingsStop ReadEntry(std::vector<std::string>& entries) {
        const std::size_t lf = bytes_.find('\n', pos_);
        if (lf == std::string_view::npos && failed_) return SettingsStop::LineFailed;
        const std::size_t end = lf == std::string_view::npos ? bytes_.size() : lf;
        std::string_view text = bytes_.substr(pos_, end - pos_);
        pos_ = lf == std::string_view::npos ? end : lf + 1;
        // A Ctrl+Z ends the text; the rest of the line is skipped.
        text = text.substr(0, text.find(kEndOfData));
        // Every CR left is dropped: before the LF it is part of the line end.
        const std::size_t cr = text.find('\r');
        if (cr == text.size() - 1 || cr == std::string_view::npos) {
            entries.emplace_back(text.substr(0, cr));
            return SettingsStop::End;
        }
        std::string& line = entries.emplace_back();
        for (char c : text)
            if (c != '\r') line += c;
        return SettingsStop::End;
    }

    SettingsStop Ended() {
        ended_ = true;
        return SettingsStop::End;
    }

    std::string_view bytes_;
    bool failed_;
    std::size_t pos_ = 0;
    bool ended_ = false;
};

}  // namespace

ParsedSettings ParseSettings(std::string_view bytes, bool failed) {
    return Reader(bytes, failed).Parse();
}

std::string FormatSettings(bool option, std::span<const std::string> entries,
                           std::string_view prefix) {
    std::size_t size = prefix.size() + 3;
    for (const std::string& e : entries) size += e.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    bytes += prefix;
    bytes += option ? "1\r\n" : "0\r\n";
    for (const std::string& e : entries) {
        bytes += e;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace qf
