// The set and restore commands: a folder of the list, or the start-up
// value, into ProgramFilesDir.
#include "platform/scoped_flag.h"
#include "programfiles/record.h"
#include "shell/form1.h"

namespace qf {

namespace {

constexpr char kEmptyListText[] = "列表框为空，无法设置";
constexpr char kNoSelectionText[] = "请在列表框里选择一个安装路径";
constexpr char kCueName[] = "\\设定.wav";

}  // namespace

void TForm1::ProgramFiles1Click() {
    const PathList& list = ports_.list;
    if (list.Count() == 0) return Boxes().ErrorBox(kEmptyListText);
    if (list.ItemIndex() < 0) return Boxes().ErrorBox(kNoSelectionText);
    const std::string entry = list.Item(list.ItemIndex());
    state_.TargetDir = {entry, RegKind::Sz};
    const auto folder = CheckedFolder(ports_.files, entry, ErrorBoxes());
    if (!folder) return;
    state_.TargetDir.text = *folder;
    if (WriteTargetDir() == Access::Written) SuccessTail();
}

void TForm1::huifuyuanlaiClick() {
    // With its start-up type: an expandable value stays expandable.
    state_.TargetDir = state_.OriginalDir;
    if (WriteTargetDir() == Access::Written) SuccessTail();
}

void TForm1::youjianhuifuClick() { huifuyuanlaiClick(); }

TForm1::Access TForm1::xiugaiproClick() {
    const AccessorPorts accessor{ports_.registry, ports_.record, ports_.shell, kBuildView,
                                 ErrorBoxes()};
    const Access outcome =
        AccessProgramFilesDir(accessor, state_.Scratch, state_.WriteMode ? &state_.TargetDir : nullptr);
    if (outcome == Access::WriteRefused) state_.WriteFailed = true;
    if (outcome == Access::Written) state_.WriteSucceeded = true;
    return outcome;
}

ErrorSink TForm1::ErrorBoxes() {
    return [this](const std::string& text) { Boxes().ErrorBox(text); };
}

TForm1::Access TForm1::WriteTargetDir() {
    const ScopedFlag writeMode(state_.WriteMode);
    return xiugaiproClick();
}

void TForm1::SuccessTail() {
    ports_.view.SetPathText(state_.TargetDir.text);
    const std::string cue = state_.SoundDir + kCueName;
    if (ports_.files.FileExists(cue)) ports_.sound.PlayAsync(cue);
}

}  // namespace qf
