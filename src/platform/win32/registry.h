// The registry port on the Win32 registry API. The window program opens
// keys with full access in its build's view; the command-line tool names the
// view (KEY_WOW64_32KEY, KEY_WOW64_64KEY) and only reads to show a value,
// which needs no administrator rights.
#pragma once

#include <windows.h>

#include "platform/ports.h"

namespace qf::win {

class Win32Registry final : public Registry {
public:
    // Tests point it at a scratch key instead of HKEY_LOCAL_MACHINE.
    explicit Win32Registry(HKEY root = HKEY_LOCAL_MACHINE, REGSAM access = KEY_ALL_ACCESS)
        : root_(root), access_(access) {}
    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) override;

private:
    HKEY root_;
    REGSAM access_;
};

}  // namespace qf::win
