// qfdir: ProgramFilesDir from the command line.
#include <windows.h>

#include <exception>

#include "cli/console.h"
#include "cli/options.h"
#include "cli/tool.h"
#include "platform/errors.h"
#include "platform/win32/text.h"

namespace qf::cli {

namespace {

int Dispatch(const Options& options) {
    Tool tool;
    switch (options.command) {
    case Command::Help: PrintOut(kHelpText); return kExitOk;
    case Command::Show: return tool.Show();
    case Command::Set: return tool.Set(options.folder, options.view);
    case Command::Restore: return tool.Restore();
    case Command::Run: return tool.Run(options);
    }
    return kExitUsage;
}

int Main(const std::vector<std::string>& args) {
    const Parsed parsed = ParseOptions(args);
    if (!parsed.options) {
        PrintError(parsed.error + "\n用法见 qfdir --help\n");
        return kExitUsage;
    }
    try {
        return Dispatch(*parsed.options);
    } catch (const RegistryError& e) {
        PrintError(std::string(e.what()) + "\n");
        return kExitRegistryRefused;
    } catch (const std::exception& e) {
        PrintError("记录文件出错：" + std::string(e.what()) + "\n");
        return kExitRecordProblem;
    }
}

}  // namespace

}  // namespace qf::cli

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(qf::win::Narrow(argv[i]));
    return qf::cli::Main(args);
}
