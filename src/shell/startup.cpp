// Start-up and shutdown sequences.
#include "platform/errors.h"
#include "platform/scoped_flag.h"
#include "shell/form1.h"

namespace qf {

const char kAppTitle[] = "青枫目录台2.0";

namespace {

// Stands in for the boxes while the Windows session ends.
class SilentDialogs final : public Dialogs {
public:
    void ErrorBox(const std::string&) override {}
    void ErrorReport(const std::string&) override {}
    void PlainMessage(const std::string&) override {}
    void Message(const std::string&, const std::string&) override {}
};

}  // namespace

Dialogs& TForm1::Boxes() {
    static SilentDialogs silent;
    if (quiet_) return silent;
    return ports_.dialogs;
}

void TForm1::ReportError(const std::exception& e) {
    Boxes().ErrorReport(ErrorReportText(e.what()));
}

void TForm1::FormCreate() {
    cuangtisuofangClick();
    state_.WriteFailed = false;
    ports_.view.HideInternalSubmenu();
    state_.AppDir = ports_.files.CurrentDirectory();
    // Kept whole: a long base folder still finds its sound cue.
    state_.SoundDir = state_.AppDir + "\\音效";
    state_.SetFileName = state_.AppDir + "\\set";
    state_.WriteMode = false;
    xiugaiproClick();
    state_.OriginalDir = state_.Scratch;
    TakeUnrestoredOriginal();
    ports_.view.SetPathText(state_.Scratch.text);
    state_.LastBrowseDir.clear();
    diaoruClick();
    huanpifuClick();
}

void TForm1::FormClose() {
    // A close request from the tray while a box of this sequence is open.
    if (closing_) return;
    const ScopedFlag closing(closing_);

    // Every write reads first, so a read error here wrote nothing: report
    // it and go on, or a value of the wrong type would keep the program
    // from ever closing.
    Run([this] { AutoRestore(); });
    // A failed save leaves the program running, so the list is not lost. Its
    // report is shown while the guard holds, so a close request then starts
    // no second sequence.
    Run([this] {
        SaveAtExit();
        ports_.view.ReleaseTray();
        ports_.view.Terminate();
    });
}

void TForm1::FormEndSession() {
    quiet_ = true;
    Run([this] { AutoRestore(); });
    Run([this] { SaveAtExit(); });
}

}  // namespace qf
