// Program entry: the main window, then the message loop.
#include <windows.h>

#include "platform/win32/BrowseForFolderU.h"
#include "platform/win32/file_store.h"
#include "platform/win32/record_store.h"
#include "platform/win32/registry.h"
#include "platform/win32/system.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const qf::win::ComApartment com;
    qf::win::Win32Registry registry;
    qf::win::Win32Shell shell;
    qf::win::Win32Dialogs dialogs;
    qf::win::Win32FileSystem files;
    qf::win::Win32FileStore store;
    qf::win::Win32Codec codec;
    qf::win::Win32RecordStore record;
    // Form1 needs the about box's view; its window comes after Form1's.
    qf::win::TAboutBox aboutBox;
    qf::win::TMainWindow form1(instance, registry, shell, dialogs, files, store, codec, aboutBox,
                                record);
    if (!form1.hwnd()) return 1;
    aboutBox.Create(instance, form1.hwnd(), shell, form1.Form());
    form1.Show(showCommand);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (aboutBox.TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
