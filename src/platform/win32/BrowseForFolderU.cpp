#include "platform/win32/BrowseForFolderU.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {

namespace {

// Memory the shell hands out, released through its task allocator.
using UniqueIdList = UniqueHandle<PIDLIST_ABSOLUTE, &CoTaskMemFree>;
using UniqueShellText = UniqueHandle<PWSTR, &CoTaskMemFree>;

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM startFolder) {
    if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, startFolder);
    return 0;
}

// The whole file-system path of the item, however long; "" when it has
// none.
std::string FileSystemPath(PCIDLIST_ABSOLUTE item) {
    UniqueShellText path;
    if (FAILED(SHGetNameFromIDList(item, SIGDN_FILESYSPATH, path.put()))) return {};
    return Narrow(path.get());
}

}  // namespace

std::string BrowseForFolderU::BrowseForFolder(const std::string& title,
                                              const std::string& initialFolder) {
    const std::wstring wideTitle = Widen(title);
    const std::wstring startFolder = Widen(initialFolder);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.pszDisplayName = displayName;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    if (!startFolder.empty()) {
        info.lpfn = &BrowseCallback;
        info.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
    }
    const UniqueIdList chosen(SHBrowseForFolderW(&info));
    return chosen ? FileSystemPath(chosen.get()) : std::string();
}

ComApartment::ComApartment()
    : initialised_(SUCCEEDED(
          CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
    if (initialised_) CoUninitialize();
}

}  // namespace qf::win
