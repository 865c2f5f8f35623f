// The benchmarks' list: 100,000 folder paths of about 60 bytes, one in ten
// with Chinese in it, as UTF-8.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace qf::bench {

inline constexpr int kEntries = 100000;

inline std::vector<std::string> MakeEntries(int count = kEntries) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        char path[96];
        std::snprintf(path, sizeof path, "D:\\Program Files\\Vendor %04d\\%s %05d\\bin\\x64\\rel",
                      i % 1000, i % 10 == 0 ? "青枫目录台" : "Product", i);
        entries.emplace_back(path);
    }
    return entries;
}

// The best of a few runs of `work`, in milliseconds.
template <class Work>
double BestMs(Work work, int runs = 5) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double ms = work();
        if (ms < best) best = ms;
    }
    return best;
}

}  // namespace qf::bench
