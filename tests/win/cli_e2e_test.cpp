// qfdir, the command-line tool, run as a user runs it: exit codes, output,
// the registry views and the record.
#include <gtest/gtest.h>

#include "platform/win32/record_store.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "program_driver.h"
#include "programfiles/record.h"

namespace qf::e2e {
namespace {

using win::OwnFile;
using win::UniqueObject;

// A program built beside the tests.
std::filesystem::path OwnFolderFile(const wchar_t* name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / name;
}

std::wstring CommandLine(const std::vector<std::wstring>& args) {
    std::wstring line = L"\"" + ToolPath().wstring() + L"\"";
    for (const std::wstring& arg : args) line += L" \"" + arg + L"\"";
    return line;
}

// qfdir with its output in a file.
class Qfdir {
public:
    Qfdir(const std::vector<std::wstring>& args, const std::filesystem::path& output,
          DWORD flags = 0) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        const UniqueObject out = OwnFile(CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                                    &inherit, CREATE_ALWAYS,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = out.get();
        std::wstring line = CommandLine(args);
        PROCESS_INFORMATION info{};
        started_ = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, flags, nullptr,
                                  nullptr, &startup, &info);
        process_.reset(info.hProcess);
        const UniqueObject thread(info.hThread);
        pid_ = info.dwProcessId;
    }
    // The exit code, or -1 when it did not start or end in time.
    long Wait(DWORD ms = 30000) const {
        DWORD code = 0;
        if (!started_ || WaitForSingleObject(process_.get(), ms) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process_.get(), &code))
            return -1;
        return static_cast<long>(code);
    }
    DWORD pid() const { return pid_; }
    void Kill() const { TerminateProcess(process_.get(), 1); }

private:
    bool started_ = false;
    UniqueObject process_;
    DWORD pid_ = 0;
};

bool HasTwoViews() {
    BOOL wow64 = FALSE;
    return sizeof(void*) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
}

struct View {
    const char* name;
    REGSAM flag;
};
constexpr View k32{kView32, KEY_WOW64_32KEY};
constexpr View k64{kView64, KEY_WOW64_64KEY};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasTwoViews()) GTEST_SKIP() << "one registry view: these cases need two";
        WriteProgramFilesDir(REG_EXPAND_SZ, std::wstring(L"%SystemDrive%\\原来32") + L'\0',
                             k32.flag);
        WriteProgramFilesDir(REG_SZ, std::wstring(L"C:\\原来64") + L'\0', k64.flag);
    }
    ~Cli() override {
        SetEvent(stopInstallers_.get());
        WriteProgramFilesDir(saved32_, k32.flag);
        WriteProgramFilesDir(saved64_, k64.flag);
        DeleteFileW(win::Widen(record_.path()).c_str());
    }

    long Run(const std::vector<std::wstring>& args) {
        return Qfdir(args, output_).Wait();
    }
    std::string Output() const { return FileBytes(output_); }
    std::string Original(const View& view) {
        const auto record = LoadRecord(record_);
        const RegString* original = record ? record->Original(view.name) : nullptr;
        return original ? original->text : "";
    }
    // qfdir's arguments to run the stand-in installer with these arguments.
    std::vector<std::wstring> RunInstaller(std::vector<std::wstring> installerArgs) const {
        std::vector<std::wstring> args{L"run", folder_.path().wstring(), L"--",
                                       OwnFolderFile(L"qf_fake_installer.exe").wstring()};
        args.insert(args.end(), installerArgs.begin(), installerArgs.end());
        return args;
    }
    // The stand-in installer has written its marker: the ProgramFilesDir it saw.
    bool InstallerWrote() const {
        return WaitUntil([&] { return std::filesystem::exists(marker_); });
    }
    std::string MarkerText() const {
        const std::string bytes = FileBytes(marker_);
        return win::Narrow(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()),
                                        bytes.size() / sizeof(wchar_t)));
    }
    void ExpectOriginals() {
        const RegValue v32 = ReadProgramFilesDir(k32.flag);
        EXPECT_EQ(v32.type, DWORD{REG_EXPAND_SZ});
        EXPECT_EQ(v32.Text(), "%SystemDrive%\\原来32");
        EXPECT_EQ(ReadProgramFilesDir(k64.flag).Text(), "C:\\原来64");
    }

    const RegValue saved32_ = ReadProgramFilesDir(k32.flag);
    const RegValue saved64_ = ReadProgramFilesDir(k64.flag);
    win::Win32RecordStore record_;
    // Ends the stand-in installers that a test leaves running.
    const UniqueObject stopInstallers_{
        CreateEventW(nullptr, TRUE, FALSE, L"Local\\qf-fake-installer-stop")};
    TempFolder folder_;
    TempFolder scratch_;
    const std::filesystem::path output_ = scratch_.path() / "out.txt";
    const std::filesystem::path marker_ = scratch_.path() / "marker";
};

