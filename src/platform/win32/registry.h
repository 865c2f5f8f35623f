// The registry port on the Win32 registry API. The view follows the build:
// no view flag is added.
#pragma once

#include <windows.h>

#include "platform/ports.h"

namespace qf::win {

class Win32Registry final : public Registry {
public:
    // Tests point it at a scratch key instead of HKEY_LOCAL_MACHINE.
    explicit Win32Registry(HKEY root = HKEY_LOCAL_MACHINE) : root_(root) {}
    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) override;

private:
    HKEY root_;
};

}  // namespace qf::win
