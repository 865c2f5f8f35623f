// The command line of qfdir: commands, views and exit codes, with no
// Windows headers so the build machine tests them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qf::cli {

// Exit codes; `run` ends with the installer's own.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitCheckFailed = 2;
inline constexpr int kExitRegistryRefused = 3;
inline constexpr int kExitRecordProblem = 4;

enum class Command { Help, Show, Set, Restore, Run };
// Default: every view that installers on this machine read.
enum class ViewChoice { Default, Only32, Only64, Both };

struct Options {
    Command command = Command::Help;
    std::string folder;
    ViewChoice view = ViewChoice::Default;
    // The installer and its arguments, for `run`.
    std::vector<std::string> installer;
    bool operator==(const Options&) const = default;
};

struct Parsed {
    std::optional<Options> options;
    std::string error;  // the usage error when there are no options
};
// The arguments after the program name.
Parsed ParseOptions(const std::vector<std::string>& args);

// The record's names of the views chosen (kView32, kView64), or nothing
// when the choice names a view this machine does not have.
std::optional<std::vector<std::string>> ChosenViews(ViewChoice choice, bool twoViews);

// What follows the first argument "--" of a whole command line, as typed:
// the installer's command line, which reaches it unchanged (an NSIS
// installer wants "/D=" last and unquoted). Empty when there is none.
std::string InstallerCommandLine(std::string_view line);

extern const char kHelpText[];

}  // namespace qf::cli
