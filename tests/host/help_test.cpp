#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "help/links.h"

namespace qf::test {
namespace {

using ::testing::ElementsAre;

constexpr char kBase[] = "D:\\青枫 工具";
using Command = void (TForm1::*)();

struct HelpFixture : FormFixture {
    HelpFixture() {
        files.current = kBase;
        form.State().AppDir = kBase;
    }
};

const struct {
    Command command;
    const char* name;
    const char* document;
} kDocuments[] = {
    {&TForm1::N13Click, "N13", "帮助.txt"},
    {&TForm1::N15Click, "N15", "个人介绍.txt"},
    {&TForm1::N1001Click, "N1001", "100%杀毒软件.txt"},
    {&TForm1::N50Click, "N50", "主动防御.txt"},
    {&TForm1::N52Click, "N52", "保护你的账号.txt"},
    {&TForm1::N26Click, "N26", "接受定做软件.txt"},
    {&TForm1::my7Click, "my7", "示例空间服务商.txt"},
    {&TForm1::my9Click, "my9", "广告位招租.txt"},
};

TEST(HelpDocuments, APresentDocumentOpensMaximized) {
    for (const auto& d : kDocuments) {
        SCOPED_TRACE(d.name);
        HelpFixture f;
        const std::string path = std::string(kBase) + "\\帮助\\" + d.document;
        f.files.files.insert(path);
        f.form.RunCommand(d.command);
        EXPECT_THAT(f.log, ElementsAre("shell open " + path + " maximized"));
    }
}

TEST(HelpDocuments, AMissingDocumentNamesTheFullPathItLookedFor) {
    for (const auto& d : kDocuments) {
        SCOPED_TRACE(d.name);
        HelpFixture f;
        // Another document present does not stand in for the missing one.
        f.files.files.insert(std::string(kBase) + "\\帮助\\readme.txt");
        f.form.RunCommand(d.command);
        EXPECT_THAT(f.log, ElementsAre("plain 文件不存在  " + std::string(kBase) + "\\帮助\\" +
                                       d.document));
        EXPECT_EQ(f.files.current, kBase);
    }
}

TEST(HelpDocuments, PathsAreJoinedWithoutNormalising) {
    HelpFixture f;
    f.form.State().AppDir = "C:\\";
    f.form.RunCommand(&TForm1::N13Click);
    EXPECT_THAT(f.log, ElementsAre("plain 文件不存在  C:\\\\帮助\\帮助.txt"));
}

constexpr char kCompanion[] = "D:\\青枫 工具\\晴川意见簿";
constexpr char kCompanionProgram[] = "D:\\青枫 工具\\晴川意见簿\\意见簿.exe";

TEST(Companion, StartsInItsOwnFolderThenReturnsToTheBaseFolder) {
    HelpFixture f;
    f.files.folders = {kBase, kCompanion};
    f.files.files.insert(kCompanionProgram);
    f.form.RunCommand(&TForm1::N19Click);
    EXPECT_THAT(f.log, ElementsAre(std::string("shell open ") + kCompanionProgram + " normal"));
    EXPECT_THAT(f.files.changes, ElementsAre(kCompanion, kBase));
    EXPECT_EQ(f.files.current, kBase);
}

TEST(Companion, AMissingProgramIsNamedAndTheBaseFolderRestored) {
    HelpFixture f;
    f.files.folders = {kBase, kCompanion};
    f.form.RunCommand(&TForm1::N19Click);
    EXPECT_THAT(f.log, ElementsAre(std::string("plain 文件不存在  ") + kCompanionProgram));
    EXPECT_THAT(f.files.changes, ElementsAre(kCompanion, kBase));
    EXPECT_EQ(f.files.current, kBase);
}

TEST(Companion, AMissingFolderGivesTheErrorBoxAndLeavesTheDirectory) {
    HelpFixture f;
    f.files.current = "E:\\elsewhere";
    f.files.folders = {kBase};
    f.files.files.insert(kCompanionProgram);
    f.form.RunCommand(&TForm1::N19Click);
    EXPECT_THAT(f.log, ElementsAre("box 文件夹 晴川意见簿不存在，请手工启动"));
    EXPECT_THAT(f.files.changes, ElementsAre(kCompanion));
    EXPECT_EQ(f.files.current, "E:\\elsewhere");
}

TEST(WriteToMe, ShowsItsNoteAndNothingElse) {
    HelpFixture f;
    f.form.RunCommand(&TForm1::N21Click);
    EXPECT_THAT(f.log, ElementsAre("message 欢迎给我来信: "
                                   "欢迎给我来信，我一定回复您，请指出问题。万分感谢！"));
}

TEST(Links, EachCommandOpensItsAddressInANormalWindow) {
    const struct {
        Command command;
        const char* address;
    } cases[] = {
        {&TForm1::mr1Click, "https://www.example.com/qingfeng/notepad/"},
        {&TForm1::mr2Click, "https://www.example.com/qingfeng/calculator/"},
        {&TForm1::mr3Click, "https://www.example.com/qingfeng/alarm/"},
        {&TForm1::mr4Click, "https://www.example.com/qingfeng/capture/"},
        {&TForm1::mr5Click, "https://www.example.com/qingfeng/lock/"},
        {&TForm1::mr6Click, "https://www.example.com/qingfeng/mulutai/"},
        {&TForm1::mr7Click, "https://www.example.com/qingfeng/rename/"},
        {&TForm1::mr8Click, "https://www.example.com/qingfeng/yijianbu/"},
        {&TForm1::mr9Click, "https://www.example.com/qingfeng/ledger/"},
        {&TForm1::mr10Click, "https://www.example.com/qingfeng/calendar/"},
        {&TForm1::my2Click, "https://download-a.example.com/"},
        {&TForm1::my3Click, "https://download-b.example.com/"},
        {&TForm1::my4Click, "https://download-c.example.com/"},
        {&TForm1::my5Click, "https://download-d.example.com/"},
        {&TForm1::my10Click, "https://download-e.example.com/"},
        {&TForm1::my6Click, "https://hosting.example.com/"},
        {&TForm1::my8Click, "https://disk.example.com/"},
        // The upgrade page is this program's own page.
        {&TForm1::N37Click, "https://www.example.com/qingfeng/mulutai/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        HelpFixture f;
        f.form.RunCommand(c.command);
        EXPECT_THAT(f.log, ElementsAre(std::string("shell open ") + c.address + " normal"));
    }
}

TEST(About, N17ShowsTheAboutBox) {
    HelpFixture f;
    f.form.RunCommand(&TForm1::N17Click);
    EXPECT_THAT(f.log, ElementsAre("show about"));
}

TEST(About, TheLinesShowWhatTheClicksCopyAndOpen) {
    EXPECT_EQ(links::WebLine(), "网站：https://www.example.com/qingfeng/");
    EXPECT_EQ(links::MailLine(), "邮件：qingfeng@example.com  （双击打开，单击复制）");
    EXPECT_EQ(links::MailTo(), "mailto:qingfeng@example.com");
    EXPECT_EQ(links::WebLine(), "网站：" + std::string(links::kWebAddress));
    EXPECT_TRUE(links::MailLine().starts_with("邮件：" + std::string(links::kMailAddress) + "  "));
    EXPECT_TRUE(links::kAuthorLine.starts_with("作者："));
    EXPECT_TRUE(links::kAuthorLine.ends_with("）"));
    EXPECT_NE(links::kAuthorLine.find(" （籍贯："), std::string_view::npos);
}

}  // namespace
}  // namespace qf::test
