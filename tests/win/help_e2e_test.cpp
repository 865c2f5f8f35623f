// The help menu and the about box of the real program, end to end.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/win32/text.h"
#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

class HelpRun : public ::testing::Test {
protected:
    HelpRun() { Program::WriteSetFile(base_.path()); }
    std::string Base() const { return win::Narrow(base_.path().wstring()); }
    // Chooses "关于" and waits for the about box.
    static HWND OpenAbout(Program& program) {
        program.Command(ids::N17);
        return program.WaitForWindow(ids::kAboutCaption);
    }

    TempFolder base_;
};

TEST_F(HelpRun, AMissingHelpFolderGivesThePlainMessageWithTheFullPath) {
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    const struct {
        unsigned id;
        const char* document;
    } cases[] = {{ids::N13, "帮助.txt"}, {ids::N1001, "100%杀毒软件.txt"}, {ids::my9, "广告位招租.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        program.Command(c.id);
        const auto box = program.WaitForBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->caption, "青枫目录台2.0");
        EXPECT_EQ(box->text, "文件不存在  " + Base() + "\\帮助\\" + c.document);
        program.Answer(*box);
    }
}

// A fresh Wine prefix knows the text file type but binds no extension to
// it; a Windows machine does, so the test makes the binding for its run.
class TextFilesOpen {
public:
    TextFilesOpen() {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, REG_SZ, L"txtfile", sizeof L"txtfile");
    }
    ~TextFilesOpen() { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }

private:
    static constexpr wchar_t kKey[] = L"Software\\Classes\\.txt";
};

TEST_F(HelpRun, APresentDocumentIsHandedToTheShell) {
    const TextFilesOpen binding;
    std::filesystem::create_directory(base_.path() / L"帮助");
    std::ofstream(base_.path() / L"帮助" / L"帮助.txt") << "help\r\n";
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    program.Command(ids::N13);
    // Wine opens text documents in its notepad.
    HWND notepad = WaitForWindowOfClass(L"Notepad");
    ASSERT_TRUE(notepad) << "no notepad window appeared";
    EXPECT_TRUE(IsZoomed(notepad)) << "documents open maximized";
    EndProcessOf(notepad);
    EXPECT_FALSE(program.WaitForBox(500)) << "nothing is reported";
}

TEST_F(HelpRun, TheAboutBoxOpensOnceAndReopensWhereItWasLeft) {
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    HWND about = OpenAbout(program);
    ASSERT_TRUE(about);
    RECT client;
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 369);
    EXPECT_EQ(client.bottom, 265);
    EXPECT_FALSE(GetWindowLongW(about, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    // Choosing it again brings the same box to the front.
    program.Command(ids::N17);
    Sleep(300);
    EXPECT_EQ(program.WaitForWindow(ids::kAboutCaption), about);

    // Escape does nothing; OK hides it.
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(about));
    SetWindowPos(about, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(about));

    EXPECT_EQ(OpenAbout(program), about) << "the same box, not a new one";
    RECT where;
    GetWindowRect(about, &where);
    EXPECT_EQ(where.left, 20);
    EXPECT_EQ(where.top, 30);
}

TEST_F(HelpRun, TheMailLineCopiesTheBareAddress) {
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    HWND about = OpenAbout(program);
    ASSERT_TRUE(about);
    HWND mail = nullptr;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        if (win::Narrow(text).starts_with("邮件：")) mail = child;
    }
    ASSERT_TRUE(mail);
    PostMessageW(mail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(mail, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Sleep(500);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::string copied =
        data ? win::Narrow(static_cast<const wchar_t*>(GlobalLock(data))) : std::string();
    if (data) GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, "qingfeng@example.com");
}

}  // namespace
}  // namespace qf::e2e
