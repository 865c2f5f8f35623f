#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kReadError[] = "Invalid data type for 'ProgramFilesDir'";
constexpr char kMissingSetBox[] = "box 设置文件不存在,无法读取  C:\\Tools\\set";
constexpr char kSave[] = "save C:\\Tools\\set";

TEST(FormCreate, RunsItsStepsInOrder) {
    FormFixture f;
    f.window.screen = {1024, 768};
    f.files.current = "D:\\青枫";
    f.registry.value = {"C:\\Program Files"};
    f.store.files["D:\\青枫\\set"] = "0\r\nA\r\nB\r\n";
    f.form.RunCommand(&TForm1::FormCreate);

    EXPECT_THAT(f.log, ElementsAre("height 578", "width 780", "hide submenu", kKey, kRead, "close",
                                   "path C:\\Program Files", "read D:\\青枫\\set",
                                   "skin D:\\青枫\\皮肤\\白兰_mxp1.skn"));
    EXPECT_FALSE(f.view.autoRestore);
    EXPECT_THAT(f.list.items, ElementsAre("A", "B"));
    EXPECT_EQ(f.list.selected, 1);
    const FormState& s = f.form.State();
    EXPECT_EQ(s.AppDir, "D:\\青枫");
    EXPECT_EQ(s.SoundDir, "D:\\青枫\\音效");
    EXPECT_EQ(s.SetFileName, "D:\\青枫\\set");
    EXPECT_EQ(s.OriginalDir.text, "C:\\Program Files");
    EXPECT_FALSE(s.WriteMode);
    EXPECT_FALSE(s.WriteFailed);
    EXPECT_EQ(s.LastBrowseDir, "");
}

TEST(FormCreate, JoinsPathsByPlainConcatenation) {
    const struct {
        std::string appDir, soundDir, setFile;
    } cases[] = {
        {"C:\\", "C:\\\\音效", "C:\\\\set"},
        // A long base folder is kept whole, so the sound cue is still found.
        {"C:\\" + std::string(300, 'a'), "C:\\" + std::string(300, 'a') + "\\音效",
         "C:\\" + std::string(300, 'a') + "\\set"},
    };
    for (const auto& c : cases) {
        FormFixture f;
        f.files.current = c.appDir;
        f.form.RunCommand(&TForm1::FormCreate);
        EXPECT_EQ(f.form.State().SoundDir, c.soundDir);
        EXPECT_EQ(f.form.State().SetFileName, c.setFile);
    }
}

TEST(FormCreate, ReadErrorStopsTheSequenceWithTheDefaultReport) {
    FormFixture f;
    f.registry.readError = kReadError;
    f.form.RunCommand(&TForm1::FormCreate);
    EXPECT_THAT(f.log, ElementsAre("hide submenu", kKey, kRead, "close",
                                   std::string("report ") + kReadError));
    EXPECT_EQ(f.form.State().OriginalDir.text, "");
    EXPECT_EQ(f.view.pathText, "");
}

TEST(FormCreate, OpenFailureShowsItsBoxAndGoesOnWithAnEmptyValue) {
    FormFixture f;
    f.registry.openRefused = true;
    f.form.RunCommand(&TForm1::FormCreate);
    EXPECT_THAT(f.log, ElementsAre("hide submenu", "open refused", kOpenFailedBox, "path ",
                                   kMissingSetBox, "skin C:\\Tools\\皮肤\\白兰_mxp1.skn"));
}

// A form that started with ProgramFilesDir = C:\Program Files, which has
// since been changed behind its back.
struct Started : FormFixture {
    explicit Started(RegString original = {"C:\\Program Files"}) {
        registry.value = original;
        store.files["C:\\Tools\\set"] = "1\r\n";
        form.RunCommand(&TForm1::FormCreate);
        registry.value = {"D:\\Soft"};
        log.clear();
    }
    void Close() { form.RunCommand(&TForm1::FormClose); }
    void RefuseOneWrite() {
        registry.writeRefused = true;
        form.State().TargetDir = {"E:\\x"};
        form.State().WriteMode = true;
        form.xiugaiproClick();
        form.State().WriteMode = false;
        registry.writeRefused = false;
        log.clear();
    }
};

