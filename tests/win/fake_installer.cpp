// A stand-in installer for qfdir run. "MARKER CODE" starts a copy of itself
// that writes MARKER later and exits at once with CODE, as installers that
// hand over to a child do; "--child MARKER" is that copy: after a second it
// writes the ProgramFilesDir it sees into MARKER. "--stay MARKER" writes
// MARKER once it waits, then runs until the test sets the event kStopEvent,
// for a test that ends qfdir run while the installer still runs.
#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace {

using qf::win::OwnFile;
using qf::win::UniqueObject;

constexpr wchar_t kStopEvent[] = L"Local\\qf-fake-installer-stop";
constexpr wchar_t kKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

int WriteMarker(const wchar_t* marker) {
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_LOCAL_MACHINE, kKeyPath, L"ProgramFilesDir", RRF_RT_REG_SZ, nullptr, value,
                 &size);
    const UniqueObject file = OwnFile(
        CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return 1;
    DWORD written = 0;
    return WriteFile(file.get(), value, static_cast<DWORD>(wcslen(value) * sizeof(wchar_t)),
                     &written, nullptr)
               ? 0
               : 1;
}

int StartChild(const wchar_t* marker) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --child \"" + marker + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return 1;
    const UniqueObject thread(info.hThread);
    const UniqueObject process(info.hProcess);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 100;
    if (std::wstring(argv[1]) == L"--stay") {
        // The event exists before the marker tells the test it may set it.
        const UniqueObject stop(CreateEventW(nullptr, TRUE, FALSE, kStopEvent));
        if (!stop || WriteMarker(argv[2]) != 0) return 1;
        return WaitForSingleObject(stop.get(), INFINITE) == WAIT_OBJECT_0 ? 0 : 1;
    }
    if (std::wstring(argv[1]) == L"--child") {
        Sleep(1000);
        return WriteMarker(argv[2]);
    }
    if (StartChild(argv[1]) != 0) return 101;
    return _wtoi(argv[2]);
}
