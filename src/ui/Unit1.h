// Form1: the main window. It builds the controls, translates window
// messages into the core's commands and implements the view they use.
#pragma once

#include <windows.h>

#include "platform/ports.h"
#include "platform/win32/unique_handle.h"
#include "shell/form1.h"
#include "shell/tray_clicks.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/BrowseForFolderU.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/sound.h"
#include "ui/list_box.h"
#include "ui/tool_bar.h"
#include "ui/menu_images.h"

namespace qf::win {

using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;

class TMainWindow final : public MainView, public FormWindow {
public:
    // Creates the window hidden and runs the start-up sequence.
    TMainWindow(HINSTANCE instance, Registry& registry, Shell& shell, Dialogs& dialogs,
                FileSystem& files, FileStore& store, Codec& codec, AboutView& about,
                RecordStore& record);
    ~TMainWindow() override;
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    // The commands, for the about box's clicks.
    TForm1& Form() { return form_; }

    // The first show: centred on the desktop.
    void Show(int showCommand);

    // MainView
    void SetPathText(const std::string& text) override;
    bool AutoRestore() const override;
    void SetAutoRestore(bool on) override;
    void HideInternalSubmenu() override;
    void ReleaseTray() override;
    void Terminate() override;
    bool AutoCopy() const override;
    void SetAutoCopy(bool on) override;

    // FormWindow
    Size ScreenSize() const override;
    Size WindowSize() const override;
    void SetWindowHeight(int height) override;
    void SetWindowWidth(int width) override;
    bool IsIconic() const override;
    void RestoreFromTray() override;
    void HideToTray() override;
    void Minimize() override;
    void CloseRequest() override;
    void ApplySkin(const std::string& skinFile) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls();
    void OnCommand(unsigned id);
    void OnTrayMouse(UINT mouseMessage);
    void ShowTrayMenu();
    bool IsChecked(unsigned id) const;
    void SetChecked(unsigned id, bool on);
    void OnListBox1(unsigned notification);
    void ShowPopupMenu2(LPARAM screenPoint);
    void WireListBox1Drag();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND pathBox_ = nullptr;
    HMENU optionsMenu_ = nullptr;
    UniqueFont font12_;  // path box and list
    UniqueFont font10_;  // path box label
    ListBox listBox1_;
    ToolBar toolBar1_;
    UniqueMenu trayMenu_;
    UniqueMenu popupMenu2_;
    Win32Clipboard clipboard_;
    Win32Sound sound_;
    BrowseForFolderU picker_;
    TrayIcon tray_;
    TrayClicks trayClicks_;
    TForm1 form_;
    MenuImages menuImages_;  // outlives the menu, which only borrows them
};

}  // namespace qf::win
