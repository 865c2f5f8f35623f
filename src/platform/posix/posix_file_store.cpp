#include "platform/posix/posix_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace qf::posix {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether that worked.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

// A temporary file that is removed unless it was renamed into place.
class TempFile {
public:
    explicit TempFile(std::string path) : path_(std::move(path)) {}
    ~TempFile() {
        if (!kept_) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

[[noreturn]] void Fail() { throw IoError(IoCodeFromErrno(errno)); }

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

int IoCodeFromErrno(int error) {
    switch (error) {
    case ENOENT: return io::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return io::kInvalidFilename;
    case EMFILE:
    case ENFILE: return io::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return io::kAccessDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return io::kDiskFull;
    default: return error;
    }
}

bool PosixFileStore::IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileRead PosixFileStore::ReadAll(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) Fail();
    FileRead read;
    struct stat info {};
    if (::fstat(fd.get(), &info) == 0) read.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            read.error.emplace(IoCodeFromErrno(errno));
            break;
        }
        read.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return read;
}

void PosixFileStore::ReplaceAll(const std::string& path, std::string_view bytes) {
    std::string tempPath = path + ".XXXXXX";
    Fd fd(::mkstemp(tempPath.data()));
    if (fd.get() < 0) Fail();
    TempFile temp(tempPath);
    WriteAll(fd.get(), bytes);
    if (::fsync(fd.get()) != 0 || !fd.Close()) Fail();
    if (::rename(tempPath.c_str(), path.c_str()) != 0) Fail();
    temp.Keep();
}

}  // namespace qf::posix
