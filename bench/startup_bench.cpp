// Start-up time of the program against a minimal window program, under
// the same system: time from process creation to a visible window, in
// alternating runs, with the median of each and their ratio; plus peak
// working set and file sizes.
//
// Usage: startup_bench PROGRAM.exe MINIMAL.exe [ROUNDS]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
    SIZE_T peakWorkingSet;
};

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != s->pid || !IsWindowVisible(hwnd)) return TRUE;
    s->found = hwnd;
    return FALSE;
}

HWND VisibleWindowOf(DWORD pid) {
    Search search{pid, nullptr};
    EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

Sample Run(const std::filesystem::path& exe, const std::filesystem::path& base) {
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        base.c_str(), &si, &pi)) {
        std::fprintf(stderr, "cannot start %ls\n", exe.c_str());
        std::exit(1);
    }
    HWND window = nullptr;
    while (!(window = VisibleWindowOf(pi.dwProcessId))) Sleep(1);
    const double elapsed = Now() - start;
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return {elapsed, counters.PeakWorkingSetSize};
}

double Median(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
    return samples[samples.size() / 2].ms;
}

SIZE_T MaxPeak(const std::vector<Sample>& samples) {
    SIZE_T peak = 0;
    for (const Sample& s : samples) peak = std::max(peak, s.peakWorkingSet);
    return peak;
}

std::filesystem::path FromArgument(std::string path) {
    if (path.starts_with('/')) path = "Z:" + path;  // a Unix path reaches Wine through Z:
    return std::filesystem::path(path).make_preferred();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe MINIMAL.exe [ROUNDS]\n", argv[0]);
        return 2;
    }
    const auto program = FromArgument(argv[1]);
    const auto minimal = FromArgument(argv[2]);
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 11;

    // A base folder with a settings file, so no box stands before the window.
    const auto base = std::filesystem::temp_directory_path() / "qf-startup-bench";
    std::filesystem::create_directories(base);
    std::ofstream(base / "set", std::ios::binary) << "1\r\nC:\\Apps\r\n";

    std::vector<Sample> ours, baseline;
    Run(program, base);  // warm the caches once for both
    Run(minimal, base);
    for (int i = 0; i < rounds; ++i) {
        ours.push_back(Run(program, base));
        baseline.push_back(Run(minimal, base));
    }
    std::error_code ignored;  // a just-ended process may still hold it for a moment
    std::filesystem::remove_all(base, ignored);

    const double oursMs = Median(ours);
    const double baseMs = Median(baseline);
    std::printf("start-up to visible window, median of %d runs\n", rounds);
    std::printf("  program          %8.1f ms\n", oursMs);
    std::printf("  minimal window   %8.1f ms\n", baseMs);
    std::printf("  ratio            %8.2f   (goal <= 1.20)\n", oursMs / baseMs);
    std::printf("peak working set\n");
    std::printf("  program          %8.1f MB\n", MaxPeak(ours) / 1048576.0);
    std::printf("  minimal window   %8.1f MB\n", MaxPeak(baseline) / 1048576.0);
    std::printf("file size\n");
    std::printf("  program          %8.1f KB\n", std::filesystem::file_size(program) / 1024.0);
    std::printf("  minimal window   %8.1f KB\n", std::filesystem::file_size(minimal) / 1024.0);
    return 0;
}
