// The notification-area icon: added with the window, added again when the
// shell announces a new taskbar, removed exactly once.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace qf::win {

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const std::wstring& tip);
    // After "TaskbarCreated": the new shell has no icons yet.
    void Readd();
    void Remove();
    UINT TaskbarCreatedMessage() const { return taskbarCreated_; }

private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
    UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
};

}  // namespace qf::win
