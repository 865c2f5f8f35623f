#include "platform/win32/record_store.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/errors.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {

namespace {

constexpr wchar_t kMutexName[] = L"Global\\QingfengProgramFilesDir";
constexpr char kFolderName[] = "\\青枫目录台";
constexpr char kFileName[] = "\\ProgramFilesDir.record";

class MutexLock final : public RecordStore::Lock {
public:
    explicit MutexLock(UniqueObject mutex) : mutex_(std::move(mutex)) {}
    ~MutexLock() override { ReleaseMutex(mutex_.get()); }

private:
    UniqueObject mutex_;
};

std::string CommonAppData() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        throw IoError(io::kInvalidFilename);
    return Narrow(path);
}

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

unsigned long long CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

Win32RecordStore::Win32RecordStore() : path_(CommonAppData() + kFolderName + kFileName) {}

std::unique_ptr<RecordStore::Lock> Win32RecordStore::Acquire() {
    UniqueObject mutex(CreateMutexW(nullptr, FALSE, kMutexName));
    if (!mutex) throw IoError(io::kAccessDenied);
    // An abandoned mutex is still ours: its owner died, the record did not.
    const DWORD waited = WaitForSingleObject(mutex.get(), INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) throw IoError(io::kAccessDenied);
    return std::make_unique<MutexLock>(std::move(mutex));
}

std::optional<std::string> Win32RecordStore::Read() {
    if (!files_.IsRegularFile(path_)) return std::nullopt;
    FileRead read = files_.ReadAll(path_);
    if (read.error) throw IoError(*read.error);
    return std::move(read.bytes);
}

void Win32RecordStore::Write(std::string_view bytes) {
    CreateDirectoryW(Widen(Folder(path_)).c_str(), nullptr);
    files_.ReplaceAll(path_, bytes);
}

void Win32RecordStore::Remove() {
    if (!DeleteFileW(Widen(path_).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        throw IoError(IoCodeFromWindows(GetLastError()));
}

Holder Win32RecordStore::Self() {
    return {GetCurrentProcessId(), CreationTime(GetCurrentProcess())};
}

bool Win32RecordStore::IsAlive(const Holder& holder) {
    const UniqueObject process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, holder.pid));
    // A process of another user may refuse us; it runs all the same.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    return GetExitCodeProcess(process.get(), &code) && code == STILL_ACTIVE &&
           CreationTime(process.get()) == holder.started;
}

}  // namespace qf::win
