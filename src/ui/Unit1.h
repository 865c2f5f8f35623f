// Form1: the main window. It builds the controls, translates window
// messages into the core's commands and implements the view they use.
#pragma once

#include <windows.h>

#include "platform/ports.h"
#include "platform/win32/unique_handle.h"
#include "shell/form1.h"
#include "platform/win32/tray_icon.h"
#include "ui/list_box.h"

namespace qf::win {

using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;

class TMainWindow final : public MainView {
public:
    // Creates the window hidden and runs the start-up sequence.
    TMainWindow(HINSTANCE instance, Registry& registry, Shell& shell, Dialogs& dialogs,
                FileSystem& files, FileStore& store, Codec& codec);
    ~TMainWindow() override;
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    // The first show: centred on the desktop.
    void Show(int showCommand);

    // MainView
    void SetPathText(const std::string& text) override;
    bool AutoRestore() const override;
    void SetAutoRestore(bool on) override;
    void HideInternalSubmenu() override;
    void ReleaseTray() override;
    void Terminate() override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls();
    void OnCommand(unsigned id);
    bool IsChecked(unsigned id) const;
    void SetChecked(unsigned id, bool on);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND pathBox_ = nullptr;
    HMENU optionsMenu_ = nullptr;
    UniqueFont font12_;  // path box and list
    UniqueFont font10_;  // path box label
    ListBox listBox1_;
    TrayIcon tray_;
    TForm1 form_;
};

}  // namespace qf::win
