#include "platform/posix/iconv_codec.h"

#include <cerrno>
#include <stdexcept>

namespace qf::posix {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

iconv_t Open(const char* to, const char* from) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: no code page 936");
    return cd;
}

// Converts all of `in`; on a byte sequence it cannot convert, calls
// `onInvalid(out)` and goes on after one byte if it returns true.
template <class OnInvalid>
bool Convert(iconv_t cd, std::string_view in, std::string& out, OnInvalid onInvalid) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    out.clear();
    while (srcLeft > 0) {
        char buffer[512];
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst);
        if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        if (!onInvalid(out)) return false;
        ++src;
        --srcLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

}  // namespace

IconvCodec::IconvCodec() : toGbk_(Open("CP936", "UTF-8")), fromGbk_(Open("UTF-8", "CP936")) {}

IconvCodec::~IconvCodec() {
    iconv_close(toGbk_);
    iconv_close(fromGbk_);
}

std::optional<std::string> IconvCodec::ToGbk(std::string_view utf8) {
    std::string gbk;
    if (!Convert(toGbk_, utf8, gbk, [](std::string&) { return false; })) return std::nullopt;
    return gbk;
}

std::string IconvCodec::FromGbk(std::string_view gbk) {
    std::string utf8;
    Convert(fromGbk_, gbk, utf8, [](std::string& out) {
        out += kReplacement;
        return true;
    });
    return utf8;
}

}  // namespace qf::posix
