// qfdir's command line: commands, views and the installer's command line.
#include <gtest/gtest.h>

#include "cli/options.h"

namespace qf::cli {
namespace {

Options Make(Command command, std::string folder = {}, ViewChoice view = ViewChoice::Default,
             std::vector<std::string> installer = {}) {
    Options options;
    options.command = command;
    options.folder = std::move(folder);
    options.view = view;
    options.installer = std::move(installer);
    return options;
}

struct ParseCase {
    std::vector<std::string> args;
    std::optional<Options> options;
    std::string error;
};

TEST(CliOptions, ParsesEachCommandAndRefusesWhatItCannotTake) {
    const ParseCase cases[] = {
        {{"--help"}, Make(Command::Help), ""},
        {{"/?"}, Make(Command::Help), ""},
        {{"show"}, Make(Command::Show), ""},
        {{"restore"}, Make(Command::Restore), ""},
        {{"set", "D:\\软件"}, Make(Command::Set, "D:\\软件"), ""},
        {{"set", "D:\\a", "--view", "64"}, Make(Command::Set, "D:\\a", ViewChoice::Only64), ""},
        {{"set", "--view", "both", "D:\\a"}, Make(Command::Set, "D:\\a", ViewChoice::Both), ""},
        {{"run", "D:\\a", "--view", "32", "--", "setup.exe", "/S", "--"},
         Make(Command::Run, "D:\\a", ViewChoice::Only32, {"setup.exe", "/S", "--"}), ""},
        {{}, std::nullopt, "缺少命令"},
        {{"move"}, std::nullopt, "未知的命令：move"},
        {{"show", "x"}, std::nullopt, "多余的参数：x"},
        {{"set"}, std::nullopt, "缺少文件夹参数"},
        {{"set", "a", "b"}, std::nullopt, "多余的参数：b"},
        {{"set", "a", "--view", "16"}, std::nullopt, "--view 后应为 32、64 或 both，且只能给一次"},
        {{"set", "a", "--view"}, std::nullopt, "--view 后应为 32、64 或 both，且只能给一次"},
        {{"set", "a", "--view", "32", "--view", "64"}, std::nullopt,
         "--view 后应为 32、64 或 both，且只能给一次"},
        {{"run", "a", "setup.exe"}, std::nullopt, "run 需要 -- 之后的安装程序"},
        {{"run", "a", "--"}, std::nullopt, "run 需要 -- 之后的安装程序"},
        {{"run", "--", "setup.exe"}, std::nullopt, "缺少文件夹参数"},
    };
    for (const ParseCase& c : cases) {
        const Parsed parsed = ParseOptions(c.args);
        EXPECT_EQ(parsed.options, c.options) << ::testing::PrintToString(c.args);
        EXPECT_EQ(parsed.error, c.error) << ::testing::PrintToString(c.args);
    }
}

TEST(CliOptions, TheDefaultViewIsEveryViewThisMachineHas) {
    using Views = std::optional<std::vector<std::string>>;
    const struct {
        ViewChoice choice;
        bool twoViews;
        Views views;
    } cases[] = {
        {ViewChoice::Default, true, Views({"32", "64"})},
        {ViewChoice::Default, false, Views({"32"})},
        {ViewChoice::Both, true, Views({"32", "64"})},
        {ViewChoice::Both, false, std::nullopt},
        {ViewChoice::Only32, false, Views({"32"})},
        {ViewChoice::Only64, true, Views({"64"})},
        {ViewChoice::Only64, false, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChosenViews(c.choice, c.twoViews), c.views)
            << static_cast<int>(c.choice) << " " << c.twoViews;
    }
}

TEST(CliOptions, TheInstallersCommandLineIsWhatFollowsTheFirstDashesAsTyped) {
    const struct {
        std::string line;
        std::string installer;
    } cases[] = {
        {"qfdir run D:\\a -- setup.exe /S", "setup.exe /S"},
        // NSIS takes /D= only last and unquoted, spaces and all.
        {"\"C:\\Program Files\\qfdir.exe\" run \"D:\\my dir\" --view 64 -- "
         "\"C:\\My Setup\\setup.exe\" /S /D=C:\\Program Files\\X",
         "\"C:\\My Setup\\setup.exe\" /S /D=C:\\Program Files\\X"},
        {"qfdir run \"D:\\a -- b\" -- x.exe", "x.exe"},
        {"qfdir run D:\\a \"--\" x.exe  -- a", "x.exe  -- a"},
        // A folder ending in a backslash: the quote still closes it.
        {"qfdir run \"D:\\a\\\\\" -- x.exe", "x.exe"},
        {"qfdir run D:\\a\\\" -- x.exe", "x.exe"},
        {"qfdir\trun\tD:\\a\t--\tx.exe", "x.exe"},
        {"\"q -- fdir.exe\" run D:\\a -- x.exe", "x.exe"},
        {"qfdir run D:\\a --", ""},
        {"qfdir show", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(InstallerCommandLine(c.line), c.installer) << c.line;
}

}  // namespace
}  // namespace qf::cli
