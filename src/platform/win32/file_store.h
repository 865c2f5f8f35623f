// The file and codec ports on the Win32 API.
#pragma once

#include "platform/file_ports.h"

namespace qf::win {

class Win32FileStore final : public FileStore {
public:
    bool IsRegularFile(const std::string& path) override;
    FileRead ReadAll(const std::string& path) override;
    // Writes a temporary file beside the target, flushes it to disk and
    // moves it over the target in one step.
    void ReplaceAll(const std::string& path, std::string_view bytes) override;
};

// Code page 936.
class Win32Codec final : public Codec {
public:
    std::optional<std::string> ToGbk(std::string_view utf8) override;
    std::string FromGbk(std::string_view gbk) override;
};

// The I/O error code for a Windows error code.
int IoCodeFromWindows(unsigned long error);

}  // namespace qf::win
