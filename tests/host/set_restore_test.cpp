#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

using Entries = std::vector<std::string>;

constexpr char kCue[] = "C:\\Tools\\音效\\设定.wav";
constexpr char kMissingFolder[] = "box 你选择的安装路径不存在，请修改安装路径，";

// Started in C:\Tools with ProgramFilesDir = C:\Program Files and the cue
// in place.
struct Started : FormFixture {
    explicit Started(RegString original = {"C:\\Program Files"}) {
        registry.value = original;
        files.files = {kCue};
        form.RunCommand(&TForm1::FormCreate);
        Take();
    }
    void Select(Entries entries, int selected) {
        list.items = std::move(entries);
        list.selected = selected;
    }
    // What a write that took logs, up to its success tail.
    static Log Written(const std::string& text) {
        return {kKey, kRead, "write ProgramFilesDir=" + text, "close", kNotify1, kNotify2,
                "path " + text, std::string("play ") + kCue};
    }
};

TEST(ProgramFiles1Click, ChecksInOrderAndWritesNothingWhenOneFails) {
    const struct {
        const char* what;
        Entries entries;
        int selected;
        std::string box;
    } cases[] = {
        {"empty list", {}, -1, "box 列表框为空，无法设置"},
        {"no selection", {"D:\\Soft"}, -1, "box 请在列表框里选择一个安装路径"},
        {"missing folder", {"D:\\Soft", "D:\\Gone"}, 1, std::string(kMissingFolder) + "D:\\Gone"},
        {"empty entry", {""}, 0, kMissingFolder},
        {"a file", {"D:\\setup.exe"}, 0, std::string(kMissingFolder) + "D:\\setup.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Started f;
        f.files.folders = {"D:\\Soft"};
        f.files.files.insert("D:\\setup.exe");
        f.Select(c.entries, c.selected);
        f.form.RunCommand(&TForm1::ProgramFiles1Click);
        EXPECT_THAT(f.log, ElementsAre(c.box));
        EXPECT_EQ(f.registry.value.text, "C:\\Program Files");
    }
}

TEST(ProgramFiles1Click, WritesTheFolderAsAFullPathAndShowsIt) {
    const struct {
        std::string entry, written;
    } cases[] = {
        {"D:\\", "D:\\"},
        {"D:\\青枫 软件", "D:\\青枫 软件"},
        // Installers would resolve a relative path against their own folder.
        {"Soft", "C:\\Tools\\Soft"},
    };
    for (const auto& c : cases) {
        Started f;
        f.files.folders = {c.written};
        f.Select({"X:\\other", c.entry}, 1);
        f.form.RunCommand(&TForm1::ProgramFiles1Click);
        EXPECT_THAT(f.log, ElementsAreArray(Started::Written(c.written)));
        EXPECT_EQ(f.registry.value, (RegString{c.written, RegKind::Sz}));
        EXPECT_EQ(f.list.items[1], c.entry) << "the entry stays as it is";
        EXPECT_FALSE(f.form.State().WriteMode);
    }
}

TEST(ProgramFiles1Click, WithoutTheCueSucceedsSilently) {
    Started f;
    f.files.files.clear();
    f.files.folders = {"D:\\Soft"};
    f.Select({"D:\\Soft"}, 0);
    f.form.RunCommand(&TForm1::ProgramFiles1Click);
    EXPECT_EQ(f.log.back(), "path D:\\Soft");
    EXPECT_EQ(f.registry.value.text, "D:\\Soft");
}

TEST(huifuyuanlaiClick, WritesTheStartUpValueWithItsType) {
    const RegString expand{"%SystemDrive%\\Program Files", RegKind::ExpandSz};
    Started f(expand);
    f.registry.value = {"D:\\Soft"};
    f.form.RunCommand(&TForm1::huifuyuanlaiClick);
    EXPECT_EQ(f.registry.value, expand);
    EXPECT_EQ(f.view.pathText, expand.text);
    EXPECT_EQ(Occurrences(f.log, std::string("play ") + kCue), 1);
}

TEST(huifuyuanlaiClick, AnEmptyStartUpValueIsWrittenAsIs) {
    Started f(RegString{});
    f.registry.value = {"D:\\Soft"};
    f.form.RunCommand(&TForm1::huifuyuanlaiClick);
    EXPECT_THAT(f.log, ElementsAreArray(Started::Written("")));
    EXPECT_EQ(f.registry.value.text, "");
}

TEST(youjianhuifuClick, IsTheRestoreCommand) {
    Started restore, tray;
    restore.form.RunCommand(&TForm1::huifuyuanlaiClick);
    tray.form.RunCommand(&TForm1::youjianhuifuClick);
    EXPECT_EQ(tray.log, restore.log);
    EXPECT_THAT(tray.log, ElementsAreArray(Started::Written("C:\\Program Files")));
}

TEST(SuccessTail, FollowsOnlyAWriteThatTook) {
    for (bool openRefused : {true, false}) {
        Started f;
        f.view.pathText = "shown before";
        f.registry.openRefused = openRefused;
        f.registry.writeRefused = !openRefused;
        f.form.RunCommand(&TForm1::huifuyuanlaiClick);
        EXPECT_EQ(f.log.back(), openRefused ? kOpenFailedBox : kWriteFailedBox);
        EXPECT_EQ(f.view.pathText, "shown before");
        EXPECT_FALSE(f.form.State().WriteMode);
    }
}

TEST(SuccessTail, StillFollowsAWriteThatTookAfterARefusedOne) {
    Started f;
    f.files.folders = {"D:\\Soft"};
    f.Select({"D:\\Soft"}, 0);
    f.registry.writeRefused = true;
    f.form.RunCommand(&TForm1::ProgramFiles1Click);
    f.registry.writeRefused = false;
    f.Take();

    f.form.RunCommand(&TForm1::ProgramFiles1Click);
    EXPECT_THAT(f.log, ElementsAreArray(Started::Written("D:\\Soft")));
    // And the changed system is put back at exit.
    f.form.RunCommand(&TForm1::FormClose);
    EXPECT_EQ(f.registry.value.text, "C:\\Program Files");
}

}  // namespace
}  // namespace qf::test
