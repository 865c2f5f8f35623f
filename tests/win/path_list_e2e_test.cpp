// The path list and the set and restore commands, end to end: the real
// folder browser, the real registry and a real mouse drag.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include "platform/win32/text.h"
#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

using ::testing::ElementsAre;

std::string DesktopFolder() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path);
    return win::Narrow(path);
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "(cannot open)";
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = win::Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class PathListRun : public ::testing::Test {
protected:
    PathListRun() { Program::WriteSetFile(base_.path()); }
    void TearDown() override { WriteProgramFilesDir(saved_); }

    // Opens the add command's browser and presses one of its buttons.
    void Add(Program& program, int button) {
        program.Command(ids::zenjia);
        const auto browser = program.WaitForBox();
        ASSERT_TRUE(browser) << "the folder browser opens";
        program.Press(*browser, button);
    }

    const RegValue saved_ = ReadProgramFilesDir();
    TempFolder base_;
};

TEST_F(PathListRun, AddsThroughTheBrowserThenSetsAndRestores) {
    const std::wstring start = L"%SystemDrive%\\QfStart";
    WriteProgramFilesDir(REG_EXPAND_SZ, start + L'\0');
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    const std::string desktop = DesktopFolder();

    // With no folder browsed yet, OK takes the browser's default choice.
    Add(program, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return program.ListEntries().size() == 1; }));
    EXPECT_THAT(program.ListEntries(), ElementsAre(desktop));
    EXPECT_EQ(program.ListSelection(), 0);
    // The next browse opens at that folder, and OK keeps it.
    Add(program, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return program.ListEntries().size() == 2; }));
    EXPECT_THAT(program.ListEntries(), ElementsAre(desktop, desktop));
    EXPECT_EQ(program.ListSelection(), 1);
    Add(program, IDCANCEL);
    EXPECT_THAT(program.ListEntries(), ElementsAre(desktop, desktop));
    EXPECT_EQ(program.ListSelection(), 1);

    program.SelectEntry(0);
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == desktop; })) << "auto-copy";

    program.Command(ids::ProgramFiles1);
    ASSERT_TRUE(WaitUntil([&] { return ReadProgramFilesDir().Text() == desktop; }));
    EXPECT_EQ(ReadProgramFilesDir().type, DWORD{REG_SZ});
    EXPECT_TRUE(WaitUntil([&] { return program.ControlText(ids::LabeledEdit1) == desktop; }));

    program.Command(ids::huifuyuanlai);
    ASSERT_TRUE(WaitUntil([&] { return ReadProgramFilesDir().type == REG_EXPAND_SZ; }));
    EXPECT_EQ(ReadProgramFilesDir().Text(), win::Narrow(start));
    EXPECT_TRUE(WaitUntil(
        [&] { return program.ControlText(ids::LabeledEdit1) == win::Narrow(start); }));

    program.Close();
    EXPECT_TRUE(program.WaitForExit());
}

TEST_F(PathListRun, AMouseDragMovesTheEntryAboveTheOneDroppedOn) {
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    HWND list = program.Control(ids::ListBox1);
    for (const wchar_t* entry : {L"A", L"B", L"C", L"D"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));

    // From the middle of D's row to the middle of B's, in screen coordinates.
    const int row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT from{20, 3 * row + row / 2}, to{20, row + row / 2};
    ClientToScreen(list, &from);
    ClientToScreen(list, &to);
    const auto move = [](POINT p) {
        return L"mousemove " + std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L" sleep 0.2 ";
    };
    ASSERT_TRUE(RunLinuxTool(L"xdotool " + move(from) + L"mousedown 1 sleep 0.2 " + move({from.x, from.y - 3}) +
                        move({from.x, from.y - 10}) + move(to) + L"mouseup 1"));

    EXPECT_TRUE(WaitUntil([&] { return program.ListEntries().at(1) == "D"; }));
    EXPECT_THAT(program.ListEntries(), ElementsAre("A", "D", "B", "C"));
    EXPECT_EQ(program.ListSelection(), 1);
}

}  // namespace
}  // namespace qf::e2e