struct ViewCase {
    std::vector<std::wstring> viewArgs;
    bool sets32;
    bool sets64;
};

TEST_F(Cli, SetShowRestoreChangeExactlyTheChosenViewsAndPutTheOriginalsBack) {
    const std::string dir = folder_.path().string();
    const ViewCase cases[] = {
        {{}, true, true},
        {{L"--view", L"both"}, true, true},
        {{L"--view", L"32"}, true, false},
        {{L"--view", L"64"}, false, true},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.viewArgs.empty() ? "default" : win::Narrow(c.viewArgs[1]));
        std::vector<std::wstring> set{L"set", folder_.path().wstring()};
        set.insert(set.end(), c.viewArgs.begin(), c.viewArgs.end());
        ASSERT_EQ(Run(set), 0) << Output();
        EXPECT_EQ(ReadProgramFilesDir(k32.flag).Text() == dir, c.sets32);
        EXPECT_EQ(ReadProgramFilesDir(k64.flag).Text() == dir, c.sets64);
        EXPECT_EQ(Original(k32), c.sets32 ? "%SystemDrive%\\原来32" : "");
        EXPECT_EQ(Original(k64), c.sets64 ? "C:\\原来64" : "");

        ASSERT_EQ(Run({L"show"}), 0);
        const std::string shown = Output();
        EXPECT_NE(shown.find("ProgramFilesDir（32 位视图）：" +
                             (c.sets32 ? dir : std::string("%SystemDrive%\\原来32"))),
                  std::string::npos)
            << shown;
        EXPECT_NE(shown.find("ProgramFilesDir（64 位视图）：" +
                             (c.sets64 ? dir : std::string("C:\\原来64"))),
                  std::string::npos)
            << shown;
        EXPECT_NE(shown.find("待恢复的记录"), std::string::npos) << shown;

        ASSERT_EQ(Run({L"restore"}), 0) << Output();
        ExpectOriginals();
        EXPECT_FALSE(record_.Read()) << "restore clears the record";
    }
    ASSERT_EQ(Run({L"restore"}), 0);
    EXPECT_EQ(Output(), "没有待恢复的记录\n");
}

TEST_F(Cli, ShowMarksAnEmptyValue) {
    WriteProgramFilesDir(REG_SZ, std::wstring(1, L'\0'), k32.flag);
    ASSERT_EQ(Run({L"show"}), 0);
    EXPECT_NE(Output().find("ProgramFilesDir（32 位视图）：（空）\n"), std::string::npos) << Output();
}

