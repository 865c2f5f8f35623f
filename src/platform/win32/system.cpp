#include "platform/win32/system.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/text.h"
#include "shell/form1.h"

namespace qf::win {

void Win32Shell::ChangeNotify(long eventId, unsigned flags) {
    SHChangeNotify(eventId, flags, nullptr, nullptr);
}

// The active window is the one whose command asked: the main window for
// its menus, the about box for its own clicks.
void Win32Shell::Open(const std::string& target, ShowMode mode) {
    ShellExecuteW(GetActiveWindow(), L"open", Widen(target).c_str(), nullptr, nullptr,
                  mode == ShowMode::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

namespace {

// Owned by the active window of the program, so it is modal to it; with no
// active window (during start-up) it stands alone.
void Box(const std::string& text, const std::string& caption, UINT flags) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), flags);
}

}  // namespace

void Win32Dialogs::ErrorBox(const std::string& text) { Box(text, "出错", MB_OK); }

void Win32Dialogs::ErrorReport(const std::string& text) {
    Box(text, kAppTitle, MB_OK | MB_ICONERROR);
}

void Win32Dialogs::PlainMessage(const std::string& text) { Box(text, kAppTitle, MB_OK); }

void Win32Dialogs::Message(const std::string& text, const std::string& caption) {
    Box(text, caption, MB_OK);
}

std::string Win32FileSystem::CurrentDirectory() {
    std::wstring dir(GetCurrentDirectoryW(0, nullptr), L'\0');
    dir.resize(GetCurrentDirectoryW(static_cast<DWORD>(dir.size()), dir.data()));
    return Narrow(dir);
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FileSystem::FullPath(const std::string& path) {
    const std::wstring wide = Widen(path);
    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty()) return path;
    full.resize(GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                 nullptr));
    return Narrow(full);
}

bool Win32FileSystem::ChangeCurrentDirectory(const std::string& path) {
    return SetCurrentDirectoryW(Widen(path).c_str());
}

}  // namespace qf::win
