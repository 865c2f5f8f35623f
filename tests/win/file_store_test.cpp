// The file and codec adapters against the real API: replacing keeps the old
// file on every failure and leaves no temporary file; locks and read-only
// files give the user's messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/win32/file_store.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {
namespace {

namespace fs = std::filesystem;

constexpr char kOld[] = "1\r\nD:\\Soft\r\n";

class FileStoreAdapter : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("qf-store-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        set_ = dir_ / "set";
    }
    void TearDown() override {
        SetFileAttributesW(set_.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(dir_);
    }

    void Write(const std::string& bytes) { std::ofstream(set_, std::ios::binary) << bytes; }
    std::string Contents() const {
        std::ostringstream out;
        out << std::ifstream(set_, std::ios::binary).rdbuf();
        return out.str();
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    std::string Path() const { return Narrow(set_.wstring()); }
    // The message of the IoError that the operation throws.
    template <class Operation>
    static std::string ErrorOf(Operation operation) {
        try {
            operation();
        } catch (const IoError& e) {
            return e.what();
        }
        return "no error";
    }

    fs::path dir_;
    fs::path set_;
    Win32FileStore store_;
};

TEST_F(FileStoreAdapter, ReplacesWithTheExactBytesAndLeavesNoTemporaryFile) {
    Write(kOld);
    const std::string bytes = std::string("0\r\n\xC7\xE0\xB7\xE3\r\n\x1A\r\n") + std::string(200000, 'x');
    store_.ReplaceAll(Path(), bytes);
    EXPECT_EQ(Contents(), bytes);
    const FileRead read = store_.ReadAll(Path());
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_FALSE(read.error);
    EXPECT_EQ(FilesInFolder(), 1u);
}

// Run by CTest a second time under a file size limit (win.diskfull), where
// the write fails part-way as on a full disk.
TEST_F(FileStoreAdapter, AWriteThatFailsPartWayKeepsTheOldBytes) {
    if (!GetEnvironmentVariableW(L"QF_FILE_SIZE_LIMIT", nullptr, 0))
        GTEST_SKIP() << "needs a file size limit";
    Write(kOld);
    EXPECT_NE(ErrorOf([&] { store_.ReplaceAll(Path(), std::string(1 << 22, 'x')); }), "no error");
    EXPECT_EQ(Contents(), kOld);
    EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left";
}

TEST_F(FileStoreAdapter, AReadOnlyFileIsReadButNotReplaced) {
    Write(kOld);
    ASSERT_TRUE(SetFileAttributesW(set_.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(store_.ReadAll(Path()).bytes, kOld);
    EXPECT_EQ(ErrorOf([&] { store_.ReplaceAll(Path(), "0\r\n"); }), "File access denied");
    EXPECT_EQ(Contents(), kOld);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(FileStoreAdapter, AFileLockedByAnotherProgramIsNeitherReadNorReplaced) {
    Write(kOld);
    UniqueObject lock(CreateFileW(
        set_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOf([&] { store_.ReadAll(Path()); }), "File access denied");
    EXPECT_EQ(ErrorOf([&] { store_.ReplaceAll(Path(), "0\r\n"); }), "File access denied");
    EXPECT_EQ(FilesInFolder(), 1u);
    lock.reset();
    EXPECT_EQ(Contents(), kOld);
}

TEST_F(FileStoreAdapter, ReadsWhileAnotherProgramReads) {
    Write(kOld);
    const UniqueObject reader(
        CreateFileW(set_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(reader.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(store_.ReadAll(Path()).bytes, kOld);
}

TEST_F(FileStoreAdapter, AFolderNamedSetIsNoFile) {
    fs::create_directory(set_);
    EXPECT_FALSE(store_.IsRegularFile(Path()));
    EXPECT_EQ(ErrorOf([&] { store_.ReplaceAll(Path(), "1\r\n"); }), "File access denied");
    EXPECT_TRUE(fs::is_directory(set_));
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_EQ(ErrorOf([&] { store_.ReadAll(Narrow((dir_ / "missing").wstring())); }),
              "File not found");
}

TEST(CodecAdapter, ConvertsGbkAndTellsWhatItCannotHold) {
    Win32Codec codec;
    EXPECT_EQ(codec.ToGbk("D:\\青枫\\目录"), std::string("D:\\\xC7\xE0\xB7\xE3\\\xC4\xBF\xC2\xBC"));
    EXPECT_EQ(codec.FromGbk("D:\\\xC7\xE0\xB7\xE3\\\xC4\xBF\xC2\xBC"), "D:\\青枫\\目录");
    EXPECT_EQ(codec.ToGbk(""), std::string());
    EXPECT_EQ(codec.ToGbk("E:\\😀"), std::nullopt);
    EXPECT_EQ(codec.ToGbk("E:\\한"), std::nullopt) << "no best-fit stand-in";
}

TEST(IoCodes, MapWindowsErrorsOntoTheMessages) {
    const struct {
        DWORD error;
        const char* message;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, "File not found"},  {ERROR_PATH_NOT_FOUND, "Invalid filename"},
        {ERROR_TOO_MANY_OPEN_FILES, "Too many open files"},
        {ERROR_ACCESS_DENIED, "File access denied"}, {ERROR_SHARING_VIOLATION, "File access denied"},
        {ERROR_HANDLE_EOF, "Read beyond end of file"}, {ERROR_DISK_FULL, "Disk full"},
        {ERROR_HANDLE_DISK_FULL, "Disk full"},     {ERROR_CRC, "I/O error 23"},
    };
    for (const auto& c : cases) EXPECT_STREQ(IoError(IoCodeFromWindows(c.error)).what(), c.message);
}

}  // namespace
}  // namespace qf::win
