#include "ui/Unit2.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>

#include "../../res/resource.h"
#include "help/links.h"
#include "platform/win32/text.h"
#include "ui/command_ids.h"

namespace qf::win {

namespace {

enum Control : int {
    Panel1 = 101,
    ProgramIcon,
    ProductName,
    Version,
    Label1,
    Comments,
    OKButton = IDOK,
};

constexpr SIZE kClient{369, 265};
constexpr POINT kPanel{6, 8};

struct ControlRow {
    int id;
    const wchar_t* cls;
    DWORD style;
    RECT r;  // inside the panel, except for the button
};

// Labels keep their size; SS_NOTIFY lets them report clicks.
constexpr DWORD kLabel = SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
constexpr ControlRow kControls[] = {
    {ProgramIcon, L"STATIC", SS_BITMAP | SS_REALSIZECONTROL, {8, 8, 8 + 65, 8 + 57}},
    {ProductName, L"STATIC", kLabel, {88, 16, 88 + 209, 16 + 19}},
    {Version, L"STATIC", kLabel, {88, 46, 88 + 233, 46 + 17}},
    {Label1, L"STATIC", kLabel, {8, 88, 8 + 273, 88 + 25}},
    {Comments, L"STATIC", kLabel, {8, 137, 8 + 337, 137 + 26}},
};
constexpr RECT kPanelRect{kPanel.x, kPanel.y, kPanel.x + 355, kPanel.y + 201};
constexpr RECT kButtonRect{143, 221, 143 + 75, 221 + 25};

// The dialog itself: no controls in the template, they are laid out in
// pixels when it is created.
struct alignas(4) DialogTemplate {
    DLGTEMPLATE header{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 0, 0, 0, 0};
    WORD menu = 0;
    WORD windowClass = 0;
    wchar_t title[std::size(ids::kAboutCaption)] = {};
};

HFONT MakeFont(const wchar_t* face, int points, bool underline) {
    return CreateFontW(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

HWND CreateChild(HWND parent, const wchar_t* cls, DWORD style, RECT r, int id,
                 const std::string& text, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, cls, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           nullptr);
}

RECT InPanel(RECT r) {
    return {r.left + kPanel.x, r.top + kPanel.y, r.right + kPanel.x, r.bottom + kPanel.y};
}

std::string LabelText(int id) {
    switch (id) {
    case ProductName: return std::string(links::kProductLine);
    case Version: return std::string(links::kAuthorLine);
    case Label1: return links::WebLine();
    case Comments: return links::MailLine();
    }
    return {};
}

}  // namespace

TAboutBox::~TAboutBox() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void TAboutBox::Create(HINSTANCE instance, HWND owner, Shell& shell, TForm1& form) {
    instance_ = instance;
    shell_ = &shell;
    form_ = &form;
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    DialogTemplate dialog;
    std::wcscpy(dialog.title, ids::kAboutCaption);
    CreateDialogIndirectParamW(instance, &dialog.header, owner, &DialogProc,
                               reinterpret_cast<LPARAM>(this));
}

bool TAboutBox::TranslateDialogKeys(MSG& msg) const {
    return hwnd_ && IsDialogMessageW(hwnd_, &msg);
}

void TAboutBox::ShowAbout() {
    if (!placed_) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
        const int top = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
        SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        placed_ = true;
    }
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

INT_PTR CALLBACK TAboutBox::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<TAboutBox*>(lp);
        self->hwnd_ = hwnd;
        self->clipboard_.SetOwner(hwnd);
        SetWindowLongPtrW(hwnd, DWLP_USER, lp);
    }
    auto* self = reinterpret_cast<TAboutBox*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self ? self->HandleMessage(msg, wp, lp) : FALSE;
}

INT_PTR TAboutBox::HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        CreateControls();
        SetFocus(GetDlgItem(hwnd_, OKButton));
        return FALSE;
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        return TRUE;
    case WM_CLOSE:
        // The title-bar button and the system menu hide it, like OK.
        ShowWindow(hwnd_, SW_HIDE);
        return TRUE;
    case WM_DESTROY:
        hwnd_ = nullptr;
        return FALSE;
    }
    return FALSE;
}

