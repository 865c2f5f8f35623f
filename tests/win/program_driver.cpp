#include "program_driver.h"

#include "platform/win32/record_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "ui/command_ids.h"

namespace qf::e2e {

namespace {

std::filesystem::path g_program;

constexpr wchar_t kKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

template <class Found>
auto Poll(DWORD ms, Found found) -> decltype(found()) {
    for (DWORD waited = 0;; waited += 50) {
        if (auto result = found()) return result;
        if (waited >= ms) return {};
        Sleep(50);
    }
}

struct WindowSearch {
    DWORD pid;  // 0 for any process
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((search->pid == 0 || owner == search->pid) &&
        (!search->visibleOnly || IsWindowVisible(hwnd)))
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly = true) {
    WindowSearch search{pid, visibleOnly, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return win::Narrow(name);
}

std::string TextOf(HWND hwnd) {
    std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
    return win::Narrow(text);
}

}  // namespace

const std::filesystem::path& ProgramPath() { return g_program; }

std::filesystem::path ToolPath() { return g_program.parent_path() / L"qfdir.exe"; }

TempFolder::TempFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("qf-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

Program::Program(const std::filesystem::path& baseFolder) {
    std::wstring commandLine = L"\"" + g_program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(g_program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, baseFolder.c_str(), &startup, &process_))
        ADD_FAILURE() << "cannot start " << g_program << ": error " << GetLastError();
}

Program::~Program() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::optional<Box> Program::WaitForBox(DWORD ms) {
    return Poll(ms, [&]() -> std::optional<Box> {
        for (HWND hwnd : TopLevelWindows(process_.dwProcessId)) {
            if (ClassOf(hwnd) != "#32770") continue;
            Box box{hwnd, TextOf(hwnd), {}, false};
            for (HWND child = GetWindow(hwnd, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (ClassOf(child) != "Static" || !IsWindowVisible(child)) continue;
                // Some systems keep an empty icon control in boxes without one.
                if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                    box.hasIcon |= SendMessageW(child, STM_GETICON, 0, 0) != 0;
                else if (box.text.empty())
                    box.text = TextOf(child);
            }
            return box;
        }
        return std::nullopt;
    });
}

void Program::Answer(const Box& box) {
    PostMessageW(box.hwnd, WM_COMMAND, IDOK, 0);
    Poll(5000, [&] { return !IsWindow(box.hwnd); });
}

namespace {

void ExpectBox(Program& program, const std::string& caption, const std::string& text,
               bool hasIcon) {
    const auto box = program.WaitForBox();
    ASSERT_TRUE(box) << "no box \"" << text << "\"";
    EXPECT_EQ(box->caption, caption);
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->hasIcon, hasIcon);
    program.Answer(*box);
}

}  // namespace

void Program::ExpectErrorBox(const std::string& text) { ExpectBox(*this, "出错", text, false); }

void Program::ExpectReport(const std::string& text) {
    ExpectBox(*this, "青枫目录台2.0", text, true);
}

bool Program::Responds() {
    DWORD_PTR ignored = 0;
    HWND main = Window();
    return !WaitForExit(0) && main &&
           SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

HWND Program::WaitForMainWindow(DWORD ms) {
    return Poll(ms, [&]() -> HWND {
        for (HWND hwnd : TopLevelWindows(process_.dwProcessId))
            if (ClassOf(hwnd) == "TForm1") return hwnd;
        return nullptr;
    });
}

HWND Program::Window() {
    for (HWND hwnd : TopLevelWindows(process_.dwProcessId, false))
        if (ClassOf(hwnd) == "TForm1") return hwnd;
    return nullptr;
}

bool Program::HasMenuOpen() {
    for (HWND hwnd : TopLevelWindows(process_.dwProcessId))
        if (ClassOf(hwnd) == "#32768") return true;
    return false;
}

std::string Program::ControlText(int id) {
    HWND main = WaitForMainWindow();
    wchar_t text[1024] = {};
    SendMessageW(GetDlgItem(main, id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return win::Narrow(text);
}

void Program::Press(const Box& dialog, int buttonId) {
    PostMessageW(dialog.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.hwnd, buttonId)));
    Poll(5000, [&] { return !IsWindow(dialog.hwnd); });
}

void Program::Command(unsigned id) { PostMessageW(WaitForMainWindow(), WM_COMMAND, id, 0); }

HWND Program::Control(int id) { return GetDlgItem(WaitForMainWindow(), id); }

std::vector<std::string> Program::ListEntries() {
    HWND list = Control(ids::ListBox1);
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
        text.resize(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data())));
        entries.push_back(win::Narrow(text));
    }
    return entries;
}

