// `run`: the installer and every process it starts, with the chosen folder,
// and the original value back afterwards whatever happens.
#include <windows.h>

#include <functional>
#include <string>

#include "cli/console.h"
#include "cli/tool.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::cli {

namespace {

using UniqueObject = win::UniqueHandle<HANDLE, &CloseHandle>;

// What Ctrl+C, Ctrl+Break or closing the console does before the process
// ends; the handler runs on a thread of its own.
std::function<void()> g_onInterrupt;

BOOL WINAPI OnConsoleEvent(DWORD /*event*/) {
    g_onInterrupt();
    // As Windows' default handler ends it; Wine's would report success.
    ExitProcess(static_cast<UINT>(STATUS_CONTROL_C_EXIT));
}

class InterruptGuard {
public:
    explicit InterruptGuard(std::function<void()> action) {
        g_onInterrupt = std::move(action);
        // A process started in a new process group ignores Ctrl+C until
        // it asks for it.
        SetConsoleCtrlHandler(nullptr, FALSE);
        SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    }
    ~InterruptGuard() { SetConsoleCtrlHandler(OnConsoleEvent, FALSE); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
};

// ERROR_ELEVATION_REQUIRED, which MinGW's headers lack.
constexpr DWORD kElevationRequired = 740;

// Why the installer could not start, in the user's terms.
std::string StartFailure(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return "找不到该文件";
    case kElevationRequired: return "它需要管理员权限，请在以管理员身份运行的控制台中运行";
    case ERROR_BAD_EXE_FORMAT: return "它不是可执行程序（.msi 请用 msiexec /i 安装）";
    default: return "错误代码 " + std::to_string(error);
    }
}

// The installer, suspended, in a job whose port tells when the last
// process in it has ended.
struct Installer {
    UniqueObject process;
    UniqueObject job;
    UniqueObject port;
    std::string failure;  // why it did not start
};

bool Start(const std::vector<std::string>& command, Installer& installer) {
    std::wstring line = win::Widen(JoinCommandLine(command));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &info)) {
        installer.failure = StartFailure(GetLastError());
        return false;
    }
    installer.process.reset(info.hProcess);
    const UniqueObject thread(info.hThread);
    installer.job.reset(CreateJobObjectW(nullptr, nullptr));
    installer.port.reset(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{installer.job.get(), installer.port.get()};
    const bool watched =
        installer.job && installer.port &&
        SetInformationJobObject(installer.job.get(), JobObjectAssociateCompletionPortInformation,
                                &association, sizeof(association)) &&
        AssignProcessToJobObject(installer.job.get(), installer.process.get());
    if (!watched) {
        installer.failure = "无法等待它启动的进程，错误代码 " + std::to_string(GetLastError());
        TerminateProcess(installer.process.get(), 1);
        return false;
    }
    ResumeThread(thread.get());
    return true;
}

// Until every process of the job has ended; the installer's exit code.
DWORD WaitForAll(const Installer& installer) {
    DWORD message = 0;
    ULONG_PTR key = 0;
    LPOVERLAPPED overlapped = nullptr;
    while (GetQueuedCompletionStatus(installer.port.get(), &message, &key, &overlapped, INFINITE)) {
        if (key == reinterpret_cast<ULONG_PTR>(installer.job.get()) &&
            message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO)
            break;
    }
    DWORD code = 0;
    GetExitCodeProcess(installer.process.get(), &code);
    return code;
}

}  // namespace

int Tool::Run(const Options& options) {
    const auto views = Views(options.view);
    if (!views) return kExitUsage;
    const InterruptGuard guard([&] { RestoreViews(*views); });
    // A view refused part-way is put back before leaving.
    if (const int set = SetViews(options.folder, *views); set != kExitOk) {
        RestoreViews(*views);
        return set;
    }
    Installer installer;
    int code = kExitCheckFailed;
    if (Start(options.installer, installer)) {
        code = static_cast<int>(WaitForAll(installer));
    } else {
        PrintError("无法启动安装程序 " + options.installer.front() + "：" + installer.failure + "\n");
    }
    const int restored = RestoreViews(*views);
    return restored == kExitOk ? code : restored;
}

}  // namespace qf::cli
