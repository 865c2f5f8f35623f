// AboutBox: the about dialog. Modeless, created once, hidden rather than
// closed, so it reopens where the user left it.
#pragma once

#include <windows.h>

#include "platform/ports.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/unique_handle.h"
#include "shell/form1.h"

namespace qf::win {

class TAboutBox final : public AboutView {
public:
    TAboutBox() = default;
    ~TAboutBox() override;
    TAboutBox(const TAboutBox&) = delete;
    TAboutBox& operator=(const TAboutBox&) = delete;

    // Creates the dialog hidden, owned by the main window. Its clicks run
    // through the form, so a failure ends in the default error report.
    void Create(HINSTANCE instance, HWND owner, Shell& shell, TForm1& form);

    // For the message loop: keyboard handling of the dialog (Enter, Tab).
    bool TranslateDialogKeys(MSG& msg) const;

    // AboutView
    void ShowAbout() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls();
    void AddHint(HWND tooltip, int id, const char* text);
    void OnCommand(int id, int code);
    void CopyText(const std::string& text);

    void ProductNameDblClick();
    void VersionDblClick();
    void CommentsClick();
    void CommentsDblClick();
    void Label1Click();
    void OKButtonClick();

    using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
    using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;

    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    Shell* shell_ = nullptr;
    TForm1* form_ = nullptr;
    Win32Clipboard clipboard_;
    bool placed_ = false;
    UniqueFont dialogFont_;
    UniqueFont songFont_;
    UniqueFont songUnderlined_;
    UniqueBitmap picture_;
};

}  // namespace qf::win
