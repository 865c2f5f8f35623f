// The program's start-up and shutdown, end to end.
#include <gtest/gtest.h>

#include <fstream>

#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

class ProgramRun : public ::testing::Test {
protected:
    // A settings file, so that start-up shows no missing-file box.
    void SetUp() override { std::ofstream(base_.path() / "set", std::ios::binary) << "1\r\n"; }
    void TearDown() override { WriteProgramFilesDir(saved_); }

    const RegValue saved_ = ReadProgramFilesDir();
    TempFolder base_;
};

TEST_F(ProgramRun, ShowsTheValueAndPutsItBackAtClose) {
    WriteProgramFilesDir(REG_SZ, std::wstring(L"C:\\QfStart\\应用", 14) + L'\0');
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    EXPECT_EQ(program.ControlText(ids::LabeledEdit1), "C:\\QfStart\\应用");

    WriteProgramFilesDir(REG_SZ, std::wstring(L"D:\\Changed", 10) + L'\0');
    program.Close();
    ASSERT_TRUE(program.WaitForExit());
    const RegValue after = ReadProgramFilesDir();
    EXPECT_EQ(after.type, DWORD{REG_SZ});
    EXPECT_EQ(after.Text(), "C:\\QfStart\\应用");
}

TEST_F(ProgramRun, AWrongTypeIsReportedAtStartAndAtCloseAndLeftAlone) {
    WriteProgramFilesDir(REG_DWORD, std::wstring(L"\x0005\x0000", 2));
    Program program(base_.path());
    program.ExpectReport("Invalid data type for 'ProgramFilesDir'");
    ASSERT_TRUE(program.WaitForMainWindow()) << "the window opens after the report";
    EXPECT_EQ(program.ControlText(ids::LabeledEdit1), "");

    program.Close();
    program.ExpectReport("Invalid data type for 'ProgramFilesDir'");
    EXPECT_TRUE(program.WaitForExit()) << "the close goes on after the report";
    EXPECT_EQ(ReadProgramFilesDir().type, DWORD{REG_DWORD});
}

}  // namespace
}  // namespace qf::e2e
