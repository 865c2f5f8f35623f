// The settings file: reading rules, the written bytes, round trips and the
// rules that keep a stored list from being lost.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "form_fixture.h"
#include "settings/settings_format.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kSet[] = "C:\\Tools\\set";
constexpr int kUnchanged = -1;
constexpr std::size_t kNoFailure = std::string::npos;
// The GBK bytes of 青枫, 空格 and 目录.
constexpr char kQingfengGbk[] = "\xC7\xE0\xB7\xE3";
constexpr char kKongGeGbk[] = "\xBF\xD5\xB8\xF1";
constexpr char kMuluGbk[] = "\xC4\xBF\xC2\xBC";

const std::string kMissingBox = std::string("box 设置文件不存在,无法读取  ") + kSet;
const std::string kDataErrorBox = std::string("box 设置文件数据有错误！  ") + kSet;
const std::string kInvalidNumber = "report Invalid numeric input.";

// A form whose list holds one selected entry "keep", before a load.
struct Loaded : FormFixture {
    Loaded() {
        form.State().SetFileName = kSet;
        list.items = {"keep"};
        list.selected = 0;
    }
    void Load() { form.RunCommand(&TForm1::diaoruClick); }
    void Save() { form.RunCommand(&TForm1::baocunClick); }
};

struct LoadCase {
    const char* name;
    std::optional<std::string> bytes;  // no file when missing
    int option;                        // 1 on, 0 off, or kUnchanged
    std::vector<std::string> entries;
    int selected;
    std::string message;  // the box or report shown, if any
    std::size_t failAt = kNoFailure;  // reading fails after this many bytes
    std::optional<int> openError = {};
};

const std::vector<std::string> kKeep = {"keep"};

const LoadCase kLoadCases[] = {
    {"the 21-byte example", "1\r\nD:\\Soft\r\nE:\\Apps\r\n", 1, {"D:\\Soft", "E:\\Apps"}, 1, ""},
    {"no final line end", "1\r\nD:\\Soft\r\nE:\\Apps", 1, {"D:\\Soft", "E:\\Apps"}, 1, ""},
    {"LF line ends", "0\nA\nB\n", 0, {"A", "B"}, 1, ""},
    {"empty file", "", 0, {}, -1, ""},
    {"only the option", "1\r\n", 1, {}, -1, ""},
    {"only blanks and line ends", " \t\r\n\r\n", 0, {}, -1, ""},
    {"rest of the first line ignored", "1 and more\r\nA\r\n", 1, {"A"}, 0, ""},
    {"blank first line", "\r\n  \r\n0\r\nA\r\n", 0, {"A"}, 0, ""},
    {"minus", "-5\r\n", 1, {}, -1, ""},
    {"plus", "+1\r\n", 1, {}, -1, ""},
    {"0x", "0x1F\r\n", 1, {}, -1, ""},
    {"0X", "0X1f\r\n", 1, {}, -1, ""},
    {"dollar", "$10\r\n", 1, {}, -1, ""},
    {"x", "x1\r\n", 1, {}, -1, ""},
    {"X", "-X1\r\n", 1, {}, -1, ""},
    {"32-bit pattern", "$FFFFFFFF\r\n", 1, {}, -1, ""},
    {"largest", "2147483647\r\n", 1, {}, -1, ""},
    {"smallest", "-2147483648\r\n", 1, {}, -1, ""},
    {"double zero", "00\r\nA\r\n", 0, {"A"}, 0, ""},
    {"hex zero", "$0\r\n", 0, {}, -1, ""},
    {"minus zero", "-0x0\r\n", 0, {}, -1, ""},
    {"32 token bytes, the rest skipped", std::string(31, '0') + "1" + "99\r\nA\r\n", 1, {"A"}, 0,
     ""},
    {"a path", "D:\\Soft\r\nA\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"a fraction", "1.0\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"too large", "2147483648\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"too small", "-2147483649\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"hex beyond 32 bits", "$100000000\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"prefix without digits", "0x\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"sign alone", "-\r\n", kUnchanged, kKeep, 0, kInvalidNumber},
    {"digits beyond 32 bytes", std::string(33, '1') + "\r\n", kUnchanged, kKeep, 0,
     kInvalidNumber},
    {"blank lines are empty entries", "1\r\n\r\nA\r\n\r\n", 1, {"", "A", ""}, 2, ""},
    {"blanks kept", "1\r\n  D:\\Soft  \r\n", 1, {"  D:\\Soft  "}, 0, ""},
    {"lone CR dropped", "1\r\nD:\\S\roft\r\nB\r\n", 1, {"D:\\Soft", "B"}, 1, ""},
    {"Ctrl+Z at a line start", "1\r\nA\r\n\x1A" "B\r\n", 1, {"A"}, 0, ""},
    {"Ctrl+Z inside a line", "1\r\nA\x1A" "cut\r\nB\r\n", 1, {"A", "B"}, 1, ""},
    {"Ctrl+Z on the first line", "1 \x1A\r\nA\r\n", 1, {}, -1, ""},
    {"Ctrl+Z before the first value", "\r\n\x1A" "1\r\nA\r\n", 0, {}, -1, ""},
    {"GBK entries", std::string("1\r\nD:\\") + kQingfengGbk + "\r\n", 1, {"D:\\青枫"}, 0, ""},
    {"UTF-8 behind its mark", "\xEF\xBB\xBF" "0\r\nD:\\青枫\r\nE:\\😀\r\n", 0,
     {"D:\\青枫", "E:\\😀"}, 1, ""},
    {"missing", std::nullopt, kUnchanged, kKeep, 0, kMissingBox},
    {"cannot be opened", "1\r\nA\r\n", kUnchanged, kKeep, 0, "report File access denied.",
     kNoFailure, io::kAccessDenied},
    {"a line fails", "1\r\nA\r\nBC\r\n", 1, {"A"}, 0, kDataErrorBox, 7},
    {"the first line fails", "1\r\nA\r\n", kUnchanged, kKeep, 0, "report I/O error 1117.", 1},
};

