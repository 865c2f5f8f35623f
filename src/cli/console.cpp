#include "cli/console.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace qf::cli {

namespace {

void Print(DWORD stream, const std::string& utf8) {
    const HANDLE out = GetStdHandle(stream);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring text = win::Widen(utf8);
        WriteConsoleW(out, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
}

}  // namespace

void PrintOut(const std::string& utf8) { Print(STD_OUTPUT_HANDLE, utf8); }
void PrintError(const std::string& utf8) { Print(STD_ERROR_HANDLE, utf8); }

}  // namespace qf::cli
