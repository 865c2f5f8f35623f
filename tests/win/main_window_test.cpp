// The main window built in this process, with fakes behind it: its menus
// read back through the menu API (another process's menus cannot be read),
// its controls' places, its tool bar and its tray menu.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "../host/fake_record_store.h"
#include "../host/fakes.h"
#include "help/links.h"
#include "platform/win32/file_store.h"
#include "platform/win32/text.h"
#include "ui/Unit1.h"
#include "ui/command_ids.h"

namespace qf::win {
namespace {

using test::Log;

// One row of a menu as seen on screen: depth 0 is the menu bar.
struct Row {
    int depth;
    std::string caption;  // "-" for a separator
    bool checked = false;
    bool picture = false;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << std::string(r.depth * 2, ' ') << r.caption << (r.checked ? " [x]" : "")
        << (r.picture ? " (picture)" : "");
}

void Walk(HMENU menu, int depth, std::vector<Row>& rows) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_BITMAP | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        rows.push_back({depth, info.fType & MFT_SEPARATOR ? "-" : Narrow(text),
                        (info.fState & MFS_CHECKED) != 0, info.hbmpItem != nullptr});
        if (info.hSubMenu) Walk(info.hSubMenu, depth + 1, rows);
    }
}

std::vector<Row> Rows(HMENU menu) {
    std::vector<Row> rows;
    Walk(menu, 0, rows);
    return rows;
}

// The menus as the user sees them; "启动时隐藏" and its items never appear.
std::vector<Row> ExpectedMainMenu() {
    const std::string sep = "-";
    std::vector<Row> rows = {
        {0, "  文件  "}, {1, "保存设置文件"}, {1, sep}, {1, "调入设置文件"},
        {0, "编辑  "}, {1, "增加软件安装路径"}, {1, sep}, {1, "修改软件安装路径"}, {1, sep},
        {1, "设定当前 Program Files 的路径"}, {1, sep}, {1, "单项删除"}, {1, sep},
        {1, "全部删除"}, {1, sep}, {1, "恢复系统原来的设置"},
        {0, "选项  "}, {1, "退出时自动恢复系统原来的设置", true}, {1, sep},
        {1, "路径自动拷贝到剪切板", true},
        {0, "帮助  "}, {1, "帮助", false, true}, {1, sep}, {1, "个人介绍", false, true},
        {1, sep}, {1, "关于"}, {1, sep}, {1, "晴川意见簿"}, {1, sep},
        {1, "★★★ 杀软神器", false, true}, {2, "100%杀毒软件"}, {2, sep}, {2, "主动防御"},
        {2, sep}, {2, "保护你的账号"}, {1, sep}, {1, "接受定做软件"}, {1, sep},
        {1, "欢迎给我来信"}, {1, sep}, {1, "本软升级页面"},
        {0, "友情链接"}, {1, "青枫软件", false, true},
    };
    const links::Link* programs[] = {&links::mr1, &links::mr2, &links::mr3, &links::mr4,
                                     &links::mr5, &links::mr6, &links::mr7, &links::mr8,
                                     &links::mr9, &links::mr10};
    for (const links::Link* p : programs) {
        if (p != programs[0]) rows.push_back({2, sep});
        rows.push_back({2, std::string(p->caption)});
    }
    const links::Link* sites[] = {&links::my2, &links::my3, &links::my4, &links::my5,
                                  &links::my10};
    for (const links::Link* s : sites) {
        rows.push_back({1, sep});
        rows.push_back({1, std::string(s->caption), false, true});
    }
    rows.insert(rows.end(), {{1, sep}, {1, std::string(links::my6.caption)},
                             {1, std::string(links::kMy7Caption)}, {1, sep},
                             {1, std::string(links::my8.caption)}, {1, sep}, {1, "广告位招租"}});
    return rows;
}

class NoAbout final : public AboutView {
public:
    void ShowAbout() override {}
};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = form1_.hwnd();
        form1_.Show(SW_SHOWNORMAL);
    }

    RECT ClientRectOf(int id) {
        RECT r;
        GetWindowRect(GetDlgItem(window_, id), &r);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    Log log_;
    test::FakeRegistry registry_{log_};
    test::FakeShell shell_{log_};
    test::FakeDialogs dialogs_{log_};
    test::FakeFileSystem files_;
    test::FakeFileStore store_{log_};
    Win32Codec codec_;
    NoAbout about_;
    test::FakeRecordStore record_{1};
    TMainWindow form1_{GetModuleHandleW(nullptr), registry_, shell_, dialogs_, files_, store_,
                       codec_, about_, record_};
    HWND window_ = nullptr;
};

