// The operations the program needs of Windows, as small interfaces.
// The core is written against these; src/platform/win32 implements them
// with the real API and tests implement them with fakes.
// All text is UTF-8.
#pragma once

#include <memory>
#include <string>
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

class Shell {
public:
    virtual ~Shell() = default;
    // SHChangeNotify with two null items.
    virtual void ChangeNotify(long eventId, unsigned flags) = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal box captioned "出错", one OK button, no icon.
    virtual void ErrorBox(const std::string& text) = 0;
    // Modal box captioned with the application title, error icon.
    virtual void ErrorReport(const std::string& text) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::string CurrentDirectory() = 0;
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
};

struct Ports {
    Registry& registry;
    Shell& shell;
    Dialogs& dialogs;
    FileSystem& files;
    MainView& view;
    PathList& list;
    FileStore& store;
    Codec& codec;
};

}  // namespace qf
