#include "platform/win32/tray_icon.h"

#include <cwchar>

namespace qf::win {

void TrayIcon::Add(HWND owner, UINT id, UINT callbackMessage, HICON icon,
                   const std::wstring& tip) {
    data_.cbSize = sizeof data_;
    data_.hWnd = owner;
    data_.uID = id;
    data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    wcsncpy(data_.szTip, tip.c_str(), std::size(data_.szTip) - 1);
    // Without a notification area yet, "TaskbarCreated" brings the icon in.
    added_ = true;
    Shell_NotifyIconW(NIM_ADD, &data_);
}

void TrayIcon::Readd() {
    if (added_) Shell_NotifyIconW(NIM_ADD, &data_);
}

void TrayIcon::Remove() {
    if (!added_) return;
    added_ = false;
    Shell_NotifyIconW(NIM_DELETE, &data_);
}

}  // namespace qf::win
