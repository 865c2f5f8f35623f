// A real installer follows the program: the folder the set command writes is
// the folder a silent NSIS installer, started afterwards, installs into; once
// the program has put the start-up value back at exit, the next install lands
// in the default folder again. qfdir run does the same in one command.
#include <gtest/gtest.h>

#include <cstdlib>

#include "program_driver.h"
#include "ui/command_ids.h"

namespace qf::e2e {
namespace {

// What the demo installer puts under the folder it proposes.
const std::filesystem::path kInstalled = std::filesystem::path(L"QfDemo") / L"readme.txt";

class RealInstaller : public ::testing::Test {
protected:
    void SetUp() override {
        const char* installer = std::getenv("QF_DEMO_INSTALLER");
        if (!installer) GTEST_SKIP() << "QF_DEMO_INSTALLER names no installer";
        installer_ = HostPath(installer);
        std::filesystem::remove_all(DefaultFolder() / L"QfDemo");
    }
    void TearDown() override {
        WriteProgramFilesDir(saved_);
        std::error_code ignored;
        std::filesystem::remove_all(DefaultFolder() / L"QfDemo", ignored);
    }

    std::filesystem::path DefaultFolder() const { return std::wstring(saved_.data.c_str()); }
    int InstallSilently() { return RunAndWait(installer_, L"/S"); }

    const RegValue saved_ = ReadProgramFilesDir();
    std::filesystem::path installer_;
    TempFolder base_;
    TempFolder chosen_;
};

TEST_F(RealInstaller, InstallsIntoTheFolderSetAndIntoTheDefaultAfterTheProgramCloses) {
    // Auto-restore on, and the chosen folder last, so the load selects it.
    Program::WriteSetFile(base_.path(), "1\r\nD:\\Other\r\n" + chosen_.path().string() + "\r\n");
    Program program(base_.path());
    ASSERT_TRUE(program.WaitForMainWindow());
    program.Command(ids::ProgramFiles1);
    ASSERT_TRUE(WaitUntil([&] { return ReadProgramFilesDir().data.c_str() == chosen_.path(); }))
        << "the set command wrote " << ReadProgramFilesDir().Text();

    ASSERT_EQ(InstallSilently(), 0);
    EXPECT_TRUE(std::filesystem::exists(chosen_.path() / kInstalled));
    EXPECT_FALSE(std::filesystem::exists(DefaultFolder() / kInstalled));

    program.Close();
    ASSERT_TRUE(program.WaitForExit());
    ASSERT_EQ(ReadProgramFilesDir().Text(), saved_.Text()) << "auto-restore at exit";
    ASSERT_EQ(InstallSilently(), 0);
    EXPECT_TRUE(std::filesystem::exists(DefaultFolder() / kInstalled));
}

TEST_F(RealInstaller, QfdirRunInstallsIntoTheFolderAndPutsTheValueBackAfterwards) {
    const std::wstring arguments = L"run \"" + chosen_.path().wstring() + L"\" -- \"" +
                                   installer_.wstring() + L"\" /S";
    ASSERT_EQ(RunAndWait(ToolPath(), arguments), 0);
    EXPECT_TRUE(std::filesystem::exists(chosen_.path() / kInstalled));
    EXPECT_FALSE(std::filesystem::exists(DefaultFolder() / kInstalled));
    const RegValue after = ReadProgramFilesDir();
    EXPECT_EQ(after.type, saved_.type);
    EXPECT_EQ(after.Text(), saved_.Text());
}

TEST_F(RealInstaller, QfdirRunPassesTheInstallersArgumentsAsTyped) {
    // NSIS takes /D= only last and unquoted, spaces and all.
    const std::filesystem::path folder = base_.path() / L"with space";
    const std::wstring arguments = L"run \"" + chosen_.path().wstring() + L"\" -- \"" +
                                   installer_.wstring() + L"\" /S /D=" + folder.wstring();
    ASSERT_EQ(RunAndWait(ToolPath(), arguments), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / kInstalled.filename()));
}

}  // namespace
}  // namespace qf::e2e