TEST(diaoruClick, FollowsTheReadingRules) {
    for (const LoadCase& c : kLoadCases) {
        for (bool before : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (before ? ", option on before" : ""));
            Loaded f;
            f.view.autoRestore = before;
            if (c.bytes) f.store.files[kSet] = *c.bytes;
            if (c.failAt != kNoFailure) f.store.readFailure = {{c.failAt, c.failAt == 1 ? 1117 : 5}};
            f.store.openError = c.openError;
            f.Load();

            EXPECT_EQ(f.view.autoRestore, c.option == kUnchanged ? before : c.option == 1);
            EXPECT_EQ(f.list.items, c.entries);
            EXPECT_EQ(f.list.selected, c.selected);
            EXPECT_EQ(f.list.hint, "") << "a selection set in code leaves the hint";
            std::vector<std::string> shown;
            for (const std::string& entry : f.log)
                if (entry.starts_with("box ") || entry.starts_with("report ")) shown.push_back(entry);
            EXPECT_EQ(shown, c.message.empty() ? Log{} : Log{c.message});
        }
    }
}

TEST(diaoruClick, ShowsTheDataErrorOnlyAfterTheFileIsClosed) {
    Loaded f;
    f.store.files[kSet] = "1\r\nA\r\nBC\r\n";
    f.store.readFailure = {{7, io::kAccessDenied}};
    f.Load();
    EXPECT_THAT(f.log, ElementsAre(std::string("read ") + kSet, kDataErrorBox));
}

TEST(baocunClick, WritesTheOptionAndOneLinePerEntry) {
    const struct {
        bool option;
        std::vector<std::string> entries;
        std::string bytes;
    } cases[] = {
        {true, {"D:\\Soft", "E:\\Apps"},
         "\x31\x0D\x0A\x44\x3A\x5C\x53\x6F\x66\x74\x0D\x0A\x45\x3A\x5C\x41\x70\x70\x73\x0D\x0A"},
        {false, {}, "0\r\n"},
        {true, {}, "1\r\n"},
        {false, {"D:\\青枫"}, std::string("0\r\nD:\\") + kQingfengGbk + "\r\n"},
        // 😀 has no GBK form: the whole file goes UTF-8, behind the mark.
        {true, {"D:\\青枫", "E:\\😀"}, "\xEF\xBB\xBF" "1\r\nD:\\青枫\r\nE:\\😀\r\n"},
    };
    for (const auto& c : cases) {
        Loaded f;
        f.view.autoRestore = c.option;
        f.list.items = c.entries;
        f.Save();
        EXPECT_EQ(f.store.files[kSet], c.bytes);
        EXPECT_THAT(f.log, ElementsAre(std::string("save ") + kSet)) << "no message on success";
    }
}

TEST(baocunClick, RoundTripsEveryEntryAndTheOption) {
    const std::vector<std::string> entries = {"D:\\Soft", "", "  E:\\空格  ", "D:\\Soft",
                                              "C:\\青枫\\目录", "", "E:\\😀"};
    for (std::size_t withoutGbk : {entries.size() - 1, entries.size()}) {
        for (bool option : {false, true}) {
            Loaded saver;
            saver.view.autoRestore = option;
            saver.list.items.assign(entries.begin(), entries.begin() + withoutGbk);
            saver.Save();

            Loaded loader;
            loader.view.autoRestore = !option;
            loader.store.files = saver.store.files;
            loader.Load();
            EXPECT_EQ(loader.view.autoRestore, option);
            EXPECT_EQ(loader.list.items, saver.list.items);
            EXPECT_EQ(loader.list.selected, static_cast<int>(withoutGbk) - 1);
        }
    }
    Loaded gbk;
    gbk.list.items = {"  E:\\空格  ", "C:\\青枫\\目录"};
    gbk.Save();
    EXPECT_EQ(gbk.store.files[kSet], std::string("1\r\n  E:\\") + kKongGeGbk + "  \r\nC:\\" +
                                         kQingfengGbk + "\\" + kMuluGbk + "\r\n");
}

