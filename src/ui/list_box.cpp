#include "ui/list_box.h"

#include "platform/win32/text.h"

namespace qf::win {

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

void ListBox::SetHint(const std::string& text) { hint_ = text; }

}  // namespace qf::win
