// The clipboard adapter against the real clipboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <future>
#include <thread>

#include "platform/errors.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/text.h"

namespace qf::win {
namespace {

// The clipboard's text in one format, "" when it has none.
std::string ClipboardData(UINT format) {
    if (!OpenClipboard(nullptr)) return "(cannot open)";
    std::string text;
    if (HANDLE data = GetClipboardData(format)) {
        const void* locked = GlobalLock(data);
        text = format == CF_UNICODETEXT ? Narrow(static_cast<const wchar_t*>(locked))
                                        : std::string(static_cast<const char*>(locked));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(ClipboardAdapter, SetsTextThatReadsBackAsUnicodeAndAsAnsi) {
    Win32Clipboard clipboard;
    clipboard.SetText("D:\\青枫 软件");
    EXPECT_EQ(ClipboardData(CF_UNICODETEXT), "D:\\青枫 软件");

    clipboard.SetText("C:\\Program Files\\Qf");
    EXPECT_EQ(ClipboardData(CF_UNICODETEXT), "C:\\Program Files\\Qf");
    EXPECT_EQ(ClipboardData(CF_TEXT), "C:\\Program Files\\Qf");
}

// A window to own the clipboard, destroyed with the scope.
struct OwnerWindow {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                nullptr, nullptr);
    ~OwnerWindow() { DestroyWindow(hwnd); }
};

TEST(ClipboardAdapter, HeldByAnotherWindowGivesCannotOpenClipboard) {
    const OwnerWindow owner;
    Win32Clipboard clipboard;
    clipboard.SetOwner(owner.hwnd);
    clipboard.SetText("before");
    std::promise<bool> opened;
    std::promise<void> done;
    // Another program's window, as far as the clipboard can tell.
    std::thread holder([&] {
        const OwnerWindow other;
        opened.set_value(OpenClipboard(other.hwnd) != FALSE);
        done.get_future().wait();
        CloseClipboard();
    });
    ASSERT_TRUE(opened.get_future().get());
    try {
        clipboard.SetText("after");
        ADD_FAILURE() << "no error while the clipboard is held";
    } catch (const ClipboardError& e) {
        EXPECT_STREQ(e.what(), "Cannot open clipboard");
    }
    done.set_value();
    holder.join();
    EXPECT_EQ(ClipboardData(CF_UNICODETEXT), "before");
}

}  // namespace
}  // namespace qf::win