TEST(baocunClick, AFailedSaveIsReportedAndKeepsTheStoredBytes) {
    for (int code : {io::kDiskFull, io::kAccessDenied}) {
        Loaded f;
        f.store.files[kSet] = "0\r\nold\r\n";
        f.store.writeError = code;
        f.Save();
        EXPECT_THAT(f.log, ElementsAre(std::string("save ") + kSet,
                                       "report " + ErrorReportText(IoErrorMessage(code))));
        EXPECT_EQ(f.store.files[kSet], "0\r\nold\r\n");
    }
}

TEST(ParseSettings, CutsALineWhereReadingFailed) {
    const struct {
        std::string_view bytes;
        SettingsStop stop;
        std::vector<std::string> entries;
    } cases[] = {
        {"1\r\nA\r\nB", SettingsStop::LineFailed, {"A"}},
        {"1\r\nA\r\n", SettingsStop::LineFailed, {"A"}},
        {"1\r\nA\r\n\x1A", SettingsStop::End, {"A"}},
        {"1\r\n", SettingsStop::LineFailed, {}},
        {"1\r", SettingsStop::FirstLineFailed, {}},
        {"  ", SettingsStop::FirstLineFailed, {}},
        {"1\x1A", SettingsStop::End, {}},
    };
    for (const auto& c : cases) {
        const ParsedSettings parsed = ParseSettings(c.bytes, true);
        EXPECT_EQ(parsed.stop, c.stop) << c.bytes;
        EXPECT_EQ(parsed.entries, c.entries) << c.bytes;
    }
}

// The save at exit replaces the file only when this run loaded it in full.
struct Session : Loaded {
    void Start(std::optional<std::string> bytes) {
        if (bytes) store.files[kSet] = *bytes;
        form.RunCommand(&TForm1::FormCreate);
        store.readFailure.reset();
        store.openError.reset();
        list.items.push_back("added");
        log.clear();
    }
    bool SavedAtClose() {
        form.RunCommand(&TForm1::FormClose);
        return Occurrences(log, std::string("save ") + kSet) == 1;
    }
};

TEST(SaveAtExit, SkipsAFileThisRunDidNotLoadInFull) {
    const struct {
        const char* name;
        std::optional<std::string> bytes;
        bool saved;
        std::function<void(Session&)> arrange;
    } cases[] = {
        {"loaded in full", "1\r\nA\r\n", true, nullptr},
        {"no file yet", std::nullopt, true, nullptr},
        {"invalid first value", "x\r\nA\r\n", false, nullptr},
        {"a line failed", "1\r\nA\r\nB\r\n", false, [](Session& r) { r.store.readFailure = {{7, 5}}; }},
        {"not opened", "1\r\nA\r\n", false, [](Session& r) { r.store.openError = 5; }},
        {"start-up stopped before the load", "1\r\nA\r\n", false,
         [](Session& r) { r.registry.readError = "Invalid data type for 'ProgramFilesDir'"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session r;
        r.view.autoRestore = false;
        if (c.arrange) c.arrange(r);
        const std::optional<std::string> before = c.bytes;
        r.Start(c.bytes);
        EXPECT_EQ(r.SavedAtClose(), c.saved);
        EXPECT_EQ(Occurrences(r.log, "terminate"), 1);
        if (!c.saved && before) {
            EXPECT_EQ(r.store.files[kSet], *before);
        }
    }
}

TEST(SaveAtExit, AnExplicitSaveStillSavesAndThenTheExitToo) {
    Session r;
    r.Start("x\r\nA\r\n");
    r.Save();
    EXPECT_EQ(r.store.files[kSet], "1\r\nkeep\r\nadded\r\n");
    r.list.items.push_back("later");
    r.log.clear();
    EXPECT_TRUE(r.SavedAtClose());
    EXPECT_EQ(r.store.files[kSet], "1\r\nkeep\r\nadded\r\nlater\r\n");
}

TEST(SaveAtExit, AFailedManualLoadStopsTheExitSave) {
    Session r;
    r.Start("1\r\nA\r\n");
    r.store.files[kSet] = "1\r\nA\r\nB\r\nC\r\n";
    r.store.readFailure = {{7, 5}};
    r.Load();
    EXPECT_FALSE(r.SavedAtClose());
    EXPECT_EQ(r.store.files[kSet], "1\r\nA\r\nB\r\nC\r\n");
}

TEST(SaveAtExit, ASessionEndSavesUnderTheSameRuleWithoutABox) {
    for (bool complete : {true, false}) {
        Session r;
        r.Start(complete ? "1\r\nA\r\n" : "x\r\n");
        r.store.writeError = io::kDiskFull;
        r.form.FormEndSession();
        EXPECT_EQ(Occurrences(r.log, std::string("save ") + kSet), complete ? 1 : 0);
        EXPECT_EQ(Occurrences(r.log, "report Disk full."), 0);
    }
}

}  // namespace
}  // namespace qf::test
