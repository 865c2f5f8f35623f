// The operations the program needs of Windows, as small interfaces.
// The core is written against these; src/platform/win32 implements them
// with the real API and tests implement them with fakes.
// All text is UTF-8.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_ports.h"

namespace qf {

// The two registry types that count as text.
enum class RegKind { Sz, ExpandSz };

struct RegString {
    std::string text;
    RegKind kind = RegKind::Sz;
    bool operator==(const RegString&) const = default;
};

// An open registry key; destroying it closes the key.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // Empty when the value is missing or its data is empty. Text types are
    // returned unexpanded, cut at the first zero. Throws RegistryError for
    // any other type or when the data cannot be fetched.
    virtual RegString ReadString(const std::string& name) = 0;
    // Creates or replaces the value. Throws RegistryError when refused.
    virtual void WriteString(const std::string& name, const RegString& value) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens an existing key under HKEY_LOCAL_MACHINE with full access; never
    // creates it. A refusal (missing, access denied) gives nullptr.
    virtual std::unique_ptr<RegistryKey> OpenKey(const std::string& path) = 0;
};

// How a window opened by the shell is first shown.
enum class ShowMode { Normal, Maximized };

class Shell {
public:
    virtual ~Shell() = default;
    // SHChangeNotify with two null items.
    virtual void ChangeNotify(long eventId, unsigned flags) = 0;
    // Hands a document, program, web or mail address to the shell with the
    // verb "open", no parameters and no working folder, on behalf of the
    // active window of the program. Returns at once; the result is ignored.
    virtual void Open(const std::string& target, ShowMode mode) = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal box captioned "出错", one OK button, no icon.
    virtual void ErrorBox(const std::string& text) = 0;
    // Modal box captioned with the application title, error icon.
    virtual void ErrorReport(const std::string& text) = 0;
    // Modal box captioned with the application title, one OK button.
    virtual void PlainMessage(const std::string& text) = 0;
    // Modal box with this caption, one OK button, no icon. (Not named
    // MessageBox: windows.h makes that a macro.)
    virtual void Message(const std::string& text, const std::string& caption) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::string CurrentDirectory() = 0;
    // True for a folder, a drive root included; relative paths are taken
    // against the current directory.
    virtual bool DirectoryExists(const std::string& path) = 0;
    // True when a file (not a folder) exists at the path.
    virtual bool FileExists(const std::string& path) = 0;
    // The absolute form of the path, or the path unchanged when it cannot
    // be resolved.
    virtual std::string FullPath(const std::string& path) = 0;
    // False when refused; the current directory then stays as it was.
    virtual bool ChangeCurrentDirectory(const std::string& path) = 0;
};

// The list of install folders (ListBox1): an ordered, unsorted sequence
// of texts, duplicates allowed, one selected index or -1.
class PathList {
public:
    virtual ~PathList() = default;
    virtual int Count() const = 0;
    virtual int ItemIndex() const = 0;
    // Selects the entry (or nothing for -1) without running the selection
    // handler.
    virtual void SetItemIndex(int index) = 0;
    virtual std::string Item(int index) const = 0;
    virtual void Add(const std::string& text) = 0;
    // Inserts before the entry at the index.
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    // Changes the text; the selection stays.
    virtual void Replace(int index, const std::string& text) = 0;
    virtual void Clear() = 0;
    // Replaces every entry at once, as a load does, and selects nothing.
    virtual void Assign(const std::vector<std::string>& entries) = 0;
    // The entry whose row holds the point (client coordinates), -1 when
    // the point is outside the list or below the last entry.
    virtual int ItemAtPos(int x, int y) const = 0;
    virtual void Repaint() = 0;
    virtual void SetHint(const std::string& text) = 0;
};

// The main window as the commands see it.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void SetPathText(const std::string& text) = 0;
    virtual bool AutoRestore() const = 0;
    virtual void SetAutoRestore(bool on) = 0;
    virtual void HideInternalSubmenu() = 0;
    virtual void ReleaseTray() = 0;
    // Ends the message loop; the windows go with it.
    virtual void Terminate() = 0;
    // The mycopy option item.
    virtual bool AutoCopy() const = 0;
    virtual void SetAutoCopy(bool on) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's content with the text. Throws ClipboardError
    // when another program holds the clipboard.
    virtual void SetText(const std::string& text) = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a wave file and returns at once.
    virtual void PlayAsync(const std::string& path) = 0;
};

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // The shell's folder browser: the chosen folder's path, or "" when the
    // user cancelled or the choice has no file-system path.
    virtual std::string BrowseForFolder(const std::string& title,
                                        const std::string& initialFolder) = 0;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// The main window's size, its place between shown, minimized and the
// notification area, and its look.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    // The primary display, not the desktop that all displays span.
    virtual Size ScreenSize() const = 0;
    // Outer size; setters keep the top-left corner.
    virtual Size WindowSize() const = 0;
    virtual void SetWindowHeight(int height) = 0;
    virtual void SetWindowWidth(int width) = 0;
    // True while minimized, also while hidden in the tray.
    virtual bool IsIconic() const = 0;
    // Taskbar button back, restored, visible.
    virtual void RestoreFromTray() = 0;
    // Minimized unless it is already, hidden, no taskbar button.
    virtual void HideToTray() = 0;
    // Minimized to the taskbar, its button kept.
    virtual void Minimize() = 0;
    // The close request, handled at once as the close button's.
    virtual void CloseRequest() = 0;
    virtual void ApplySkin(const std::string& skinFile) = 0;
};

// The about box (AboutBox), created once and kept for the whole run.
class AboutView {
public:
    virtual ~AboutView() = default;
    // Makes it visible and brings it to the front.
    virtual void ShowAbout() = 0;
};

// A process that holds a change of ProgramFilesDir: its id and its start
// time, so a later process that reuses the id is not taken for it.
struct Holder {
    unsigned long pid = 0;
    unsigned long long started = 0;
    bool operator==(const Holder&) const = default;
};

// The machine-wide record of the ProgramFilesDir values to return to, kept
// where every instance of the program and the command-line tool find it.
class RecordStore {
public:
    // Held while it lives.
    class Lock {
    public:
        virtual ~Lock() = default;
    };
    virtual ~RecordStore() = default;
    // The one machine-wide lock around every read-modify-write of the record.
    virtual std::unique_ptr<Lock> Acquire() = 0;
    // The record's bytes; nothing when there is no record.
    virtual std::optional<std::string> Read() = 0;
    // Replaces the record in one step, flushed to disk before it returns.
    // Throws IoError and leaves the old record when it cannot.
    virtual void Write(std::string_view bytes) = 0;
    virtual void Remove() = 0;
    // This process.
    virtual Holder Self() = 0;
    // The process still runs (same id, same start time).
    virtual bool IsAlive(const Holder& holder) = 0;
};

struct Ports {
    Registry& registry;
    Shell& shell;
    Dialogs& dialogs;
    FileSystem& files;
    MainView& view;
    PathList& list;
    FormWindow& window;
    Clipboard& clipboard;
    Sound& sound;
    FolderPicker& picker;
    AboutView& about;
    FileStore& store;
    Codec& codec;
    RecordStore& record;
};

}  // namespace qf
