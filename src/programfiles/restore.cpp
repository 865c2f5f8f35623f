// Putting the start-up value of ProgramFilesDir back.
#include "platform/scoped_flag.h"
#include "shell/form1.h"

namespace qf {

void TForm1::AutoRestore() {
    // Skipped only when this run could not write at all: trying again would
    // just show the same failure box at exit.
    const bool cannotWrite = state_.WriteFailed && !state_.WriteSucceeded;
    if (!ports_.view.AutoRestore() || cannotWrite) return;
    const ScopedFlag writeMode(state_.WriteMode);
    state_.TargetDir = state_.OriginalDir;
    xiugaiproClick();
}

}  // namespace qf
