// Filling the real list box: ListBox1's bulk Assign (redraw off, storage
// reserved) against bare LB_ADDSTRING of the same strings, converted
// beforehand.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench_entries.h"
#include "platform/win32/text.h"
#include "ui/list_box.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 3;

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

HWND MakeList(HWND parent) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           0, 0, 470, 220, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

// The number of entries can be given, as Wine's list box is slow to fill.
int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : qf::bench::kEntries;
    HWND frame = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 500, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const std::vector<std::string> entries = qf::bench::MakeEntries(count);
    std::vector<std::wstring> wide;
    wide.reserve(entries.size());
    for (const std::string& e : entries) wide.push_back(qf::win::Widen(e));

    qf::win::ListBox list;
    list.Attach(MakeList(frame));
    HWND bare = MakeList(frame);

    using qf::bench::BestMs;
    const double assign = BestMs(
        [&] {
            const auto t = Clock::now();
            list.Assign(entries);
            return Since(t);
        },
        kRuns);
    const double addString = BestMs(
        [&] {
            SendMessageW(bare, LB_RESETCONTENT, 0, 0);
            const auto t = Clock::now();
            for (const std::wstring& w : wide)
                SendMessageW(bare, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
            return Since(t);
        },
        kRuns);
    const bool same = list.Count() == count && SendMessageW(bare, LB_GETCOUNT, 0, 0) == count &&
                      list.Item(count - 1) == entries.back();
    DestroyWindow(frame);
    if (!same) {
        std::fprintf(stderr, "the list boxes do not hold the entries\n");
        return 1;
    }
    std::printf("list box: %d entries (best of %d, ms)\n", count, kRuns);
    std::printf("  Assign %8.2f   bare LB_ADDSTRING %10.2f   ratio %.4fx\n", assign, addString,
                assign / addString);
    return 0;
}