TEST_F(MainWindow, MenusReadBackAsSpecifiedWithTheInternalSubmenuHidden) {
    const std::vector<Row> rows = Rows(GetMenu(window_));
    EXPECT_THAT(rows, ::testing::ElementsAreArray(ExpectedMainMenu()));
    for (const Row& r : rows) EXPECT_EQ(r.caption.find('&'), std::string::npos) << r.caption;
}

TEST_F(MainWindow, OptionItemsToggleThemselves) {
    for (unsigned id : {ids::zidonghuifu, ids::mycopy}) {
        const auto checked = [&] { return GetMenuState(GetMenu(window_), id, MF_BYCOMMAND) & MF_CHECKED; };
        EXPECT_TRUE(checked());
        SendMessageW(window_, WM_COMMAND, id, 0);
        EXPECT_FALSE(checked());
        SendMessageW(window_, WM_COMMAND, id, 0);
        EXPECT_TRUE(checked());
    }
}

TEST_F(MainWindow, ControlsStandWhereTheLayoutPutsThemAndStayOnResize) {
    const struct {
        int id;
        RECT rect;  // client coordinates
    } controls[] = {
        {ids::LabeledEdit1, {64, 64, 64 + 472, 64 + 28}},
        {ids::LabeledEdit1Label, {64, 45, 64 + 152, 45 + 16}},
        {ids::ListBox1, {64, 117, 64 + 473, 117 + 225}},
    };
    for (int size : {0, 1}) {
        if (size) SetWindowPos(window_, nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
        for (const auto& c : controls) {
            const RECT r = ClientRectOf(c.id);
            EXPECT_EQ(r.left, c.rect.left) << c.id;
            EXPECT_EQ(r.top, c.rect.top) << c.id;
            EXPECT_EQ(r.right, c.rect.right) << c.id;
            EXPECT_EQ(r.bottom, c.rect.bottom) << c.id;
        }
        RECT client, bar;
        GetClientRect(window_, &client);
        GetWindowRect(GetDlgItem(window_, ids::ToolBar1), &bar);
        EXPECT_EQ(bar.right - bar.left, client.right) << "the tool bar spans the width";
    }
}

TEST_F(MainWindow, ToolButtonsShowCaptionsAndRunTheirMenuItemsCommands) {
    HWND bar = GetDlgItem(window_, ids::ToolBar1);
    ASSERT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
    const struct {
        unsigned command;
        const char* caption;
    } buttons[] = {{ids::zenjia, "增加"}, {ids::ProgramFiles1, "设定"}, {ids::N3, "单项删除"}};
    for (int i = 0; i < 3; ++i) {
        TBBUTTON button{};
        SendMessageW(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(static_cast<unsigned>(button.idCommand), buttons[i].command);
        wchar_t text[32] = {};
        SendMessageW(bar, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(Narrow(text), buttons[i].caption);
        RECT r;
        SendMessageW(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(r.right - r.left, 71);
        EXPECT_EQ(r.bottom - r.top, 28);
    }
    // A click on "单项删除" deletes the selected entry, as the menu item does.
    HWND list = GetDlgItem(window_, ids::ListBox1);
    for (const wchar_t* entry : {L"C:\\A", L"C:\\B"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    RECT r;
    SendMessageW(bar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
}

BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// The text that the tooltip over the list shows.
std::string ListHint(HWND window) {
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window, ids::ListBox1));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return Narrow(text);
}

TEST_F(MainWindow, TheListShowsItsHintOnlyAfterTheUserSelectsARow) {
    HWND list = GetDlgItem(window_, ids::ListBox1);
    for (const wchar_t* entry : {L"C:\\A", L"C:\\B"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SendMessageW(list, LB_SETCURSEL, 1, 0);  // as a load selects
    EXPECT_EQ(ListHint(window_), "");
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(ids::ListBox1, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(ListHint(window_), "C:\\B");
}

// The rows of the pop-up menu that opened last; it is closed at once.
std::vector<Row> g_opened;

LRESULT CALLBACK ReadOpeningMenu(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->message == WM_INITMENUPOPUP) {
        g_opened = Rows(reinterpret_cast<HMENU>(m->wParam));
        PostMessageW(m->hwnd, WM_CANCELMODE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(MainWindow, TheTrayMenuShowsThreeRows) {
    g_opened.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &ReadOpeningMenu, nullptr, GetCurrentThreadId());
    SendMessageW(window_, ids::kTrayMessage, ids::kTrayIconId, WM_RBUTTONUP);
    UnhookWindowsHookEx(hook);
    EXPECT_THAT(g_opened, ::testing::ElementsAre(Row{0, "恢复系统原来的设置"}, Row{0, "-"},
                                               Row{0, "退出"}));
}

}  // namespace
}  // namespace qf::win
