#include "ui/Unit1.h"

#include <windowsx.h>

#include <array>

#include "../../res/resource.h"
#include "platform/win32/text.h"
#include "ui/command_ids.h"
#include "ui/help_menus.h"
#include "ui/menus.h"

namespace qf::win {

namespace {

// Design geometry at 96 dpi.
constexpr int kWindowWidth = 610;
constexpr int kWindowHeight = 452;
constexpr RECT kPathBox{64, 64, 64 + 472, 64 + 28};
constexpr SIZE kPathLabel{152, 16};
constexpr RECT kList{64, 117, 64 + 473, 117 + 225};
constexpr RECT kShape1{64, 103, 64 + 472, 103 + 6};
constexpr COLORREF kGrey = RGB(128, 128, 128);
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

// PopupMenu1, the tray icon's menu. Edge separators are never shown.
constexpr MenuRow kTrayMenu[] = {
    {ids::youjianhuifu, "恢复系统原来的设置"},
    kSeparator,
    {ids::N5, "退出"},
    kSeparator,  // lastmenu
};

// PopupMenu2, the list's pop-up menu.
constexpr MenuRow kPopupMenu2[] = {
    {ids::N25, "拷贝当前路径到剪切板"},
};

constexpr MenuRow kFileMenu[] = {
    {ids::baocun, "保存设置文件"},
    kSeparator,
    {ids::diaoru, "调入设置文件"},
};

constexpr MenuRow kEditMenu[] = {
    {ids::zenjia, "增加软件安装路径"},
    kSeparator,
    {ids::N22, "修改软件安装路径"},
    kSeparator,
    {ids::ProgramFiles1, "设定当前 Program Files 的路径"},
    kSeparator,
    {ids::N3, "单项删除"},
    kSeparator,
    {ids::N9, "全部删除"},
    kSeparator,
    {ids::huifuyuanlai, "恢复系统原来的设置"},
};

constexpr ToolButtonRow kToolBar1[] = {
    {ids::zenjia, "增加", "增加软件安装路径"},
    {ids::ProgramFiles1, "设定", "设定当前 Program Files 的路径"},
    {ids::N3, "单项删除", "单项删除"},
};

constexpr MenuRow kMainMenu[] = {
    {ids::N7, "  文件  ", false, kFileMenu},
    {ids::N6, "编辑  ", false, kEditMenu},
    {ids::N1, "选项  ", false, kOptionsMenu},
    kHelpMenuRow,
    kLinksMenuRow,
};

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool HasFace(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, &FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// MS Sans Serif where the system has it, else the closest face it has.
const wchar_t* FontFace() {
    static const wchar_t* const face = [] {
        for (const wchar_t* f : {L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"})
            if (HasFace(f)) return f;
        return L"MS Shell Dlg";
    }();
    return face;
}

// A font of the given point size at 96 dpi.
UniqueFont MakeFont(int points) {
    return UniqueFont(CreateFontW(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                  FontFace()));
}

// Shape1: the grey bar between the path box and the list, outlined black.
void PaintShape1(HDC dc) {
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SetDCBrushColor(dc, kGrey);
    Rectangle(dc, kShape1.left, kShape1.top, kShape1.right, kShape1.bottom);
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
                         Dialogs& dialogs, FileSystem& files, FileStore& store, Codec& codec,
                         AboutView& about, RecordStore& record)
    : instance_(instance),
      trayMenu_(BuildPopupMenu(kTrayMenu)),
      form_(Ports{registry, shell, dialogs, files, *this, listBox1_, *this, clipboard_, sound_,
                  picker_, about, store, codec, record}),
      menuImages_(instance, IDB_MENU_IMAGES) {
    RegisterMainClass(instance, &WindowProc);
    HMENU menu = BuildMenuBar(kMainMenu, menuImages_.Handles());
    optionsMenu_ = SubMenuById(menu, ids::N1);
    if (!CreateWindowExW(0, ids::kMainClass, Widen(kAppTitle).c_str(), WS_OVERLAPPEDWINDOW,
                         CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, menu,
                         instance, this))
        return;  // the program entry ends the run: there is no window to show
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
    WireListBox1Drag();
    popupMenu2_ = UniqueMenu(BuildPopupMenu(kPopupMenu2));
    clipboard_.SetOwner(hwnd_);
    font12_ = MakeFont(12);
    font10_ = MakeFont(10);
    toolBar1_.Create(hwnd_, ids::ToolBar1, kToolBar1, font12_.get());
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
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        const int saved = SaveDC(dc);
        PaintShape1(dc);
        RestoreDC(dc, saved);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_SIZE:
        toolBar1_.FollowParentWidth();
        return 0;
    case WM_NOTIFY:
        if (toolBar1_.OnNotify(reinterpret_cast<NMHDR*>(lp))) return 0;
        break;
    case WM_COMMAND:
        if (LOWORD(wp) == ids::ListBox1) {
            OnListBox1(HIWORD(wp));
            return 0;
        }
        OnCommand(LOWORD(wp));
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wp) == listBox1_.hwnd()) {
            ShowPopupMenu2(lp);
            return 0;
        }
        break;
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
    case ids::kTrayMessage:
        OnTrayMouse(static_cast<UINT>(lp));
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_MINIMIZE) {
            form_.MinimizeCommand();
            return 0;
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
    case ids::N5: form_.RunCommand(&TForm1::N5Click); break;
    case ids::youjianhuifu: form_.RunCommand(&TForm1::youjianhuifuClick); break;
    case ids::zidonghuifu:
    case ids::mycopy:
        SetChecked(id, !IsChecked(id));
        break;
    case ids::zenjia: form_.RunCommand(&TForm1::zenjiaClick); break;
    case ids::N22: form_.RunCommand(&TForm1::N22Click); break;
    case ids::ProgramFiles1: form_.RunCommand(&TForm1::ProgramFiles1Click); break;
    case ids::N3: form_.RunCommand(&TForm1::N3Click); break;
    case ids::N9: form_.RunCommand(&TForm1::N9Click); break;
    case ids::huifuyuanlai: form_.RunCommand(&TForm1::huifuyuanlaiClick); break;
    case ids::N25: form_.RunCommand(&TForm1::N25Click); break;
    case ids::N13: form_.RunCommand(&TForm1::N13Click); break;
    case ids::N15: form_.RunCommand(&TForm1::N15Click); break;
    case ids::N17: form_.RunCommand(&TForm1::N17Click); break;
    case ids::N19: form_.RunCommand(&TForm1::N19Click); break;
    case ids::N1001: form_.RunCommand(&TForm1::N1001Click); break;
    case ids::N50: form_.RunCommand(&TForm1::N50Click); break;
    case ids::N52: form_.RunCommand(&TForm1::N52Click); break;
    case ids::N26: form_.RunCommand(&TForm1::N26Click); break;
    case ids::N21: form_.RunCommand(&TForm1::N21Click); break;
    case ids::N37: form_.RunCommand(&TForm1::N37Click); break;
    case ids::mr1: form_.RunCommand(&TForm1::mr1Click); break;
    case ids::mr2: form_.RunCommand(&TForm1::mr2Click); break;
    case ids::mr3: form_.RunCommand(&TForm1::mr3Click); break;
    case ids::mr4: form_.RunCommand(&TForm1::mr4Click); break;
    case ids::mr5: form_.RunCommand(&TForm1::mr5Click); break;
    case ids::mr6: form_.RunCommand(&TForm1::mr6Click); break;
    case ids::mr7: form_.RunCommand(&TForm1::mr7Click); break;
    case ids::mr8: form_.RunCommand(&TForm1::mr8Click); break;
    case ids::mr9: form_.RunCommand(&TForm1::mr9Click); break;
    case ids::mr10: form_.RunCommand(&TForm1::mr10Click); break;
    case ids::my2: form_.RunCommand(&TForm1::my2Click); break;
    case ids::my3: form_.RunCommand(&TForm1::my3Click); break;
    case ids::my4: form_.RunCommand(&TForm1::my4Click); break;
    case ids::my5: form_.RunCommand(&TForm1::my5Click); break;
    case ids::my6: form_.RunCommand(&TForm1::my6Click); break;
    case ids::my7: form_.RunCommand(&TForm1::my7Click); break;
    case ids::my8: form_.RunCommand(&TForm1::my8Click); break;
    case ids::my9: form_.RunCommand(&TForm1::my9Click); break;
    case ids::my10: form_.RunCommand(&TForm1::my10Click); break;
    case ids::baocun: form_.RunCommand(&TForm1::baocunClick); break;
    case ids::diaoru: form_.RunCommand(&TForm1::diaoruClick); break;
    }
}

void TMainWindow::OnTrayMouse(UINT mouseMessage) {
    static constexpr struct {
        UINT message;
        TrayMouse event;
    } kEvents[] = {
        {WM_LBUTTONDOWN, TrayMouse::LeftDown},   {WM_LBUTTONUP, TrayMouse::LeftUp},
        {WM_LBUTTONDBLCLK, TrayMouse::LeftDouble}, {WM_MBUTTONDOWN, TrayMouse::MiddleDown},
        {WM_MBUTTONUP, TrayMouse::MiddleUp},     {WM_MBUTTONDBLCLK, TrayMouse::MiddleDouble},
        {WM_RBUTTONUP, TrayMouse::RightUp},
    };
    for (const auto& e : kEvents) {
        if (e.message != mouseMessage) continue;
        switch (trayClicks_.On(e.event)) {
        case TrayAction::Click: form_.RunCommand(&TForm1::CnTrayIcon1Click); break;
        case TrayAction::Menu: ShowTrayMenu(); break;
        case TrayAction::None: break;
        }
    }
}

void TMainWindow::ShowTrayMenu() {
    POINT at;
    GetCursorPos(&at);
    // Without the foreground the menu would not close when clicked away.
    SetForegroundWindow(hwnd_);
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    TrackPopupMenuEx(trayMenu_.get(), align | TPM_RIGHTBUTTON, at.x, at.y, hwnd_, nullptr);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

// A selection set in code sends no LBN_SELCHANGE: only the user's runs
// the selection handler.
void TMainWindow::OnListBox1(unsigned notification) {
    switch (notification) {
    case LBN_SELCHANGE: form_.RunCommand(&TForm1::ListBox1Click); break;
    case LBN_DBLCLK: form_.RunCommand(&TForm1::ListBox1DblClick); break;
    }
}

// At the pointer, or below the list's corner when opened from the keyboard;
// the selection stays as it is.
void TMainWindow::ShowPopupMenu2(LPARAM screenPoint) {
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (screenPoint == -1) {
        RECT list;
        GetWindowRect(listBox1_.hwnd(), &list);
        at = {list.left, list.top};
    }
    TrackPopupMenu(popupMenu2_.get(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
}

void TMainWindow::WireListBox1Drag() {
    listBox1_.OnDrag({
        [this](int x, int y) { form_.Run([&] { form_.ListBox1StartDrag(x, y); }); },
        [this] { return form_.ListBox1DragOver(listBox1_); },
        [this](int x, int y) { form_.Run([&] { form_.ListBox1DragDrop(x, y); }); },
    });
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

bool TMainWindow::AutoCopy() const { return IsChecked(ids::mycopy); }

void TMainWindow::SetAutoCopy(bool on) { SetChecked(ids::mycopy, on); }

// To the taskbar, keeping its button.
void TMainWindow::Minimize() { ShowWindow(hwnd_, SW_MINIMIZE); }

}  // namespace qf::win

namespace qf::win {

Size TMainWindow::ScreenSize() const {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Size TMainWindow::WindowSize() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void TMainWindow::SetWindowHeight(int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, WindowSize().width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainWindow::SetWindowWidth(int width) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, WindowSize().height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TMainWindow::IsIconic() const { return ::IsIconic(hwnd_); }

void TMainWindow::RestoreFromTray() {
    ShowWindow(hwnd_, SW_RESTORE);
    SetForegroundWindow(hwnd_);
}

void TMainWindow::HideToTray() {
    if (!::IsIconic(hwnd_)) ShowWindow(hwnd_, SW_MINIMIZE);
    // A hidden window has no taskbar button; minimized it stays iconic.
    ShowWindow(hwnd_, SW_HIDE);
}

void TMainWindow::CloseRequest() { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

// Skins come in a third-party format that this program does not read: with
// or without a skin file, the window keeps the standard look.
void TMainWindow::ApplySkin(const std::string&) {}

}  // namespace qf::win
