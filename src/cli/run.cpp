// `run`: the installer and every process it starts, with the chosen folder,
// and the values found back afterwards whatever happens.
#include <windows.h>

#include <atomic>
#include <string>

#include "cli/console.h"
#include "cli/tool.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::cli {

namespace {

// ERROR_ELEVATION_REQUIRED, which MinGW's headers lack.
constexpr DWORD kElevationRequired = 740;
// The completion key of an interruption; the job's key is its handle.
constexpr ULONG_PTR kInterruptKey = 1;
// Windows ends a process this long after a close event reached it; the
// handler waits a little less for the values to be back.
constexpr DWORD kCloseWaitMs = 4500;

// What the console handler shares with the main thread. It lives as long
// as the process, so a late event never finds it gone; the main thread
// alone writes the registry.
struct Interruption {
    std::atomic<bool> requested{false};
    // The main thread waits on this port for the installer's job, and the
    // handler posts an interruption to it.
    const win::UniqueObject port{CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1)};
    // Set once the values are back.
    const win::UniqueObject finished{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

Interruption& TheInterruption() {
    static Interruption interruption;
    return interruption;
}

BOOL WINAPI OnConsoleEvent(DWORD event) {
    Interruption& interruption = TheInterruption();
    interruption.requested = true;
    PostQueuedCompletionStatus(interruption.port.get(), 0, kInterruptKey, nullptr);
    // Closing the console, logoff and shutdown end the process as soon as
    // the handler returns; Ctrl+C and Ctrl+Break leave it to the main thread.
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        WaitForSingleObject(interruption.finished.get(), kCloseWaitMs);
    return TRUE;
}

// While it lives, console events interrupt `run` instead of ending it.
class InterruptGuard {
public:
    InterruptGuard() {
        // Made here, before any console event can reach the handler.
        TheInterruption();
        // A process started in a new process group ignores Ctrl+C until
        // it asks for it.
        SetConsoleCtrlHandler(nullptr, FALSE);
        SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    }
    ~InterruptGuard() {
        SetEvent(TheInterruption().finished.get());
        SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
    bool Interrupted() const { return TheInterruption().requested; }
};

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

// The installer, started suspended and put in a job that reports to the
// interruption port when the last process in it has ended.
struct Installer {
    win::UniqueObject process;
    win::UniqueObject job;
};

// Empty when it started; otherwise why not.
std::string Start(const std::string& commandLine, Installer& installer) {
    std::wstring line = win::Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &info))
        return StartFailure(GetLastError());
    installer.process.reset(info.hProcess);
    const win::UniqueObject thread(info.hThread);
    installer.job.reset(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{installer.job.get(),
                                                    TheInterruption().port.get()};
    const bool watched =
        installer.job &&
        SetInformationJobObject(installer.job.get(), JobObjectAssociateCompletionPortInformation,
                                &association, sizeof(association)) &&
        AssignProcessToJobObject(installer.job.get(), installer.process.get());
    if (!watched) {
        const std::string failure = "无法等待它启动的进程，错误代码 " + std::to_string(GetLastError());
        TerminateProcess(installer.process.get(), 1);
        return failure;
    }
    ResumeThread(thread.get());
    return {};
}

// Until every process of the job has ended, or an interruption.
void WaitForAll(const Installer& installer) {
    DWORD message = 0;
    ULONG_PTR key = 0;
    LPOVERLAPPED overlapped = nullptr;
    while (GetQueuedCompletionStatus(TheInterruption().port.get(), &message, &key, &overlapped,
                                     INFINITE)) {
        if (key == kInterruptKey) return;
        if (key == reinterpret_cast<ULONG_PTR>(installer.job.get()) &&
            message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO)
            return;
    }
}

}  // namespace

int Tool::Install(const std::string& name) {
    Installer installer;
    const std::string commandLine = InstallerCommandLine(win::Narrow(GetCommandLineW()));
    if (const std::string failure = Start(commandLine, installer); !failure.empty()) {
        PrintError("无法启动安装程序 " + name + "：" + failure + "\n");
        return kExitCheckFailed;
    }
    WaitForAll(installer);
    DWORD code = 0;
    GetExitCodeProcess(installer.process.get(), &code);
    return static_cast<int>(code);
}

int Tool::Run(const Options& options) {
    const auto views = Views(options.view);
    if (!views) return kExitUsage;
    const InterruptGuard guard;
    std::vector<Change> changes;
    int code = kExitOk;
    try {
        code = SetViews(options.folder, *views, changes);
        if (code == kExitOk && !guard.Interrupted()) code = Install(options.installer.front());
    } catch (...) {
        PutBack(changes);
        throw;
    }
    const int putBack = PutBack(changes);
    if (putBack != kExitOk) return putBack;
    // As Windows' own handler would have ended it, once the values are back.
    return guard.Interrupted() ? static_cast<int>(STATUS_CONTROL_C_EXIT) : code;
}

}  // namespace qf::cli
