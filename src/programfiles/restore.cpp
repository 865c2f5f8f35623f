// Putting the start-up value of ProgramFilesDir back.
#include "programfiles/record.h"
#include "shell/form1.h"

namespace qf {

namespace {

std::string UnrestoredText(const std::string& current, const std::string& original) {
    return "上次运行没有恢复 ProgramFilesDir。\n当前值：" + current + "\n原来的值：" + original +
           "\n恢复命令和退出时的自动恢复将改回原来的值。";
}

}  // namespace

void TForm1::AutoRestore() {
    // Skipped only when this run could not write at all: trying again would
    // just show the same failure box at exit.
    const bool cannotWrite = state_.WriteFailed && !state_.WriteSucceeded;
    // Keeping the change is a choice: nothing is left to put back later.
    if (!ports_.view.AutoRestore()) return LeaveRecord(ports_.record);
    if (cannotWrite) return;
    state_.TargetDir = state_.OriginalDir;
    WriteTargetDir();
}

void TForm1::TakeUnrestoredOriginal() {
    const std::optional<Record> record = LoadRecord(ports_.record);
    if (!record || !IsStale(ports_.record, *record)) return;
    const RegString* original = record->Original(kBuildView);
    // A run that ended between the record and the registry write changed
    // nothing: there is nothing to tell.
    if (!original || *original == state_.Scratch) return;
    state_.OriginalDir = *original;
    Boxes().PlainMessage(UnrestoredText(state_.Scratch.text, original->text));
}

}  // namespace qf
