// The codec port on glibc's iconv, for the core's builds off Windows
// (tests, fuzzing, benchmarks).
#pragma once

#include <iconv.h>

#include "platform/file_ports.h"

namespace qf::posix {

class IconvCodec final : public Codec {
public:
    IconvCodec();
    ~IconvCodec() override;
    IconvCodec(const IconvCodec&) = delete;
    IconvCodec& operator=(const IconvCodec&) = delete;

    std::optional<std::string> ToGbk(std::string_view utf8) override;
    std::string FromGbk(std::string_view gbk) override;

private:
    iconv_t toGbk_;
    iconv_t fromGbk_;
};

}  // namespace qf::posix
