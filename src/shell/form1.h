// TForm1: the main window's state and commands, independent of Windows.
// The Win32 window (src/ui) turns messages into calls of these commands.
#pragma once

#include <string>
#include <string_view>

#include "platform/ports.h"
#include "programfiles/accessor.h"

namespace qf {

extern const char kAppTitle[];

// The unit-level state shared by the commands.
struct FormState {
    std::string AppDir;
    std::string SoundDir;
    std::string SetFileName;
    bool WriteMode = false;
    // Registry texts keep their type, so a restore puts back exactly what
    // start-up found.
    RegString OriginalDir;
    RegString TargetDir;
    bool WriteFailed = false;
    // A write succeeded in this run: the auto-restore at exit is then still
    // worth trying after a refused write.
    bool WriteSucceeded = false;
    std::string LastBrowseDir;
    int DragIndex = -1;
    // The accessor leaves the value it read here.
    RegString Scratch;
    // The list holds what the settings file holds (or there is no file):
    // only then may the save at exit replace the file.
    bool SetFileLoaded = false;
};

class TForm1 {
public:
    explicit TForm1(const Ports& ports) : ports_(ports) {}
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Runs one command; an error that escapes it ends in the default error
    // report and the program runs on.
    template <class Command>
    void Run(Command command) {
        try {
            command();
        } catch (const std::exception& e) {
            ReportError(e);
        }
    }
    void RunCommand(void (TForm1::*command)()) {
        Run([&] { (this->*command)(); });
    }

    // Start-up and shutdown sequences.
    void FormCreate();
    void FormClose();
    // The session ends: nobody can answer a box, so none is shown.
    void FormEndSession();

    // The registry accessor. The outcome tells the caller whether its own
    // write succeeded.
    using Access = qf::Access;
    Access xiugaiproClick();

    // Window placement, tray and skin.
    void cuangtisuofangClick();
    void huanpifuClick();
    void CnTrayIcon1Click();
    void N5Click();
    // A minimize command (minimize button, system menu, taskbar button).
    void MinimizeCommand();
    // Set and restore.
    void ProgramFiles1Click();
    void huifuyuanlaiClick();
    void youjianhuifuClick();

    // The path list ListBox1.
    void zenjiaClick();
    void N22Click();
    void N3Click();
    void N9Click();
    void ListBox1Click();
    void N25Click();
    void ListBox1DblClick();
    // Drag-reorder: the press that may begin a drag, the pointer over the
    // list while dragging (accepted when the drag comes from the list
    // itself) and the drop, in the list's client coordinates.
    void ListBox1StartDrag(int x, int y);
    bool ListBox1DragOver(const PathList& source) const;
    void ListBox1DragDrop(int x, int y);
    // Help documents, the companion program and the write-to-me note.
    void N13Click();
    void N15Click();
    void N1001Click();
    void N50Click();
    void N52Click();
    void N26Click();
    void my7Click();
    void my9Click();
    void N19Click();
    void N21Click();

    // The about box and the web links.
    void N17Click();
    void N37Click();
    void mr1Click();
    void mr2Click();
    void mr3Click();
    void mr4Click();
    void mr5Click();
    void mr6Click();
    void mr7Click();
    void mr8Click();
    void mr9Click();
    void mr10Click();
    void my2Click();
    void my3Click();
    void my4Click();
    void my5Click();
    void my6Click();
    void my8Click();
    void my10Click();
    // The settings file: save and load.
    void baocunClick();
    void diaoruClick();

    // The unit-level state, open to the commands' callers as in the calling
    // protocol of the accessor (set TargetDir, WriteMode on, call, off).
    FormState& State() { return state_; }

private:
    Dialogs& Boxes();
    // The shared accessor's and check's texts, shown as error boxes.
    ErrorSink ErrorBoxes();
    void ReportError(const std::exception& e);
    void AutoRestore();
    // A value an earlier run never put back becomes the one to return to.
    void TakeUnrestoredOriginal();
    // Writes TargetDir in write mode; callers run the success tail only
    // after a write that took.
    Access WriteTargetDir();
    void SuccessTail();
    // The picker at LastBrowseDir, which then follows the choice.
    std::string BrowseFromLast(const char* title);
    void OpenHelpDocument(std::string_view name);
    void OpenAddress(std::string_view address);
    void SaveAtExit();

    Ports ports_;
    FormState state_;
    bool closing_ = false;
    bool quiet_ = false;
};

}  // namespace qf
