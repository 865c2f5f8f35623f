#include "platform/win32/file_store.h"

#include <windows.h>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {

namespace {

constexpr UINT kGbk = 936;
constexpr DWORD kChunk = 1 << 16;


[[noreturn]] void Fail() { throw IoError(IoCodeFromWindows(GetLastError())); }

// While the file is open others may read it, and replace it in one step
// (a reader never makes a save fail), but not write into it.
UniqueObject OpenFile(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags) {
    UniqueObject file = OwnFile(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                            nullptr, disposition, flags, nullptr));
    if (!file) Fail();
    return file;
}

// A temporary file that is deleted unless it was moved into place.
class TempFile {
public:
    explicit TempFile(std::wstring path) : path_(std::move(path)) {}
    ~TempFile() {
        if (!kept_) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::wstring& path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    bool kept_ = false;
};

// A new, empty file beside the target, with a name no other file has.
TempFile CreateTempBeside(const std::wstring& target) {
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetTempFileNameW(folder.c_str(), L"set", 0, name)) Fail();
    return TempFile(name);
}

void WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() < kChunk ? static_cast<DWORD>(bytes.size()) : kChunk;
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) Fail();
        bytes.remove_prefix(written);
    }
}

}  // namespace

int IoCodeFromWindows(unsigned long error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND: return io::kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return io::kInvalidFilename;
    case ERROR_TOO_MANY_OPEN_FILES: return io::kTooManyOpenFiles;
    // Another program holding the file open is, to the user, access refused.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return io::kAccessDenied;
    case ERROR_HANDLE_EOF: return io::kReadBeyondEnd;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return io::kDiskFull;
    default: return static_cast<int>(error);
    }
}

bool Win32FileStore::IsRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileRead Win32FileStore::ReadAll(const std::string& path) {
    const UniqueObject file =
        OpenFile(Widen(path), GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
    FileRead read;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size))
        read.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    for (;;) {
        const std::size_t have = read.bytes.size();
        read.bytes.resize(have + kChunk);
        DWORD got = 0;
        const BOOL ok = ReadFile(file.get(), read.bytes.data() + have, kChunk, &got, nullptr);
        read.bytes.resize(have + got);
        if (!ok) {
            read.error.emplace(IoCodeFromWindows(GetLastError()));
            break;
        }
        if (got == 0) break;
    }
    return read;
}

void Win32FileStore::ReplaceAll(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    // Opening a read-only file for writing is refused; moving over it is
    // not refused everywhere, so refuse it here alike.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw IoError(io::kAccessDenied);
    TempFile temp = CreateTempBeside(target);
    {
        UniqueObject file =
            OpenFile(temp.path(), GENERIC_WRITE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
        WriteAll(file.get(), bytes);
        if (!FlushFileBuffers(file.get())) Fail();
        if (!CloseHandle(file.release())) Fail();
    }
    if (!MoveFileExW(temp.path().c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail();
    temp.Keep();
}

std::optional<std::string> Win32Codec::ToGbk(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    std::string out(WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                        0, nullptr, &lost),
                    '\0');
    if (lost) return std::nullopt;
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(),
                        static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

std::string Win32Codec::FromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int size = static_cast<int>(gbk.size());
    std::wstring wide(MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), static_cast<int>(wide.size()));
    return Narrow(wide);
}

}  // namespace qf::win
