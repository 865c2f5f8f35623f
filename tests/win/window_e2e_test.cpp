// The main window's tray icon and minimizing, end to end.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>

#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

class Tray : public ::testing::Test {
protected:
    void SetUp() override {
        Program::WriteSetFile(base_.path());
        program_.emplace(base_.path());
        window_ = program_->WaitForMainWindow();
        ASSERT_TRUE(window_);
    }
    void TearDown() override { WriteProgramFilesDir(saved_); }

    // The shell's callback for a mouse action on the icon.
    void Mouse(std::initializer_list<UINT> messages) {
        for (UINT m : messages) SendMessageW(window_, ids::kTrayMessage, ids::kTrayIconId, m);
    }
    bool Shown() { return IsWindowVisible(window_) && !IsIconic(window_); }
    bool InTray() { return !IsWindowVisible(window_); }

    const RegValue saved_ = ReadProgramFilesDir();
    TempFolder base_;
    std::optional<Program> program_;
    HWND window_ = nullptr;
};

TEST_F(Tray, LeftAndMiddleClicksToggleBetweenShownAndTray) {
    for (auto [down, up] : {std::pair{WM_LBUTTONDOWN, WM_LBUTTONUP},
                            std::pair{WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
        Mouse({static_cast<UINT>(down), static_cast<UINT>(up)});
        EXPECT_TRUE(InTray());
        Mouse({static_cast<UINT>(down), static_cast<UINT>(up)});
        EXPECT_TRUE(Shown());
    }
}

TEST_F(Tray, ADoubleClickTogglesOnce) {
    Mouse({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    EXPECT_TRUE(InTray());
}

TEST_F(Tray, ARightClickOnlyOpensTheMenu) {
    PostMessageW(window_, ids::kTrayMessage, ids::kTrayIconId, WM_RBUTTONUP);
    bool opened = false;
    for (int i = 0; i < 100 && !(opened = program_->HasMenuOpen()); ++i) Sleep(50);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(Shown());
    PostMessageW(window_, WM_CANCELMODE, 0, 0);
}

TEST_F(Tray, KeepsAnsweringWhileABoxIsOpen) {
    program_->Command(ids::N21);
    const auto box = program_->WaitForBox();
    ASSERT_TRUE(box) << "the write-to-me note is open";
    PostMessageW(window_, ids::kTrayMessage, ids::kTrayIconId, WM_RBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return program_->HasMenuOpen(); })) << "the tray menu opens";
    PostMessageW(window_, WM_CANCELMODE, 0, 0);
    program_->Answer(*box);
}

TEST_F(Tray, AMinimizeCommandHidesToTheTrayAndAClickBringsItBack) {
    SendMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(InTray()) << "no window and no taskbar button";
    EXPECT_TRUE(IsIconic(window_));
    Mouse({WM_LBUTTONDOWN, WM_LBUTTONUP});
    EXPECT_TRUE(Shown());
}

TEST_F(Tray, ExitClosesWithTheFullShutdownAlsoFromTheTray) {
    WriteProgramFilesDir(REG_SZ, std::wstring(L"D:\\Changed", 10) + L'\0');
    Mouse({WM_LBUTTONDOWN, WM_LBUTTONUP});
    ASSERT_TRUE(InTray());
    PostMessageW(window_, WM_COMMAND, ids::N5, 0);
    EXPECT_TRUE(program_->WaitForExit());
    EXPECT_EQ(ReadProgramFilesDir().Text(), saved_.Text()) << "the start-up value is back";
}

// Pictures to look at: the main window, and the same with the help menu
// open, saved beside the test run.
class Screenshots : public Tray {
protected:
    static bool Save(const wchar_t* name) {
        const auto file = std::filesystem::current_path() / name;
        std::filesystem::remove(file);
        if (!RunLinuxTool(L"import -window root " + LinuxPath(file))) return false;
        // The tool runs on by itself: wait until the picture is written out.
        std::uintmax_t last = 0;
        return WaitUntil([&] {
            std::error_code ignored;
            const std::uintmax_t size = std::filesystem::file_size(file, ignored);
            const bool done = size > 1000 && size == last;
            last = size;
            return done;
        });
    }
};

TEST_F(Screenshots, OfTheWindowAndAnOpenMenu) {
    SetForegroundWindow(window_);
    EXPECT_TRUE(Save(L"screenshot-main.png"));
    RECT frame;
    GetWindowRect(window_, &frame);
    const int x = frame.left + 100, y = frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2;
    // A click on the caption gives the window the keyboard; F10 and the
    // arrows open the fourth menu, the help menu.
    ASSERT_TRUE(RunLinuxTool(L"xdotool mousemove " + std::to_wstring(x) + L" " +
                             std::to_wstring(y) + L" click 1 key F10 Right Right Right Down"));
    EXPECT_TRUE(WaitUntil([&] { return program_->HasMenuOpen(); }));
    EXPECT_TRUE(Save(L"screenshot-menu.png"));
    RunLinuxTool(L"xdotool key Escape Escape");
}

}  // namespace
}  // namespace qf::e2e
