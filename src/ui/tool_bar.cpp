#include "ui/tool_bar.h"

#include <string>
#include <vector>

#include "platform/win32/text.h"

namespace qf::win {

namespace {

constexpr SIZE kButton{71, 28};

}  // namespace

void ToolBar::Create(HWND parent, unsigned controlId, std::span<const ToolButtonRow> buttons,
                     HFONT font) {
    buttons_ = buttons;
    hwnd_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS |
                                CCS_TOP | CCS_NODIVIDER,
                            0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                            nullptr);
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // No image list: the buttons show their captions only, whole: four
    // characters fill the button's width.
    SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    SendMessageW(hwnd_, TB_SETPADDING, 0, MAKELPARAM(0, 0));
    SendMessageW(hwnd_, TB_SETDRAWTEXTFLAGS, DT_END_ELLIPSIS, 0);

    std::vector<std::wstring> captions;
    for (const ToolButtonRow& b : buttons) captions.push_back(Widen(b.caption));
    std::vector<TBBUTTON> rows;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TBBUTTON row{};
        row.iBitmap = I_IMAGENONE;
        row.idCommand = static_cast<int>(buttons[i].id);
        row.fsState = TBSTATE_ENABLED;
        row.fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT;
        row.iString = reinterpret_cast<INT_PTR>(captions[i].c_str());
        rows.push_back(row);
    }
    SendMessageW(hwnd_, TB_ADDBUTTONSW, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    SendMessageW(hwnd_, TB_SETBUTTONWIDTH, 0, MAKELPARAM(kButton.cx, kButton.cx));
    SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButton.cx, kButton.cy));
    FollowParentWidth();
}

bool ToolBar::OnNotify(NMHDR* header) const {
    if (header->code != TTN_GETDISPINFOW) return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    for (const ToolButtonRow& b : buttons_) {
        if (b.id != header->idFrom) continue;
        // The tooltip copies the text at once; a static buffer outlives the call.
        static std::wstring hint;
        hint = Widen(b.hint);
        info->lpszText = hint.data();
        return true;
    }
    return false;
}

}  // namespace qf::win
