// TForm1: the main window's state and commands, independent of Windows.
// The Win32 window (src/ui) turns messages into calls of these commands.
#pragma once

#include <string>

#include "platform/ports.h"

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
    explicit TForm1(Ports ports) : ports_(ports) {}
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
    enum class Access { Read, OpenFailed, Written, WriteRefused };
    Access xiugaiproClick();

    // The settings file: save and load.
    void baocunClick();
    void diaoruClick();

    // The unit-level state, open to the commands' callers as in the calling
    // protocol of the accessor (set TargetDir, WriteMode on, call, off).
    FormState& State() { return state_; }

private:
    Dialogs& Boxes();
    void ReportError(const std::exception& e);
    void AutoRestore();
    void SaveAtExit();

    Ports ports_;
    FormState state_;
    bool closing_ = false;
    bool quiet_ = false;
};

}  // namespace qf