int Program::ListSelection() {
    return static_cast<int>(SendMessageW(Control(ids::ListBox1), LB_GETCURSEL, 0, 0));
}

void Program::SelectEntry(int index) {
    HWND list = Control(ids::ListBox1);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(WaitForMainWindow(), WM_COMMAND, MAKEWPARAM(ids::ListBox1, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

HWND Program::WaitForWindow(const std::wstring& caption, DWORD ms) {
    return Poll(ms, [&]() -> HWND {
        for (HWND hwnd : TopLevelWindows(process_.dwProcessId))
            if (TextOf(hwnd) == win::Narrow(caption)) return hwnd;
        return nullptr;
    });
}

void Program::WriteSetFile(const std::filesystem::path& baseFolder, const std::string& bytes) {
    std::ofstream(baseFolder / L"set", std::ios::binary) << bytes;
}

std::filesystem::path HostPath(const std::string& path) {
    return std::filesystem::path(path.starts_with('/') ? "Z:" + path : path).make_preferred();
}

std::string FileBytes(const std::filesystem::path& file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
}

int RunAndWait(const std::filesystem::path& program, const std::wstring& arguments, DWORD ms) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return -1;
    const win::UniqueObject process(started.hProcess);
    const win::UniqueObject thread(started.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.get(), ms) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

HWND WaitForWindowOfClass(const std::wstring& cls, DWORD ms) {
    return Poll(ms, [&]() -> HWND {
        for (HWND hwnd : TopLevelWindows(0))
            if (ClassOf(hwnd) == win::Narrow(cls)) return hwnd;
        return nullptr;
    });
}

bool RunLinuxTool(const std::wstring& commandLine) {
    // Bounded in time, and without the test's output: a tool left running
    // must not hold the test runner's output open.
    std::wstring line = L"Z:\\usr\\bin\\timeout 30 " + commandLine;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(nul);
    if (!started) return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::wstring LinuxPath(const std::filesystem::path& path) {
    std::wstring full = std::filesystem::absolute(path).wstring();
    if (full.size() >= 2 && (full[0] == L'Z' || full[0] == L'z') && full[1] == L':')
        full.erase(0, 2);
    for (wchar_t& c : full)
        if (c == L'\\') c = L'/';
    return full;
}

void EndProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void Program::Close() { PostMessageW(WaitForMainWindow(), WM_CLOSE, 0, 0); }

bool Program::WaitForExit(DWORD ms) {
    return WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD ms) {
    return Poll(ms, condition);
}

std::string RegValue::Text() const {
    return win::Narrow(std::wstring(data.c_str()));
}

RegValue ReadProgramFilesDir(REGSAM view) {
    RegValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return {};
    const win::UniqueKey closer(key);
    DWORD size = 0;
    if (RegGetValueW(key, nullptr, L"ProgramFilesDir", RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     nullptr, &size) != ERROR_SUCCESS)
        return {};
    value.data.assign(size / sizeof(wchar_t) + 1, L'\0');
    RegGetValueW(key, nullptr, L"ProgramFilesDir", RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                 value.data.data(), &size);
    value.data.resize(size / sizeof(wchar_t));
    return value;
}

void WriteProgramFilesDir(DWORD type, const std::wstring& data, REGSAM view) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_SET_VALUE | view, &key),
              ERROR_SUCCESS);
    const win::UniqueKey closer(key);
    RegSetValueExW(key, L"ProgramFilesDir", 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

void WriteProgramFilesDir(const RegValue& value, REGSAM view) {
    WriteProgramFilesDir(value.type, value.data, view);
}

}  // namespace qf::e2e

namespace {

// A test that ends the program after a set leaves a pending record, which
// the next test's program would report at start: each test starts without.
class ClearRecordAfterEachTest final : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        DeleteFileW(qf::win::Widen(qf::win::Win32RecordStore().path()).c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe\n", argv[0]);
        return 2;
    }
    qf::e2e::g_program = qf::e2e::HostPath(argv[1]);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ClearRecordAfterEachTest);
    return RUN_ALL_TESTS();
}
