// The POSIX file port: a replace that fails part-way keeps the old file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/posix/posix_file_store.h"

namespace qf::posix {
namespace {

namespace fs = std::filesystem;

class PosixStore : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("qf-store-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        set_ = (dir_ / "set").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& bytes) { std::ofstream(set_, std::ios::binary) << bytes; }
    std::string Contents() {
        std::ostringstream out;
        out << std::ifstream(set_, std::ios::binary).rdbuf();
        return out.str();
    }
    std::size_t FilesInFolder() {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
    std::string set_;
    PosixFileStore store_;
};

// Writes beyond the limit fail with EFBIG, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(PosixStore, AReplaceThatFailsPartWayKeepsTheOldBytesAndNoTemporaryFile) {
    Write("1\r\nD:\\Soft\r\n");
    try {
        const FileSizeLimit limit(4096);
        store_.ReplaceAll(set_, "0\r\n" + std::string(100000, 'x') + "\r\n");
        ADD_FAILURE() << "the write beyond the limit succeeded";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), io::kDiskFull);
    }
    EXPECT_EQ(Contents(), "1\r\nD:\\Soft\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(PosixStore, ReplacesAndReadsBackTheSameBytes) {
    Write("old");
    const std::string bytes = "1\r\nA\x1A\r\n\r\n";
    store_.ReplaceAll(set_, bytes);
    EXPECT_EQ(Contents(), bytes);
    const FileRead read = store_.ReadAll(set_);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_FALSE(read.error);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(PosixStore, AFolderIsNoFileAndCannotBeReplaced) {
    fs::create_directory(set_);
    EXPECT_FALSE(store_.IsRegularFile(set_));
    EXPECT_THROW(store_.ReplaceAll(set_, "1\r\n"), IoError);
    EXPECT_TRUE(fs::is_directory(set_));
    EXPECT_EQ(FilesInFolder(), 1u);
    try {
        store_.ReadAll((dir_ / "missing").string());
        ADD_FAILURE();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

}  // namespace
}  // namespace qf::posix
