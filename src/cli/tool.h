// The commands of qfdir on the machine's registry views, through the same
// accessor, checks and record as the window program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "platform/ports.h"
#include "platform/win32/record_store.h"
#include "platform/win32/system.h"
#include "programfiles/accessor.h"

namespace qf::cli {

class Tool {
public:
    Tool();
    // Each returns the exit code.
    int Show();
    int Set(const std::string& folder, ViewChoice choice);
    int Restore();
    int Run(const Options& options);

private:
    // A view this process wrote, with the value to put back there.
    struct Change {
        std::string view;
        RegString back;
    };

    // The accessor on one view; refusals are printed.
    Access Accessor(const std::string& view, RegString& read, const RegString* target);
    // The views of the choice, or nothing after the error was printed.
    std::optional<std::vector<std::string>> Views(ViewChoice choice);
    // Writes the folder into each view and lists each write in `changes`
    // with the value it replaced; a failure part-way puts those back first.
    int SetViews(const std::string& folder, const std::vector<std::string>& views,
                 std::vector<Change>& changes);
    // Writes each change's value back, last change first.
    int PutBack(const std::vector<Change>& changes);
    // Starts the installer, as this tool's command line has it after "--",
    // and waits for it and every process it starts: its exit code, or this
    // tool's when it could not start.
    int Install(const std::string& name);

    const bool twoViews_;
    win::Win32RecordStore record_;
    win::Win32Shell shell_;
    win::Win32FileSystem files_;
};

}  // namespace qf::cli
