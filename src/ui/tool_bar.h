// ToolBar1: text-only buttons along the top of the window, each with its
// own hint.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string_view>

namespace qf::win {

struct ToolButtonRow {
    unsigned id;
    std::string_view caption;
    std::string_view hint;
};

class ToolBar {
public:
    void Create(HWND parent, unsigned controlId, std::span<const ToolButtonRow> buttons, HFONT font);
    HWND hwnd() const { return hwnd_; }
    // The tool bar spans the window's width.
    void FollowParentWidth() const { SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0); }
    // Answers the tool bar's tooltip asking for a button's hint.
    bool OnNotify(NMHDR* header) const;

private:
    HWND hwnd_ = nullptr;
    std::span<const ToolButtonRow> buttons_;
};

}  // namespace qf::win
