// The clipboard port on the Win32 clipboard.
#pragma once

#include <windows.h>

#include "platform/ports.h"

namespace qf::win {

class Win32Clipboard final : public Clipboard {
public:
    // The window that owns the clipboard while the program sets it.
    void SetOwner(HWND owner) { owner_ = owner; }
    // Unicode text; Windows derives the ANSI text from it on request.
    void SetText(const std::string& text) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace qf::win
