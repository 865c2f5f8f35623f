// The record of the value to return to, across a killed run of the program.
#include <gtest/gtest.h>

#include "platform/win32/record_store.h"
#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

class RecordRun : public ::testing::Test {
protected:
    RecordRun() { Program::WriteSetFile(base_.path()); }
    ~RecordRun() override { WriteProgramFilesDir(saved_); }

    const RegValue saved_ = ReadProgramFilesDir();
    TempFolder base_;
    win::Win32RecordStore record_;
};

TEST_F(RecordRun, AKilledRunIsToldToTheNextWhichReturnsTheTrueOriginal) {
    WriteProgramFilesDir(REG_EXPAND_SZ, std::wstring(L"%SystemDrive%\\原来") + L'\0');
    const std::string folder = base_.path().string();
    {
        Program killed(base_.path());
        ASSERT_TRUE(killed.WaitForMainWindow());
        SendMessageW(killed.Control(ids::ListBox1), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(base_.path().c_str()));
        killed.SelectEntry(0);
        killed.Command(ids::ProgramFiles1);
        ASSERT_TRUE(WaitUntil([&] { return ReadProgramFilesDir().Text() == folder; }));
    }  // ended with TerminateProcess
    ASSERT_TRUE(record_.Read()) << "the record outlives the process";

    Program next(base_.path());
    const auto box = next.WaitForBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "青枫目录台2.0");
    EXPECT_EQ(box->text, "上次运行没有恢复 ProgramFilesDir。\n当前值：" + folder +
                             "\n原来的值：%SystemDrive%\\原来\n"
                             "恢复命令和退出时的自动恢复将改回原来的值。");
    next.Answer(*box);
    ASSERT_TRUE(next.WaitForMainWindow());
    EXPECT_EQ(next.ControlText(ids::LabeledEdit1), folder) << "the value in the registry";

    next.Close();
    ASSERT_TRUE(next.WaitForExit());
    const RegValue after = ReadProgramFilesDir();
    EXPECT_EQ(after.type, DWORD{REG_EXPAND_SZ});
    EXPECT_EQ(after.Text(), "%SystemDrive%\\原来");
    EXPECT_FALSE(record_.Read()) << "putting the value back clears the record";
}

}  // namespace
}  // namespace qf::e2e
