#include "ui/list_box.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>

#include "platform/win32/text.h"

namespace qf::win {

namespace {

constexpr UINT_PTR kSubclassId = 1;

HWND CreateTooltip(HWND list) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list), nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(list, GWLP_HINSTANCE)),
                           nullptr);
}

// The whole list as one tool of the tooltip.
TTTOOLINFOW HintTool(HWND list, wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(list);
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = text;
    return tool;
}

}  // namespace

void ListBox::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    tooltip_ = CreateTooltip(hwnd);
    // With an empty text the tooltip shows nothing until the first hint.
    wchar_t none[] = L"";
    TTTOOLINFOW tool = HintTool(hwnd, none);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetWindowSubclass(hwnd, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ListBox::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR self) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &SubclassProc, kSubclassId);
    return reinterpret_cast<ListBox*>(self)->HandleMouse(msg, wp, lp);
}

LRESULT ListBox::HandleMouse(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_LBUTTONDOWN: {
        // The list box selects the entry under the pointer as usual.
        const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
        Arm(at);
        return result;
    }
    case WM_MOUSEMOVE:
        // Kept from the list box while armed, or it would move the selection
        // along with the pointer.
        if (!armed_) break;
        TrackDrag(at);
        return 0;
    case WM_LBUTTONUP:
        if (armed_) {
            const bool dropping = dragging_;
            armed_ = dragging_ = false;
            const LRESULT result = DefSubclassProc(hwnd_, msg, wp, lp);
            if (dropping) Drop(at);
            return result;
        }
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != hwnd_) armed_ = dragging_ = false;
        break;
    }
    return DefSubclassProc(hwnd_, msg, wp, lp);
}

void ListBox::Arm(POINT at) {
    armed_ = true;
    dragging_ = false;
    pressedAt_ = at;
    if (GetCapture() != hwnd_) SetCapture(hwnd_);
    if (drag_.startDrag) drag_.startDrag(at.x, at.y);
}

void ListBox::TrackDrag(POINT at) {
    if (!dragging_) {
        dragging_ = std::abs(at.x - pressedAt_.x) >= GetSystemMetrics(SM_CXDRAG) ||
                    std::abs(at.y - pressedAt_.y) >= GetSystemMetrics(SM_CYDRAG);
        if (!dragging_) return;
    }
    const bool accepted = IsOverList(at) && drag_.dragOver && drag_.dragOver();
    SetCursor(LoadCursorW(nullptr, accepted ? IDC_ARROW : IDC_NO));
}

void ListBox::Drop(POINT at) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    // Released anywhere else, the drag ends with no effect.
    if (IsOverList(at) && drag_.dragDrop) drag_.dragDrop(at.x, at.y);
}

bool ListBox::IsOverList(POINT at) const {
    POINT screen = at;
    ClientToScreen(hwnd_, &screen);
    return WindowFromPoint(screen) == hwnd_;
}

int ListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int ListBox::ItemIndex() const { return static_cast<int>(Send(LB_GETCURSEL)); }

void ListBox::SetItemIndex(int index) {
    // LB_SETCURSEL sends no LBN_SELCHANGE, so the selection handler stays out.
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
}

std::string ListBox::Item(int index) const {
    std::wstring text(Send(LB_GETTEXTLEN, index) + 1, L'\0');
    text.resize(Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())));
    return Narrow(text);
}

void ListBox::Add(const std::string& text) {
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void ListBox::Insert(int index, const std::string& text) {
    Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void ListBox::Delete(int index) { Send(LB_DELETESTRING, index); }

void ListBox::Replace(int index, const std::string& text) {
    const bool selected = ItemIndex() == index;
    Send(WM_SETREDRAW, FALSE);
    Delete(index);
    Insert(index, text);
    if (selected) SetItemIndex(index);
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListBox::Clear() { Send(LB_RESETCONTENT); }

void ListBox::Assign(const std::vector<std::string>& entries) {
    std::size_t chars = 0;
    for (const std::string& e : entries) chars += e.size() + 1;
    Send(WM_SETREDRAW, FALSE);
    Send(LB_RESETCONTENT);
    Send(LB_INITSTORAGE, entries.size(), chars * sizeof(wchar_t));
    for (const std::string& e : entries) Add(e);
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

int ListBox::ItemAtPos(int x, int y) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!PtInRect(&client, POINT{x, y})) return -1;
    const LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    // The high word is set when the point lies below the last entry.
    return HIWORD(hit) ? -1 : LOWORD(hit);
}

void ListBox::Repaint() {
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

void ListBox::SetHint(const std::string& text) {
    hint_ = text;
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool = HintTool(hwnd_, wide.data());
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace qf::win
