#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using Entries = std::vector<std::string>;

constexpr char kAddBrowse[] = "browse 增加软件安装路径，请选择一个目录 at ";
constexpr char kModifyBrowse[] = "browse 修改软件安装路径，请选择一个目录 at ";

// The middle of a row of the fake list, and a point below four entries.
constexpr int Row(int index) { return index * FakePathList::kRow + FakePathList::kRow / 2; }
constexpr int kBelow = 10 * FakePathList::kRow;

struct ListFixture : FormFixture {
    ListFixture(Entries entries, int selected) {
        list.items = std::move(entries);
        list.selected = selected;
    }
};

TEST(ListBox1DragDrop, MovesTheEntryAboveTheOneDroppedOn) {
    const Entries abcd{"A", "B", "C", "D"};
    const struct {
        const char* what;
        int selected;  // after the press, as the list box selects
        int pressY, dropY;
        Entries after;
        int selectedAfter;
        int repaints;
    } cases[] = {
        {"up: D onto B", 3, Row(3), Row(1), {"A", "D", "B", "C"}, 1, 1},
        {"down: A onto C", 0, Row(0), Row(2), {"B", "A", "C", "D"}, 1, 1},
        // Moved above the entry below it: where it was.
        {"onto the next entry", 0, Row(0), Row(1), abcd, 0, 1},
        {"onto itself", 2, Row(2), Row(2), abcd, 2, 0},
        {"onto the last entry", 1, Row(1), Row(3), {"A", "C", "B", "D"}, 2, 1},
        {"the last entry to the top", 3, Row(3), Row(0), {"D", "A", "B", "C"}, 0, 1},
        {"below the last entry", 1, Row(1), kBelow, abcd, 1, 0},
        {"begun off any entry", 3, kBelow, Row(1), abcd, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ListFixture f(abcd, c.selected);
        f.form.ListBox1StartDrag(4, c.pressY);
        f.form.ListBox1DragDrop(4, c.dropY);
        EXPECT_THAT(f.list.items, ElementsAreArray(c.after));
        EXPECT_EQ(f.list.selected, c.selectedAfter);
        EXPECT_EQ(f.list.repaints, c.repaints);
        // The selection after the drop is set in code: no hint, no clipboard.
        EXPECT_EQ(f.list.hint, "");
        EXPECT_THAT(f.log, IsEmpty());
    }
}

TEST(ListBox1DragOver, AcceptsOnlyTheListItself) {
    FormFixture f;
    FakePathList other;
    EXPECT_TRUE(f.form.ListBox1DragOver(f.list));
    EXPECT_FALSE(f.form.ListBox1DragOver(other));
}

TEST(zenjiaClick, AppendsAndSelectsTheChosenFolderAndOpensThereNextTime) {
    ListFixture f({"D:\\Soft"}, -1);
    f.picker.answers = {"D:\\Soft", "E:\\", ""};
    f.form.zenjiaClick();
    f.form.zenjiaClick();
    EXPECT_THAT(f.list.items, ElementsAre("D:\\Soft", "D:\\Soft", "E:\\"));
    EXPECT_EQ(f.list.selected, 2);

    f.form.zenjiaClick();  // cancelled
    EXPECT_THAT(f.list.items, ElementsAre("D:\\Soft", "D:\\Soft", "E:\\"));
    EXPECT_EQ(f.list.selected, 2);
    EXPECT_EQ(f.form.State().LastBrowseDir, "E:\\");
    EXPECT_THAT(f.log, ElementsAre(std::string(kAddBrowse), std::string(kAddBrowse) + "D:\\Soft",
                                   std::string(kAddBrowse) + "E:\\"));
    EXPECT_EQ(f.list.hint, "");
}

TEST(N22Click, ReplacesTheSelectedEntryInPlace) {
    ListFixture f({"A", "B", "C"}, 1);
    f.form.State().LastBrowseDir = "D:\\Last";
    f.picker.answers = {"D:\\New", ""};
    f.form.N22Click();
    EXPECT_THAT(f.list.items, ElementsAre("A", "D:\\New", "C"));
    EXPECT_EQ(f.list.selected, 1);
    f.form.N22Click();  // cancelled
    EXPECT_THAT(f.list.items, ElementsAre("A", "D:\\New", "C"));
    EXPECT_EQ(f.form.State().LastBrowseDir, "D:\\New");
    // It opens where the last browse ended, not at the entry.
    EXPECT_THAT(f.log, ElementsAre(std::string(kModifyBrowse) + "D:\\Last",
                                   std::string(kModifyBrowse) + "D:\\New"));
}

TEST(N22Click, WithoutASelectionOpensNoPicker) {
    const struct {
        Entries entries;
        int selected;
    } cases[] = {{{}, -1}, {{"A"}, -1}};
    for (const auto& c : cases) {
        ListFixture f(c.entries, c.selected);
        f.picker.answers = {"D:\\New"};
        f.form.N22Click();
        EXPECT_THAT(f.log, IsEmpty());
        EXPECT_EQ(f.list.items, c.entries);
    }
}

TEST(N3Click, SelectsTheEntryThatMovedIntoThePlace) {
    const struct {
        Entries before;
        int selected;
        Entries after;
        int selectedAfter;
    } cases[] = {
        {{"A", "B", "C"}, 1, {"A", "C"}, 1},
        {{"A", "B", "C"}, 0, {"B", "C"}, 0},
        {{"A", "B", "C"}, 2, {"A", "B"}, -1},
        {{"A"}, 0, {}, -1},
        {{"A", "B"}, -1, {"A", "B"}, -1},
        {{}, -1, {}, -1},
    };
    for (const auto& c : cases) {
        ListFixture f(c.before, c.selected);
        f.form.N3Click();
        EXPECT_THAT(f.list.items, ElementsAreArray(c.after));
        EXPECT_EQ(f.list.selected, c.selectedAfter);
    }
}

TEST(N9Click, ClearsTheListAndKeepsHintAndLastFolder) {
    ListFixture f({"A", "B"}, 1);
    f.list.hint = "B";
    f.form.State().LastBrowseDir = "D:\\Last";
    f.form.N9Click();
    EXPECT_THAT(f.list.items, IsEmpty());
    EXPECT_EQ(f.list.selected, -1);
    EXPECT_EQ(f.list.hint, "B");
    EXPECT_EQ(f.form.State().LastBrowseDir, "D:\\Last");
}

TEST(ListBox1Click, SetsTheHintAndCopiesWhenTheOptionIsOn) {
    for (bool autoCopy : {true, false}) {
        ListFixture f({"A", "D:\\青枫"}, 1);
        f.view.autoCopy = autoCopy;
        f.form.ListBox1Click();
        EXPECT_EQ(f.list.hint, "D:\\青枫");
        EXPECT_EQ(Occurrences(f.log, "clipboard D:\\青枫"), autoCopy ? 1 : 0);
    }
    ListFixture none({"A"}, -1);
    none.form.ListBox1Click();
    EXPECT_EQ(none.list.hint, "");
    EXPECT_THAT(none.log, IsEmpty());
}

TEST(N25Click, CopiesWhateverTheOptionAndPutsItBack) {
    ListFixture f({"A", "B"}, 0);
    f.view.autoCopy = false;
    f.form.RunCommand(&TForm1::N25Click);
    EXPECT_THAT(f.log, ElementsAre("clipboard A"));
    EXPECT_FALSE(f.view.autoCopy);
}

TEST(N25Click, AHeldClipboardEndsInTheReportAfterTheHintAndTheOptionIsBack) {
    ListFixture f({"A", "B"}, 1);
    f.view.autoCopy = false;
    f.clipboard.held = true;
    f.form.RunCommand(&TForm1::N25Click);
    EXPECT_THAT(f.log, ElementsAre("report Cannot open clipboard."));
    EXPECT_EQ(f.list.hint, "B");
    EXPECT_FALSE(f.view.autoCopy);
}

TEST(ListBox1DblClick, MinimizesOnlyWithASelection) {
    const struct {
        Entries entries;
        int selected;
        long minimized;
    } cases[] = {{{"A"}, 0, 1}, {{"A"}, -1, 0}, {{}, -1, 0}};
    for (const auto& c : cases) {
        ListFixture f(c.entries, c.selected);
        f.form.ListBox1DblClick();
        EXPECT_EQ(Occurrences(f.log, "minimize"), c.minimized);
    }
}

}  // namespace
}  // namespace qf::test
