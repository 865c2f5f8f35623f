// Starts the real program in a temporary base folder and drives it the way
// Windows does: messages to its window and controls, answers to its boxes.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qf::e2e {

// The program file under test, from the command line.
const std::filesystem::path& ProgramPath();

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
    // The main window once it is visible.
    HWND WaitForMainWindow(DWORD ms = 10000);
    std::string ControlText(int id);
    // A list box's entries and selected index, through its messages.
    std::vector<std::string> ListItems(int id);
    int ListSelection(int id);
    void Close();
    bool WaitForExit(DWORD ms = 10000);

private:
    PROCESS_INFORMATION process_{};
};

// ProgramFilesDir of the program's registry view, with its type.
struct RegValue {
    DWORD type = REG_NONE;
    std::wstring data;  // raw, as stored
    std::string Text() const;
};
RegValue ReadProgramFilesDir();
void WriteProgramFilesDir(DWORD type, const std::wstring& data);
void WriteProgramFilesDir(const RegValue& value);

}  // namespace qf::e2e