TEST_F(Cli, ACheckThatFailsChangesNothingAndSaysWhy) {
    const std::wstring missing = (folder_.path() / L"没有").wstring();
    struct Case {
        std::vector<std::wstring> args;
        long code;
        std::string output;
    } const cases[] = {
        {{L"set", missing}, 2, "你选择的安装路径不存在，请修改安装路径，" + win::Narrow(missing) + "\n"},
        {{L"set"}, 1, "缺少文件夹参数\n用法见 qfdir --help\n"},
        {{L"run", folder_.path().wstring(), L"--"}, 1,
         "run 需要 -- 之后的安装程序\n用法见 qfdir --help\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.code);
        EXPECT_EQ(Output(), c.output);
        ExpectOriginals();
        EXPECT_FALSE(record_.Read());
    }
}

TEST_F(Cli, RunWaitsForTheInstallersChildAndPutsTheOriginalsBack) {
    EXPECT_EQ(Run(RunInstaller({marker_.wstring(), L"7"})), 7)
        << "the installer's exit code\n" << Output();
    // The child wrote only after its parent had ended: run waited for it,
    // and it saw the chosen folder.
    EXPECT_EQ(MarkerText(), folder_.path().string());
    ExpectOriginals();
    EXPECT_FALSE(record_.Read());
}

TEST_F(Cli, AViewThatFailsPartWayPutsTheViewsAlreadySetBack) {
    const DWORD number = 7;
    WriteProgramFilesDir(REG_DWORD, std::wstring(reinterpret_cast<const wchar_t*>(&number), 2),
                         k64.flag);
    EXPECT_EQ(Run({L"set", folder_.path().wstring()}), 3);
    EXPECT_NE(Output().find("Invalid data type for 'ProgramFilesDir'"), std::string::npos)
        << Output();
    const RegValue v32 = ReadProgramFilesDir(k32.flag);
    EXPECT_EQ(v32.type, DWORD{REG_EXPAND_SZ});
    EXPECT_EQ(v32.Text(), "%SystemDrive%\\原来32");
    EXPECT_FALSE(record_.Read());
}

TEST_F(Cli, RunPutsBackTheValuesItFoundAndLeavesAnEarlierSetsRecord) {
    TempFolder kept;
    const auto expectKept = [&] {
        EXPECT_EQ(ReadProgramFilesDir(k32.flag).Text(), kept.path().string());
        EXPECT_EQ(ReadProgramFilesDir(k64.flag).Text(), kept.path().string());
        EXPECT_EQ(Original(k32), "%SystemDrive%\\原来32");
        EXPECT_EQ(Original(k64), "C:\\原来64");
    };
    ASSERT_EQ(Run({L"set", kept.path().wstring()}), 0) << Output();
    EXPECT_EQ(Run({L"run", (folder_.path() / L"没有").wstring(), L"--", L"setup.exe"}), 2);
    expectKept();
    EXPECT_EQ(Run(RunInstaller({marker_.wstring(), L"0"})), 0) << Output();
    EXPECT_EQ(MarkerText(), folder_.path().string());
    expectKept();
    ASSERT_EQ(Run({L"restore"}), 0) << Output();
    ExpectOriginals();
    EXPECT_FALSE(record_.Read());
}

TEST_F(Cli, AnInstallerThatCannotStartIsExplainedAndTheOriginalsComeBack) {
    const std::wstring missing = (scratch_.path() / L"没有的安装程序.exe").wstring();
    EXPECT_EQ(Run({L"run", folder_.path().wstring(), L"--", missing}), 2);
    EXPECT_NE(Output().find("无法启动安装程序 " + win::Narrow(missing) + "：找不到该文件\n"),
              std::string::npos)
        << Output();
    ExpectOriginals();
    EXPECT_FALSE(record_.Read());
}

TEST_F(Cli, CtrlCDuringRunPutsTheOriginalsBack) {
    // qfdir gets a console of its own; this test joins it to press Ctrl+C
    // there, and ignores the event itself.
    const Qfdir run(RunInstaller({L"--stay", marker_.wstring()}), output_,
                    CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP);
    ASSERT_TRUE(InstallerWrote()) << Output();
    FreeConsole();
    if (!AttachConsole(run.pid())) GTEST_SKIP() << "cannot join qfdir's console to press Ctrl+C";
    SetConsoleCtrlHandler(nullptr, TRUE);
    const BOOL sent = GenerateConsoleCtrlEvent(CTRL_C_EVENT, run.pid());
    const long code = run.Wait();
    FreeConsole();
    ASSERT_TRUE(sent);
    EXPECT_EQ(code, static_cast<long>(STATUS_CONTROL_C_EXIT)) << "qfdir ends on Ctrl+C";
    ExpectOriginals();
    EXPECT_FALSE(record_.Read());
}

TEST_F(Cli, ARunKilledMidwayLeavesARecordThatRestorePutsBack) {
    const Qfdir run(RunInstaller({L"--stay", marker_.wstring()}), scratch_.path() / "run.txt");
    ASSERT_TRUE(InstallerWrote());
    run.Kill();
    ASSERT_EQ(run.Wait(), 1);

    ASSERT_EQ(Run({L"show"}), 0);
    EXPECT_NE(Output().find("持有者：进程 " + std::to_string(run.pid()) + "（已结束）"),
              std::string::npos)
        << Output();
    ASSERT_EQ(Run({L"restore"}), 0) << Output();
    ExpectOriginals();
    EXPECT_FALSE(record_.Read());
}

}  // namespace
}  // namespace qf::e2e
