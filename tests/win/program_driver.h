// Starts the real program in a temporary base folder and drives it the way
// Windows does: messages to its window and controls, answers to its boxes.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qf::e2e {

// The program file under test, from the command line.
const std::filesystem::path& ProgramPath();
// The command-line tool, built beside it.
std::filesystem::path ToolPath();

// A folder that lives for one test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A modal box of the program: its caption, text and whether it has an icon.
struct Box {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
    bool hasIcon = false;
};

class Program {
public:
    explicit Program(const std::filesystem::path& baseFolder);
    ~Program();  // ends the process if a test left it running
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The next box the program shows, or nothing within the time.
    std::optional<Box> WaitForBox(DWORD ms = 10000);
    // Presses OK on a box.
    void Answer(const Box& box);
    // Waits for the program's own error box ("出错", no icon) or for the
    // default error report (the application title, an error icon), checks
    // its text and presses OK.
    void ExpectErrorBox(const std::string& text);
    void ExpectReport(const std::string& text);
    // The process is alive and its main window answers messages.
    bool Responds();
    // Presses a button of a dialog (IDOK, IDCANCEL) and waits until it is gone.
    void Press(const Box& dialog, int buttonId);
    // Chooses a menu item, without waiting for the command to end.
    void Command(unsigned id);
    // The main window's child control.
    HWND Control(int id);
    // The entries of ListBox1 and its selected index.
    std::vector<std::string> ListEntries();
    int ListSelection();
    // Selects an entry as the user would: the list box notifies the window.
    void SelectEntry(int index);
    // The main window once it is visible.
    HWND WaitForMainWindow(DWORD ms = 10000);
    // The main window, shown or not.
    HWND Window();
    // A pop-up menu of the program is open.
    bool HasMenuOpen();
    std::string ControlText(int id);
    // A visible top-level window of the program with this caption.
    HWND WaitForWindow(const std::wstring& caption, DWORD ms = 10000);
    // Writes the settings file, so start-up finds one.
    static void WriteSetFile(const std::filesystem::path& baseFolder,
                             const std::string& bytes = "1\r\n");
    void Close();
    bool WaitForExit(DWORD ms = 10000);

private:
    PROCESS_INFORMATION process_{};
};

// A path of the build machine as Wine sees it (Z: maps "/"); others unchanged.
std::filesystem::path HostPath(const std::string& path);
// The whole content of a file, empty when it cannot be read.
std::string FileBytes(const std::filesystem::path& file);
// Runs a program with arguments and waits for it; its exit code, or -1 when
// it could not be started or did not end within the time.
int RunAndWait(const std::filesystem::path& program, const std::wstring& arguments,
               DWORD ms = 60000);

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms = 10000);
// A visible top-level window of this class in any process, or nothing.
HWND WaitForWindowOfClass(const std::wstring& cls, DWORD ms = 10000);
// Starts a Linux program of the machine under test (xdotool, import) on the
// display Wine draws on; false when it cannot start. Wine does not let us
// wait for it: check for its effect.
bool RunLinuxTool(const std::wstring& commandLine);
// The Linux path of a Windows path on Wine's Z: drive.
std::wstring LinuxPath(const std::filesystem::path& path);
// Ends the process that owns the window.
void EndProcessOf(HWND hwnd);

// ProgramFilesDir with its type, in the program's registry view or the one
// named (KEY_WOW64_32KEY, KEY_WOW64_64KEY).
struct RegValue {
    DWORD type = REG_NONE;
    std::wstring data;  // raw, as stored
    std::string Text() const;
};
RegValue ReadProgramFilesDir(REGSAM view = 0);
void WriteProgramFilesDir(DWORD type, const std::wstring& data, REGSAM view = 0);
void WriteProgramFilesDir(const RegValue& value, REGSAM view = 0);

}  // namespace qf::e2e
