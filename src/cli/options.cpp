#include "cli/options.h"

#include <string_view>

#include "programfiles/record.h"

namespace qf::cli {

namespace {

Options Of(Command command) {
    Options options;
    options.command = command;
    return options;
}

std::optional<ViewChoice> ParseView(std::string_view text) {
    if (text == "32") return ViewChoice::Only32;
    if (text == "64") return ViewChoice::Only64;
    if (text == "both") return ViewChoice::Both;
    return std::nullopt;
}

// DIR [--view 32|64|both], the arguments of `set` and of `run` before "--".
Parsed ParseFolderAndView(Options options, const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--view") {
            const auto view = i + 1 < args.size() ? ParseView(args[++i]) : std::nullopt;
            if (!view || options.view != ViewChoice::Default)
                return {std::nullopt, "--view 后应为 32、64 或 both，且只能给一次"};
            options.view = *view;
        } else if (options.folder.empty() && !args[i].empty()) {
            options.folder = args[i];
        } else {
            return {std::nullopt, "多余的参数：" + args[i]};
        }
    }
    if (options.folder.empty()) return {std::nullopt, "缺少文件夹参数"};
    return {options, {}};
}

Parsed ParseRun(const std::vector<std::string>& args) {
    std::size_t dashes = 0;
    while (dashes < args.size() && args[dashes] != "--") ++dashes;
    if (dashes + 1 >= args.size()) return {std::nullopt, "run 需要 -- 之后的安装程序"};
    Options options = Of(Command::Run);
    options.installer.assign(args.begin() + static_cast<long>(dashes) + 1, args.end());
    return ParseFolderAndView(
        options, std::vector<std::string>(args.begin(), args.begin() + static_cast<long>(dashes)));
}

}  // namespace

Parsed ParseOptions(const std::vector<std::string>& args) {
    if (args.empty()) return {std::nullopt, "缺少命令"};
    const std::string& name = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (name == "--help" || name == "-h" || name == "/?") return {Of(Command::Help), {}};
    if (name == "run") return ParseRun(rest);
    if (name == "set") return ParseFolderAndView(Of(Command::Set), rest);
    if (name != "show" && name != "restore") return {std::nullopt, "未知的命令：" + name};
    if (!rest.empty()) return {std::nullopt, "多余的参数：" + rest.front()};
    return {Of(name == "show" ? Command::Show : Command::Restore), {}};
}

std::optional<std::vector<std::string>> ChosenViews(ViewChoice choice, bool twoViews) {
    switch (choice) {
    case ViewChoice::Only32: return std::vector<std::string>{kView32};
    case ViewChoice::Only64:
        if (!twoViews) return std::nullopt;
        return std::vector<std::string>{kView64};
    case ViewChoice::Both:
        if (!twoViews) return std::nullopt;
        break;
    case ViewChoice::Default:
        if (!twoViews) return std::vector<std::string>{kView32};
        break;
    }
    return std::vector<std::string>{kView32, kView64};
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name as the C start-up code reads it: quotes group, and no
// backslash escapes anything. Returns where it ends.
std::size_t SkipProgramName(std::string_view line) {
    bool quoted = false;
    std::size_t i = 0;
    for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i)
        if (line[i] == '"') quoted = !quoted;
    return i;
}

// One argument from `i`, as the C start-up code splits it: backslashes
// count only before a quote, and "" inside quotes is a quote.
std::string NextArgument(std::string_view line, std::size_t& i) {
    std::string value;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
        std::size_t slashes = 0;
        while (i < line.size() && line[i] == '\\') ++slashes, ++i;
        if (i < line.size() && line[i] == '"') {
            value.append(slashes / 2, '\\');
            if (slashes % 2 == 1) {
                value += '"';
            } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                value += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
            ++i;
            continue;
        }
        value.append(slashes, '\\');
        if (i < line.size() && (quoted || !IsBlank(line[i]))) value += line[i++];
    }
    return value;
}

}  // namespace

std::string InstallerCommandLine(std::string_view line) {
    std::size_t i = SkipProgramName(line);
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (NextArgument(line, i) != "--") continue;
        while (i < line.size() && IsBlank(line[i])) ++i;
        return std::string(line.substr(i));
    }
    return {};
}

const char kHelpText[] =
    "qfdir：查看和修改注册表值 ProgramFilesDir（青枫目录台的命令行工具）\n"
    "\n"
    "用法：\n"
    "  qfdir show                       显示每个注册表视图中的 ProgramFilesDir 和待恢复的记录\n"
    "  qfdir set 文件夹 [--view 视图]    把文件夹写入 ProgramFilesDir\n"
    "  qfdir restore                    写回记录中的原来的值并清除记录\n"
    "  qfdir run 文件夹 [--view 视图] -- 安装程序 [参数...]\n"
    "                                   设置后运行安装程序，等它和它启动的所有进程结束，\n"
    "                                   然后恢复原来的值（出错、Ctrl+C 或关闭控制台时也恢复）\n"
    "  qfdir --help                     显示本说明\n"
    "\n"
    "视图：32、64 或 both；默认为本机安装程序读取的所有视图（64 位 Windows 上为两个）。\n"
    "\n"
    "退出码：\n"
    "  0  成功\n"
    "  1  命令行有误\n"
    "  2  检查未通过：文件夹不存在，或安装程序无法启动\n"
    "  3  注册表拒绝了读写\n"
    "  4  记录文件有问题\n"
    "  run 以安装程序的退出码结束；被 Ctrl+C 或关闭控制台中断时为 0xC000013A。\n";

}  // namespace qf::cli