void TAboutBox::CreateControls() {
    RECT frame{0, 0, kClient.cx, kClient.cy};
    AdjustWindowRectEx(&frame, GetWindowLongW(hwnd_, GWL_STYLE), FALSE,
                       GetWindowLongW(hwnd_, GWL_EXSTYLE));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);

    // Outer bevel lowered, inner raised: an etched frame.
    CreateChild(hwnd_, L"STATIC", SS_ETCHEDFRAME, kPanelRect, Panel1, "");
    for (const ControlRow& row : kControls)
        CreateChild(hwnd_, row.cls, row.style, InPanel(row.r), row.id, LabelText(row.id));
    CreateChild(hwnd_, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, kButtonRect, OKButton, "OK");

    picture_.reset(static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDB_ABOUT), IMAGE_BITMAP, 0, 0, 0)));
    SendDlgItemMessageW(hwnd_, ProgramIcon, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(picture_.get()));
    // SS_BITMAP fits the control to the picture; keep the designed box.
    const RECT icon = InPanel(kControls[0].r);
    SetWindowPos(GetDlgItem(hwnd_, ProgramIcon), nullptr, icon.left, icon.top,
                 icon.right - icon.left, icon.bottom - icon.top, SWP_NOZORDER);

    dialogFont_.reset(MakeFont(L"MS Sans Serif", 8, false));
    songFont_.reset(MakeFont(L"宋体", 10, false));
    songUnderlined_.reset(MakeFont(L"宋体", 10, true));
    const std::pair<int, HFONT> fonts[] = {
        {ProductName, dialogFont_.get()}, {Version, dialogFont_.get()},
        {OKButton, dialogFont_.get()},    {Label1, songUnderlined_.get()},
        {Comments, songFont_.get()},
    };
    for (const auto& [id, font] : fonts)
        SendDlgItemMessageW(hwnd_, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                                   0, 0, hwnd_, nullptr, instance_, nullptr);
    AddHint(tooltip, ProductName, "双击复制");
    AddHint(tooltip, Version, "双击复制");
    AddHint(tooltip, Comments, "单击复制到剪切板");
}

void TAboutBox::AddHint(HWND tooltip, int id, const char* text) {
    std::wstring wide = Widen(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, id));
    tool.lpszText = wide.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Escape sends IDCANCEL, which has no handler: the box has no cancel button.
void TAboutBox::OnCommand(int id, int code) {
    if (id == OKButton) return OKButtonClick();
    const auto run = [this](void (TAboutBox::*handler)()) {
        form_->Run([this, handler] { (this->*handler)(); });
    };
    if (code == STN_CLICKED && id == Comments) run(&TAboutBox::CommentsClick);
    if (code == STN_CLICKED && id == Label1) run(&TAboutBox::Label1Click);
    if (code == STN_DBLCLK && id == ProductName) run(&TAboutBox::ProductNameDblClick);
    if (code == STN_DBLCLK && id == Version) run(&TAboutBox::VersionDblClick);
    if (code == STN_DBLCLK && id == Comments) run(&TAboutBox::CommentsDblClick);
}

void TAboutBox::CopyText(const std::string& text) { clipboard_.SetText(text); }

void TAboutBox::ProductNameDblClick() { CopyText(LabelText(ProductName)); }

void TAboutBox::VersionDblClick() { CopyText(LabelText(Version)); }

void TAboutBox::CommentsClick() { CopyText(std::string(links::kMailAddress)); }

void TAboutBox::CommentsDblClick() { shell_->Open(links::MailTo(), ShowMode::Normal); }

void TAboutBox::Label1Click() { shell_->Open(std::string(links::kWebAddress), ShowMode::Normal); }

void TAboutBox::OKButtonClick() { ShowWindow(hwnd_, SW_HIDE); }

}  // namespace qf::win
