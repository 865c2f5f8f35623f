// The file-system adapter's folder and file tests and full paths.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "platform/win32/system.h"

namespace qf::win {
namespace {

TEST(FileSystemAdapter, TellsFoldersFromFilesAndResolvesAgainstTheCurrentFolder) {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / "qf-files-test";
    fs::create_directories(base / L"青枫");
    std::ofstream(base / "setup.exe") << "x";
    const fs::path previous = fs::current_path();
    fs::current_path(base);

    Win32FileSystem files;
    const struct {
        std::string path;
        bool folder, file;
    } cases[] = {
        {"C:\\", true, false},        {"青枫", true, false},
        {base.string() + "\\青枫", true, false},
        {"setup.exe", false, true},   {"gone", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files.DirectoryExists(c.path), c.folder) << c.path;
        EXPECT_EQ(files.FileExists(c.path), c.file) << c.path;
    }
    EXPECT_EQ(files.FullPath("青枫"), files.CurrentDirectory() + "\\青枫");
    EXPECT_EQ(files.FullPath("D:\\"), "D:\\");

    fs::current_path(previous);
    fs::remove_all(base);
}

}  // namespace
}  // namespace qf::win
