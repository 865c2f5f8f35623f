// Registry faults that Wine cannot produce, through a whole run on the fakes:
// a key that cannot be opened and a write that is refused (Wine enforces no
// registry rights). Each run starts, tries the set command and closes; the
// registry value and the saved settings bytes are checked afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fault_report.h"
#include "form_fixture.h"

namespace qf::test {
namespace {

using ::testing::Contains;

constexpr char kSetFile[] = "C:\\Tools\\set";
constexpr char kSetBytes[] = "1\r\nD:\\Soft\r\n";

// Started with ProgramFilesDir = C:\Program Files and D:\Soft in the list,
// selected by the load; then the set command runs.
struct WholeRun : FormFixture {
    explicit WholeRun(void (*fault)(FakeRegistry&)) {
        registry.value = {"C:\\Program Files"};
        files.folders = {"D:\\Soft"};
        store.files[kSetFile] = kSetBytes;
        fault(registry);
        form.RunCommand(&TForm1::FormCreate);
        form.RunCommand(&TForm1::ProgramFiles1Click);
        form.RunCommand(&TForm1::FormClose);
    }
    // The run ended normally: no report, and the application was terminated.
    bool Ended() const { return Occurrences(log, "terminate") == 1; }
};

TEST(RegistryFaults, KeyMissing) {
    WholeRun run([](FakeRegistry& r) { r.openRefused = true; });
    RecordProperty("shown", kOpenFailedBox + 4);
    // At start-up, at the set command and at the auto-restore: nothing is written.
    EXPECT_EQ(Occurrences(run.log, kOpenFailedBox), 3);
    EXPECT_EQ(run.registry.value.text, "C:\\Program Files");
    EXPECT_EQ(run.store.files[kSetFile], kSetBytes);
    EXPECT_TRUE(run.Ended());
}

TEST(RegistryFaults, WriteRefused) {
    WholeRun run([](FakeRegistry& r) { r.writeRefused = true; });
    RecordProperty("shown", kWriteFailedBox + 4);
    // Once at the set command; after it the auto-restore is skipped.
    EXPECT_EQ(Occurrences(run.log, kWriteFailedBox), 1);
    EXPECT_EQ(Occurrences(run.log, "write ProgramFilesDir=D:\\Soft"), 1);
    EXPECT_THAT(run.log, Contains("save C:\\Tools\\set"));
    EXPECT_EQ(run.registry.value.text, "C:\\Program Files");
    EXPECT_EQ(run.store.files[kSetFile], kSetBytes);
    EXPECT_TRUE(run.Ended());
}

}  // namespace
}  // namespace qf::test
