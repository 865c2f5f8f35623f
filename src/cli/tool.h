// The commands of qfdir on the machine's registry views, through the same
// accessor, checks and record as the window program.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "platform/ports.h"
#include "programfiles/accessor.h"
#include "platform/win32/record_store.h"
#include "platform/win32/system.h"

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
    // The accessor on one view; refusals are printed.
    Access Accessor(const std::string& view, RegString& read, const RegString* target);
    // The views of the choice, or nothing after the error was printed.
    std::optional<std::vector<std::string>> Views(ViewChoice choice);
    int SetViews(const std::string& folder, const std::vector<std::string>& views);
    // Puts the recorded originals of these views back; safe from any thread.
    int RestoreViews(const std::vector<std::string>& views);

    const bool twoViews_;
    win::Win32RecordStore record_;
    win::Win32Shell shell_;
    win::Win32FileSystem files_;
    // Held while views are set or put back: Ctrl+C puts them back only
    // after a set has finished, and the process ends before another starts.
    std::mutex writing_;
};

}  // namespace qf::cli
