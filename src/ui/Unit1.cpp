#include "ui/Unit1.h"

#include <windowsx.h>

#include <array>

#include "../../res/resource.h"
#include "platform/win32/text.h"
#include "ui/command_ids.h"
#include "ui/menus.h"

namespace qf::win {

namespace {

// Design geometry at 96 dpi.
constexpr int kWindowWidth = 610;
constexpr int kWindowHeight = 452;
constexpr RECT kPathBox{64, 64, 64 + 472, 64 + 28};
constexpr SIZE kPathLabel{152, 16};
constexpr RECT kList{64, 117, 64 + 473, 117 + 225};
constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

constexpr MenuRow kInternalMenu[] = {
    {ids::xiugaipro, "修改 Program Files 路径"},
    {ids::cuangtisuofang, "窗体启动缩放"},
    {ids::huanpifu, "换皮肤"},
};

constexpr MenuRow kOptionsMenu[] = {
    {ids::zidonghuifu, "退出时自动恢复系统原来的设置", true},
    kSeparator,
    {ids::mycopy, "路径自动拷贝到剪切板", true},
    {ids::qidongyincang, "启动时隐藏", false, kInternalMenu},
};

constexpr MenuRow kFileMenu[] = {
    {ids::baocun, "保存设置文件"},
    kSeparator,
    {ids::diaoru, "调入设置文件"},
};

constexpr MenuRow kMainMenu[] = {
    {ids::N7, "  文件  ", false, kFileMenu},
    {ids::N1, "选项  ", false, kOptionsMenu},
};

// A font of the given point size at 96 dpi.
UniqueFont MakeFont(int points) {
    return UniqueFont(CreateFontW(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                  L"MS Sans Serif"));
}

HWND CreateChild(HWND parent, const wchar_t* cls, DWORD style, RECT r, unsigned id,
                 DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           nullptr);
}

ATOM RegisterMainClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = ids::kMainClass;
    return RegisterClassExW(&wc);
}

}  // namespace

TMainWindow::TMainWindow(HINSTANCE instance, Registry& registry, Shell& shell,
                         Dialogs& dialogs, FileSystem& files, FileStore& store, Codec& codec)
    : instance_(instance),
      form_(Ports{registry, shell, dialogs, files, *this, listBox1_, store, codec}) {
    RegisterMainClass(instance, &WindowProc);
    HMENU menu = BuildMenuBar(kMainMenu);
    optionsMenu_ = SubMenuById(menu, ids::N1);
    CreateWindowExW(0, ids::kMainClass, Widen(kAppTitle).c_str(), WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, menu,
                    instance, this);
    tray_.Add(hwnd_, ids::kTrayIconId, ids::kTrayMessage,
              LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN)), Widen("青枫目录台"));
    form_.RunCommand(&TForm1::FormCreate);
}

TMainWindow::~TMainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void TMainWindow::Show(int showCommand) {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int left = (GetSystemMetrics(SM_CXVIRTUALSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYVIRTUALSCREEN) - height) / 2;
    SetWindowPos(hwnd_, nullptr, left < 0 ? 0 : left, top < 0 ? 0 : top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd_, showCommand);
}

void TMainWindow::CreateControls() {
    constexpr DWORD kPathStyle = WS_TABSTOP | ES_AUTOHSCROLL;
    pathBox_ = CreateChild(hwnd_, L"EDIT", kPathStyle, kPathBox, ids::LabeledEdit1,
                           WS_EX_CLIENTEDGE);
    const RECT labelRect{kPathBox.left, kPathBox.top - 3 - kPathLabel.cy,
                         kPathBox.left + kPathLabel.cx, kPathBox.top - 3};
    HWND label = CreateChild(hwnd_, L"STATIC", SS_LEFT, labelRect, ids::LabeledEdit1Label);
    SetWindowTextW(label, Widen("当前 Program Files 路径__").c_str());
    constexpr DWORD kListStyle = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    listBox1_.Attach(CreateChild(hwnd_, L"LISTBOX", kListStyle, kList, ids::ListBox1,
                                 WS_EX_CLIENTEDGE));
    font12_ = MakeFont(12);
    font10_ = MakeFont(10);
    SendMessageW(pathBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font12_.get()), FALSE);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font10_.get()), FALSE);
    SendMessageW(listBox1_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font12_.get()), FALSE);
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<TMainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TMainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->HandleMessage(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT TMainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == tray_.TaskbarCreatedMessage()) {
        tray_.Readd();
        return 0;
    }
    switch (msg) {
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wp));
        return 0;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == ids::LabeledEdit1Label) {
            SetBkColor(reinterpret_cast<HDC>(wp), kLime);
            SetDCBrushColor(reinterpret_cast<HDC>(wp), kLime);
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        break;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lp) == pathBox_) {
            SetTextColor(reinterpret_cast<HDC>(wp), kRed);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_CLOSE:
        // The shutdown sequence ends the program itself, or leaves it running.
        form_.RunCommand(&TForm1::FormClose);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wp) form_.FormEndSession();
        return 0;
    case WM_DESTROY:
        hwnd_ = nullptr;
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void TMainWindow::OnCommand(unsigned id) {
    switch (id) {
    case ids::zidonghuifu:
    case ids::mycopy:
        SetChecked(id, !IsChecked(id));
        break;
    case ids::baocun: form_.RunCommand(&TForm1::baocunClick); break;
    case ids::diaoru: form_.RunCommand(&TForm1::diaoruClick); break;
    }
}

bool TMainWindow::IsChecked(unsigned id) const {
    return GetMenuState(optionsMenu_, id, MF_BYCOMMAND) & MF_CHECKED;
}

void TMainWindow::SetChecked(unsigned id, bool on) {
    CheckMenuItem(optionsMenu_, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void TMainWindow::SetPathText(const std::string& text) {
    SetWindowTextW(pathBox_, Widen(text).c_str());
}

bool TMainWindow::AutoRestore() const { return IsChecked(ids::zidonghuifu); }

void TMainWindow::SetAutoRestore(bool on) { SetChecked(ids::zidonghuifu, on); }

void TMainWindow::HideInternalSubmenu() { DeleteMenuItemById(optionsMenu_, ids::qidongyincang); }

void TMainWindow::ReleaseTray() { tray_.Remove(); }

void TMainWindow::Terminate() { PostQuitMessage(0); }

}  // namespace qf::win
