// The settings file with the real program: what start-up loads, what the
// exit writes back, and the boxes for a missing, read-only or locked file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

using ::testing::ElementsAre;

// 青枫 and 目录 in GBK.
constexpr char kGbkSet[] =
    "0\r\nD:\\Soft\r\n\r\n  C:\\\xC7\xE0\xB7\xE3\\\xC4\xBF\xC2\xBC  \r\nD:\\Soft\r\n";

class SettingsRun : public ::testing::Test {
protected:
    void TearDown() override {
        SetFileAttributesW(set_.c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteProgramFilesDir(saved_);
    }

    void Write(const std::string& bytes) { std::ofstream(set_, std::ios::binary) << bytes; }
    std::string Contents() const { return FileBytes(set_); }
    std::string SetPath() const { return win::Narrow(set_.wstring()); }
    const RegValue saved_ = ReadProgramFilesDir();
    TempFolder base_;
    const std::filesystem::path set_ = base_.path() / "set";
};

TEST_F(SettingsRun, ShowsAGbkFileInOrderAndWritesTheSameBytesBack) {
    Write(kGbkSet);
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    EXPECT_THAT(program.ListEntries(),
                ElementsAre("D:\\Soft", "", "  C:\\青枫\\目录  ", "D:\\Soft"));
    EXPECT_EQ(program.ListSelection(), 3);

    program.Close();
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(Contents(), kGbkSet);
}

TEST_F(SettingsRun, TheFileMenuLoadsAndSavesOnRequest) {
    Write("1\r\nA\r\n");
    Program program(base_.path());
    HWND main = program.WaitForMainWindow();
    ASSERT_TRUE(main);
    Write("1\r\nB\r\nC\r\n");
    SendMessageW(main, WM_COMMAND, ids::diaoru, 0);
    EXPECT_THAT(program.ListEntries(), ElementsAre("B", "C"));
    EXPECT_EQ(program.ListSelection(), 1);

    std::filesystem::remove(set_);
    SendMessageW(main, WM_COMMAND, ids::baocun, 0);
    EXPECT_EQ(Contents(), "1\r\nB\r\nC\r\n");
}

TEST_F(SettingsRun, AMissingFileIsNamedInFullAndCreatedAtExit) {
    Program program(base_.path());
    program.ExpectErrorBox("设置文件不存在,无法读取  " + SetPath());
    ASSERT_TRUE(program.WaitForMainWindow());
    EXPECT_THAT(program.ListEntries(), ElementsAre());
    program.Close();
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(Contents(), "1\r\n");
}

TEST_F(SettingsRun, AFolderNamedSetCountsAsMissingAndCannotBeSaved) {
    std::filesystem::create_directory(set_);
    Program program(base_.path());
    program.ExpectErrorBox("设置文件不存在,无法读取  " + SetPath());
    ASSERT_TRUE(program.WaitForMainWindow());
    program.Close();
    program.ExpectReport("File access denied.");
    EXPECT_FALSE(program.WaitForExit(500)) << "a failed save keeps the program running";
    EXPECT_TRUE(std::filesystem::is_directory(set_));
}

TEST_F(SettingsRun, AReadOnlyFileLoadsAndKeepsItsBytesWhenTheSaveFails) {
    Write(kGbkSet);
    ASSERT_TRUE(SetFileAttributesW(set_.c_str(), FILE_ATTRIBUTE_READONLY));
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    EXPECT_EQ(program.ListEntries().size(), 4u);
    program.Close();
    program.ExpectReport("File access denied.");
    EXPECT_FALSE(program.WaitForExit(500)) << "a failed save keeps the program running";
    EXPECT_EQ(Contents(), kGbkSet);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(base_.path()), {}), 1)
        << "no temporary file is left";
}

TEST_F(SettingsRun, ALockedFileIsReportedAndNotOverwrittenAtExit) {
    Write(kGbkSet);
    win::UniqueObject lock(
        CreateFileW(set_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    Program program(base_.path());
    program.ExpectReport("File access denied.");
    ASSERT_TRUE(program.WaitForMainWindow());
    lock.reset();
    program.Close();
    ASSERT_TRUE(program.WaitForExit()) << "the exit skips the save of an unread file";
    EXPECT_EQ(Contents(), kGbkSet);
}

}  // namespace
}  // namespace qf::e2e
