// The file port on POSIX calls, for the core's builds off Windows
// (tests and benchmarks). Errors map onto the same I/O error codes.
#pragma once

#include "platform/file_ports.h"

namespace qf::posix {

class PosixFileStore final : public FileStore {
public:
    bool IsRegularFile(const std::string& path) override;
    FileRead ReadAll(const std::string& path) override;
    void ReplaceAll(const std::string& path, std::string_view bytes) override;
};

// The I/O error code for an errno value.
int IoCodeFromErrno(int error);

}  // namespace qf::posix
