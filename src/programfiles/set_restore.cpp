// The set and restore commands: a folder of the list, or the start-up
// value, into ProgramFilesDir.
#include "platform/scoped_flag.h"
#include "shell/form1.h"

namespace qf {

namespace {

constexpr char kEmptyListText[] = "列表框为空，无法设置";
constexpr char kNoSelectionText[] = "请在列表框里选择一个安装路径";
constexpr char kMissingFolderText[] = "你选择的安装路径不存在，请修改安装路径，";
constexpr char kCueName[] = "\\设定.wav";

}  // namespace

void TForm1::ProgramFiles1Click() {
    const PathList& list = ports_.list;
    if (list.Count() == 0) return Boxes().ErrorBox(kEmptyListText);
    if (list.ItemIndex() < 0) return Boxes().ErrorBox(kNoSelectionText);
    const std::string entry = list.Item(list.ItemIndex());
    state_.TargetDir = {entry, RegKind::Sz};
    if (!ports_.files.DirectoryExists(entry)) {
        return Boxes().ErrorBox(kMissingFolderText + entry);
    }
    // Installers would resolve a relative entry against their own folder.
    state_.TargetDir.text = ports_.files.FullPath(entry);
    if (WriteTargetDir() == Access::Written) SuccessTail();
}

void TForm1::huifuyuanlaiClick() {
    // With its start-up type: an expandable value stays expandable.
    state_.TargetDir = state_.OriginalDir;
    if (WriteTargetDir() == Access::Written) SuccessTail();
}

void TForm1::youjianhuifuClick() { huifuyuanlaiClick(); }

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