TEST(FormClose, RestoresTheStartUpValueThenEnds) {
    Started f;
    f.Close();
    EXPECT_THAT(f.log, ElementsAre(kKey, kRead, "write ProgramFilesDir=C:\\Program Files", "close",
                                   kNotify1, kNotify2, kSave, "release tray", "terminate"));
    EXPECT_FALSE(f.form.State().WriteMode);
}

TEST(FormClose, PutsBackAnExpandableValueWithItsType) {
    Started f({"%SystemDrive%\\Program Files", RegKind::ExpandSz});
    f.Close();
    EXPECT_EQ(f.registry.value, (RegString{"%SystemDrive%\\Program Files", RegKind::ExpandSz}));
}

TEST(FormClose, LeavesTheValueWhenTheOptionIsOff) {
    Started f;
    f.view.autoRestore = false;
    f.Close();
    EXPECT_THAT(f.log, ElementsAre(kSave, "release tray", "terminate"));
    EXPECT_EQ(f.registry.value.text, "D:\\Soft");
}

TEST(FormClose, SkipsTheRestoreWhenThisRunCouldNotWrite) {
    Started f;
    f.RefuseOneWrite();
    f.Close();
    EXPECT_THAT(f.log, ElementsAre(kSave, "release tray", "terminate"));
}

TEST(FormClose, StillRestoresWhenALaterWriteSucceeded) {
    Started f;
    f.RefuseOneWrite();
    f.form.State().WriteSucceeded = true;  // as after a later successful set
    f.Close();
    EXPECT_EQ(f.registry.value.text, "C:\\Program Files");
    EXPECT_EQ(Occurrences(f.log, "terminate"), 1);
}

TEST(FormClose, ReportsAReadErrorAndStillEnds) {
    Started f;
    f.registry.readError = kReadError;
    f.Close();
    EXPECT_THAT(f.log, ElementsAre(kKey, kRead, "close", std::string("report ") + kReadError,
                                   kSave, "release tray", "terminate"));
}

TEST(FormClose, AFailedSaveIsReportedAndKeepsTheProgramRunning) {
    Started f;
    f.view.autoRestore = false;
    f.store.writeError = io::kDiskFull;
    f.Close();
    EXPECT_THAT(f.log, ElementsAre(kSave, "report Disk full."));
    EXPECT_EQ(f.store.files["C:\\Tools\\set"], "1\r\n");

    // The next close runs the whole sequence again.
    f.store.writeError.reset();
    f.log.clear();
    f.Close();
    EXPECT_THAT(f.log, ElementsAre(kSave, "release tray", "terminate"));
}

TEST(FormClose, ACloseRequestDuringTheSequenceStartsNoSecondOne) {
    Started f;
    f.registry.writeRefused = true;
    // The tray's exit item while the write-failure box is open.
    f.dialogs.whileOpen = [&] { f.Close(); };
    f.Close();
    EXPECT_EQ(Occurrences(f.log, kWriteFailedBox), 1);
    EXPECT_EQ(Occurrences(f.log, "release tray"), 1);
    EXPECT_EQ(Occurrences(f.log, "terminate"), 1);
}

TEST(FormClose, ACloseRequestDuringTheSaveReportStartsNoSecondOne) {
    Started f;
    f.store.writeError = io::kDiskFull;
    f.dialogs.whileOpen = [&] { f.Close(); };
    f.Close();
    EXPECT_EQ(Occurrences(f.log, "report Disk full."), 1);
    EXPECT_EQ(Occurrences(f.log, kSave), 1);
    EXPECT_EQ(Occurrences(f.log, "terminate"), 0);
}

TEST(FormEndSession, RestoresWithoutShowingABox) {
    Started f;
    f.form.FormEndSession();
    EXPECT_EQ(f.registry.value.text, "C:\\Program Files");

    Started refused;
    refused.registry.writeRefused = true;
    refused.form.FormEndSession();
    EXPECT_THAT(refused.log, ElementsAre(kKey, kRead, "write ProgramFilesDir=C:\\Program Files",
                                         "close", kSave));
}

}  // namespace
}  // namespace qf::test
