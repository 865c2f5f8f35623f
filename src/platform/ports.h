// The operations the program needs of Windows, as small interfaces.
// The core is written against these; src/platform/win32 implements them
// with the real API and tests implement them with fakes.
// All text is UTF-8.
#pragma once

#include <memory>
#include <string>

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
};

}  // namespace qf
