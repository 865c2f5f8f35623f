// Load and save of a large settings file through the core commands and the
// POSIX ports, against plain stdio reading and writing the same bytes.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "bench_entries.h"
#include "form_fixture.h"
#include "platform/posix/posix_file_store.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string StdioRead(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

void StdioWrite(const std::string& path, const std::string& bytes, bool sync) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
    if (sync) fsync(fileno(f));
    std::fclose(f);
}

// The form on the real file store; registry and boxes are fakes.
struct Bench : qf::test::FormFixture {
    qf::posix::PosixFileStore disk;
    qf::TForm1 real{qf::Ports{registry, shell, dialogs, files, view, list, window, clipboard, sound,
                              picker, about, disk, codec, record}};
};

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("qf-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string set = (dir / "set").string();
    const std::string plain = (dir / "plain").string();

    Bench b;
    b.real.State().SetFileName = set;
    b.list.items = qf::bench::MakeEntries();
    b.real.baocunClick();
    const std::string bytes = StdioRead(set);

    using qf::bench::BestMs;
    const double stdioRead = BestMs([&] {
        const auto t = Clock::now();
        StdioRead(set);
        return Since(t);
    });
    const double coreLoad = BestMs([&] {
        const auto t = Clock::now();
        b.real.diaoruClick();
        return Since(t);
    });
    const double stdioWrite = BestMs([&] {
        const auto t = Clock::now();
        StdioWrite(plain, bytes, false);
        return Since(t);
    });
    const double stdioWriteSync = BestMs([&] {
        const auto t = Clock::now();
        StdioWrite(plain, bytes, true);
        return Since(t);
    });
    const double coreSave = BestMs([&] {
        const auto t = Clock::now();
        b.real.baocunClick();
        return Since(t);
    });
    if (b.list.items.size() != qf::bench::kEntries || StdioRead(set) != bytes) {
        std::fprintf(stderr, "the load or save changed the list\n");
        return 1;
    }
    fs::remove_all(dir);

    std::printf("settings file: %d entries, %zu bytes (best of 5, ms)\n", qf::bench::kEntries,
                bytes.size());
    std::printf("  load: core %8.2f   stdio read          %8.2f   ratio %5.2fx\n", coreLoad,
                stdioRead, coreLoad / stdioRead);
    std::printf("  save: core %8.2f   stdio write         %8.2f   ratio %5.2fx\n", coreSave,
                stdioWrite, coreSave / stdioWrite);
    std::printf("  save: core %8.2f   stdio write + fsync %8.2f   ratio %5.2fx\n", coreSave,
                stdioWriteSync, coreSave / stdioWriteSync);
    return 0;
}
