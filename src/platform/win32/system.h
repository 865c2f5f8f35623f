// The shell, box and file-system ports on the Win32 API.
#pragma once

#include "platform/ports.h"

namespace qf::win {

class Win32Shell final : public Shell {
public:
    void ChangeNotify(long eventId, unsigned flags) override;
    void Open(const std::string& target, ShowMode mode) override;
};

class Win32Dialogs final : public Dialogs {
public:
    void ErrorBox(const std::string& text) override;
    void ErrorReport(const std::string& text) override;
    void PlainMessage(const std::string& text) override;
    void Message(const std::string& text, const std::string& caption) override;
};

class Win32FileSystem final : public FileSystem {
public:
    std::string CurrentDirectory() override;
    bool DirectoryExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::string FullPath(const std::string& path) override;
    bool ChangeCurrentDirectory(const std::string& path) override;
};

}  // namespace qf::win
