// The registry port on the Win32 registry API. Without a view flag the view
// follows the build, as the window program wants; the command-line tool
// names the view (KEY_WOW64_32KEY, KEY_WOW64_64KEY).
#pragma once

#include <windows.h>

#include "platform/ports.h"

namespace qf::win {

class Win32Registry final : public Registry {
public:
    // Tests point it at a scratch key instead of HKEY_LOCAL_MACHINE.
    explicit Win32Registry(HKEY root = HKEY_LOCAL_MACHINE, REGSAM view = 0)
        : root_(root), view_(view) {}
    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) override;

private:
    HKEY root_;
    REGSAM view_;
};

}  // namespace qf::win
