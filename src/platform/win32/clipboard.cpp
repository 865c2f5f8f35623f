#include "platform/win32/clipboard.h"

#include <cstring>
#include <new>

#include "platform/errors.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {

namespace {

using UniqueGlobal = UniqueHandle<HGLOBAL, &GlobalFree>;

// Closes the clipboard on every way out of SetText.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        if (!OpenClipboard(owner)) throw ClipboardError(kCannotOpenClipboard);
    }
    ~OpenedClipboard() { CloseClipboard(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
};

UniqueGlobal CopyToGlobal(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* data = memory ? GlobalLock(memory.get()) : nullptr;
    if (!data) throw std::bad_alloc();
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory.get());
    return memory;
}

}  // namespace

void Win32Clipboard::SetText(const std::string& text) {
    UniqueGlobal memory = CopyToGlobal(Widen(text));
    const OpenedClipboard clipboard(owner_);
    EmptyClipboard();
    // The clipboard owns the memory once it took it.
    if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
}

}  // namespace qf::win
