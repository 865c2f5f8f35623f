// The record port against the real file system and processes.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "platform/win32/record_store.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {
namespace {

struct RecordStoreTest : ::testing::Test {
    RecordStoreTest() { std::filesystem::remove_all(folder); }
    ~RecordStoreTest() override { std::filesystem::remove_all(folder); }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("qf-record-" + std::to_string(GetCurrentProcessId()));
    Win32RecordStore store{(folder / "r.record").string()};
};

TEST_F(RecordStoreTest, WritesIntoANewFolderReadsBackAndRemoves) {
    EXPECT_EQ(store.Read(), std::nullopt);
    store.Write("one\n");
    store.Write("two\n");
    EXPECT_EQ(store.Read(), "two\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary file left";
    store.Remove();
    store.Remove();
    EXPECT_EQ(store.Read(), std::nullopt);
}

TEST_F(RecordStoreTest, TellsARunningHolderFromAnEndedOneAndAReusedId) {
    const Holder self = store.Self();
    EXPECT_NE(self.started, 0u);
    EXPECT_TRUE(store.IsAlive(self));
    EXPECT_FALSE(store.IsAlive({self.pid, self.started + 1})) << "same id, other start";

    wchar_t cmd[] = L"cmd.exe /c exit 0";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, cmd, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               nullptr, &si, &pi));
    const UniqueObject process(pi.hProcess), thread(pi.hThread);
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(pi.hProcess, &created, &exited, &kernel, &user);
    const Holder child{pi.dwProcessId,
                       (static_cast<unsigned long long>(created.dwHighDateTime) << 32) |
                           created.dwLowDateTime};
    WaitForSingleObject(pi.hProcess, 10000);
    EXPECT_FALSE(store.IsAlive(child));
}

TEST_F(RecordStoreTest, TheLockKeepsOthersOutUntilReleased) {
    auto lock = store.Acquire();
    std::atomic<bool> entered{false};
    std::thread other([&] {
        Win32RecordStore second(store.path());
        const auto held = second.Acquire();
        entered = true;
    });
    Sleep(200);
    EXPECT_FALSE(entered);
    lock.reset();
    other.join();
    EXPECT_TRUE(entered);
}

}  // namespace
}  // namespace qf::win
