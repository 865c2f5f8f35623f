#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "programfiles/record.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const RegString kOriginal{"%SystemDrive%\\Program Files", RegKind::ExpandSz};
constexpr char kFolder[] = "D:\\Soft";

TEST(RecordFormat, RoundTripsHoldersViewsKindsAndAwkwardText) {
    const Record record{{{1234, 133456789012345678ULL}, {7, 0}},
                        {{"64", kOriginal}, {"32", {"C:\\a%0A b\r\nc %", RegKind::Sz}}}};
    const std::string bytes = FormatRecord(record);
    EXPECT_EQ(bytes,
              "qingfeng-record 1\nholder=1234 133456789012345678\nholder=7 0\n"
              "view=64 expand %25SystemDrive%25\\Program Files\n"
              "view=32 sz C:\\a%250A b%0D%0Ac %25\n");
    EXPECT_EQ(ParseRecord(bytes), record);
    EXPECT_EQ(ParseRecord("qingfeng-record 1\nview=32 sz \n"),
              (Record{{}, {{"32", {"", RegKind::Sz}}}}));
}

TEST(RecordFormat, RefusesWhatItDidNotWrite) {
    for (const char* bytes : {
             "", "qingfeng-record 2\n", "qingfeng-record 1", "qingfeng-record 1\nholder=1\n",
             "qingfeng-record 1\nholder=x 1\n", "qingfeng-record 1\nholder=1 2 3\n",
             "qingfeng-record 1\nview=32 dword 1\n", "qingfeng-record 1\nview=32 sz %4\n",
             "qingfeng-record 1\nother=1\n", "qingfeng-record 1\nview=32 sz C:\\",
         }) {
        EXPECT_EQ(ParseRecord(bytes), std::nullopt) << bytes;
    }
}

// Processes of one machine: they share the registry value and the record.
struct Machine {
    RegString value = kOriginal;
    FakeRecordStore first{1};

    std::unique_ptr<FormFixture> Start(unsigned long pid) {
        auto p = std::make_unique<FormFixture>();
        p->record.Join(first, pid);
        p->registry.value = value;
        p->files.folders = {kFolder, "E:\\Other"};
        Run(*p, &TForm1::FormCreate);
        return p;
    }
    // Runs a command, or crashes in it; the registry keeps what was written.
    void Run(FormFixture& p, void (TForm1::*command)()) {
        p.registry.value = value;
        try {
            p.form.RunCommand(command);
        } catch (const Crash&) {
            p.record.Die();
        }
        value = p.registry.value;
    }
    void Set(FormFixture& p, const std::string& folder) {
        p.list.items = {folder};
        p.list.selected = 0;
        Run(p, &TForm1::ProgramFiles1Click);
    }
    std::optional<Record> Stored() { return LoadRecord(first); }
    RecordDisk& disk() { return *first.disk; }
};

std::string Unrestored(const std::string& current, const std::string& original) {
    return "plain 上次运行没有恢复 ProgramFilesDir。\n当前值：" + current + "\n原来的值：" +
           original + "\n恢复命令和退出时的自动恢复将改回原来的值。";
}

TEST(Record, SetRecordsTheOriginalBeforeWritingAndRestoreClearsIt) {
    Machine m;
    auto p = m.Start(10);
    m.disk().at = [&](const std::string& step) {
        if (step == "after record write") {
            EXPECT_EQ(p->registry.value, kOriginal) << "registry untouched yet";
        }
    };
    m.Set(*p, kFolder);
    m.disk().at = nullptr;
    EXPECT_EQ(m.value.text, kFolder);
    EXPECT_EQ(m.Stored(), (Record{{{10, 10000}}, {{kBuildView, kOriginal}}}));
    EXPECT_EQ(m.disk().locks, 0) << "the lock is released";

    m.Set(*p, "E:\\Other");
    EXPECT_EQ(*m.Stored()->Original(kBuildView), kOriginal) << "the first original stays";

    m.Run(*p, &TForm1::huifuyuanlaiClick);
    EXPECT_EQ(m.value, kOriginal);
    EXPECT_EQ(m.disk().bytes, std::nullopt);
    EXPECT_THAT(m.disk().events, ElementsAre("record write", "record write", "record remove"));
}

TEST(Record, NoWriteWithoutTheRecord) {
    Machine m;
    auto p = m.Start(10);
    p->record.writeError = io::kDiskFull;
    m.Set(*p, kFolder);
    EXPECT_EQ(m.value, kOriginal);
    EXPECT_THAT(p->log, testing::Contains(HasSubstr("report Disk full")));
}

TEST(Record, ExitKeepingTheChangeClearsIt) {
    Machine m;
    auto p = m.Start(10);
    m.Set(*p, kFolder);
    p->view.autoRestore = false;
    m.Run(*p, &TForm1::FormClose);
    EXPECT_EQ(m.value.text, kFolder);
    EXPECT_EQ(m.disk().bytes, std::nullopt);
}

// A run dies at a step; the next run finds what it left.
TEST(Record, ACrashAtAnyStepLeavesTheTrueOriginalToTheNextRun) {
    const struct {
        const char* what;
        const char* crashAt;
        bool restoreFirst;
        bool tells;  // the next run shows the message
    } cases[] = {
        {"after the record, before the registry write", "after record write", false, false},
        {"after the registry write", nullptr, false, true},
        {"during the restore, before the record goes", "before record remove", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Machine m;
        auto first = m.Start(10);
        const auto crash = [&](const std::string& step) {
            if (c.crashAt && step == c.crashAt) throw Crash{};
        };
        if (!c.restoreFirst) m.disk().at = crash;
        m.Set(*first, kFolder);
        m.disk().at = crash;
        if (c.restoreFirst) m.Run(*first, &TForm1::huifuyuanlaiClick);
        first->record.Die();
        m.disk().at = nullptr;
        ASSERT_NE(m.disk().bytes, std::nullopt) << "the record outlives the crash";

        auto next = m.Start(11);
        const std::string current = m.value.text;
        EXPECT_EQ(next->form.State().OriginalDir, kOriginal);
        EXPECT_EQ(next->view.pathText, current) << "the box shows the registry";
        EXPECT_EQ(Occurrences(next->log, Unrestored(current, kOriginal.text)), c.tells ? 1 : 0);

        m.Run(*next, &TForm1::FormClose);
        EXPECT_EQ(m.value, kOriginal);
        EXPECT_EQ(m.disk().bytes, std::nullopt);
    }
}

TEST(Record, TwoHoldersShareOneOriginal) {
    Machine m;
    auto a = m.Start(10);
    m.Set(*a, kFolder);
    auto b = m.Start(20);
    EXPECT_THAT(b->log, testing::Not(testing::Contains(HasSubstr("plain"))))
        << "a live holder is no earlier run";
    m.Set(*b, "E:\\Other");
    EXPECT_EQ(m.Stored(), (Record{{{10, 10000}, {20, 20000}}, {{kBuildView, kOriginal}}}));

    a->view.autoRestore = false;
    m.Run(*a, &TForm1::FormClose);
    a->record.Die();
    EXPECT_EQ(m.Stored(), (Record{{{20, 20000}}, {{kBuildView, kOriginal}}})) << "b still holds";

    b->record.Die();  // killed
    auto c = m.Start(30);
    EXPECT_EQ(Occurrences(c->log, Unrestored("E:\\Other", kOriginal.text)), 1);
    m.Run(*c, &TForm1::FormClose);
    EXPECT_EQ(m.value, kOriginal);
    EXPECT_EQ(m.disk().bytes, std::nullopt);
}

}  // namespace
}  // namespace qf::test
