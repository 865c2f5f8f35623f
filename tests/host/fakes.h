// Fakes of the ports that record every call in one log, so tests can check
// both results and the order of effects.
#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fake_file_store.h"
#include "fake_path_list.h"
#include "platform/errors.h"
#include "platform/ports.h"
#include "shell/form1.h"

namespace qf::test {

using Log = std::vector<std::string>;

class FakeRegistry final : public Registry {
public:
    explicit FakeRegistry(Log& log) : log_(log) {}

    // What the key holds and how it behaves.
    RegString value;
    bool openRefused = false;
    bool writeRefused = false;
    std::optional<std::string> readError;  // message of a RegistryError

    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) override {
        log_.push_back(openRefused ? "open refused" : "open " + path);
        if (openRefused) return nullptr;
        return std::make_unique<Key>(*this);
    }

private:
    class Key final : public RegistryKey {
    public:
        explicit Key(FakeRegistry& r) : r_(r) {}
        ~Key() override { r_.log_.push_back("close"); }
        RegString ReadString(const std::string& name) override {
            r_.log_.push_back("read " + name);
            if (r_.readError) throw RegistryError(*r_.readError);
            return r_.value;
        }
        void WriteString(const std::string& name, const RegString& v) override {
            r_.log_.push_back("write " + name + "=" + v.text +
                              (v.kind == RegKind::ExpandSz ? " (expand)" : ""));
            if (r_.writeRefused) throw RegistryError(FailedToSetData(name));
            r_.value = v;
        }

    private:
        FakeRegistry& r_;
    };
    Log& log_;
};

class FakeShell final : public Shell {
public:
    explicit FakeShell(Log& log) : log_(log) {}
    void ChangeNotify(long eventId, unsigned flags) override {
        char entry[48];
        std::snprintf(entry, sizeof entry, "notify %#lx %#x", eventId, flags);
        log_.push_back(entry);
    }
    void Open(const std::string& target, ShowMode mode) override {
        log_.push_back("shell open " + target + (mode == ShowMode::Maximized ? " maximized" : " normal"));
    }

private:
    Log& log_;
};

class FakeDialogs final : public Dialogs {
public:
    explicit FakeDialogs(Log& log) : log_(log) {}
    // Runs while a box is open, as the tray can.
    std::function<void()> whileOpen;
    void ErrorBox(const std::string& text) override { Show("box " + text); }
    void ErrorReport(const std::string& text) override { Show("report " + text); }
    void PlainMessage(const std::string& text) override { Show("plain " + text); }
    void Message(const std::string& text, const std::string& caption) override {
        Show("message " + caption + ": " + text);
    }

private:
    void Show(std::string entry) {
        log_.push_back(std::move(entry));
        if (whileOpen) std::exchange(whileOpen, nullptr)();
    }
    Log& log_;
};

class FakeFileSystem final : public FileSystem {
public:
    std::string current = "C:\\Tools";
    // Existing folders, as full paths; they can be made the current directory.
    std::set<std::string> folders;
    std::set<std::string> files;
    // Every change of directory asked for, in order.
    std::vector<std::string> changes;

    std::string CurrentDirectory() override { return current; }
    bool DirectoryExists(const std::string& path) override {
        return !path.empty() && folders.contains(FullPath(path));
    }
    bool FileExists(const std::string& path) override { return files.contains(path); }
    // Drive-qualified paths are full; anything else is below `current`.
    std::string FullPath(const std::string& path) override {
        return path.find(':') == 1 ? path : current + "\\" + path;
    }
    bool ChangeCurrentDirectory(const std::string& path) override {
        changes.push_back(path);
        if (!folders.contains(path)) return false;
        current = path;
        return true;
    }
};

class FakeView final : public MainView {
public:
    explicit FakeView(Log& log) : log_(log) {}
    std::string pathText;
    bool autoRestore = true;
    void SetPathText(const std::string& text) override {
        pathText = text;
        log_.push_back("path " + text);
    }
    bool AutoRestore() const override { return autoRestore; }
    void SetAutoRestore(bool on) override { autoRestore = on; }
    void HideInternalSubmenu() override { log_.push_back("hide submenu"); }
    void ReleaseTray() override { log_.push_back("release tray"); }
    void Terminate() override { log_.push_back("terminate"); }
    bool autoCopy = true;
    bool AutoCopy() const override { return autoCopy; }
    void SetAutoCopy(bool on) override { autoCopy = on; }

private:
    Log& log_;
};

class FakeClipboard final : public Clipboard {
public:
    explicit FakeClipboard(Log& log) : log_(log) {}
    bool held = false;  // by another program
    void SetText(const std::string& text) override {
        if (held) throw ClipboardError(kCannotOpenClipboard);
        log_.push_back("clipboard " + text);
    }

private:
    Log& log_;
};

class FakeSound final : public Sound {
public:
    explicit FakeSound(Log& log) : log_(log) {}
    void PlayAsync(const std::string& path) override { log_.push_back("play " + path); }

private:
    Log& log_;
};

// Answers each browse with the next of `answers` ("" cancels).
class FakePicker final : public FolderPicker {
public:
    explicit FakePicker(Log& log) : log_(log) {}
    std::vector<std::string> answers;
    std::string BrowseForFolder(const std::string& title,
                                const std::string& initialFolder) override {
        log_.push_back("browse " + title + " at " + initialFolder);
        std::string answer = answers.empty() ? "" : answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        return answer;
    }

private:
    Log& log_;
};

// The window's size and its shown / tray / taskbar state.
class FakeWindow final : public FormWindow {
public:
    enum class State { Shown, InTray, OnTaskbar };

    explicit FakeWindow(Log& log) : log_(log) {}
    Size screen{800, 600};
    Size size{610, 452};
    State state = State::Shown;

    Size ScreenSize() const override { return screen; }
    Size WindowSize() const override { return size; }
    void SetWindowHeight(int height) override {
        size.height = height;
        log_.push_back("height " + std::to_string(height));
    }
    void SetWindowWidth(int width) override {
        size.width = width;
        log_.push_back("width " + std::to_string(width));
    }
    bool IsIconic() const override { return state != State::Shown; }
    void RestoreFromTray() override { state = State::Shown; }
    void HideToTray() override { state = State::InTray; }
    void Minimize() override {
        state = State::OnTaskbar;
        log_.push_back("minimize");
    }
    void CloseRequest() override { log_.push_back("close request"); }
    void ApplySkin(const std::string& skinFile) override { log_.push_back("skin " + skinFile); }

private:
    Log& log_;
};

class FakeAboutView final : public AboutView {
public:
    explicit FakeAboutView(Log& log) : log_(log) {}
    void ShowAbout() override { log_.push_back("show about"); }

private:
    Log& log_;
};

inline long Occurrences(const Log& log, std::string_view entry) {
    return std::count(log.begin(), log.end(), entry);
}

inline constexpr char kKey[] = "open SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kRead[] = "read ProgramFilesDir";
inline constexpr char kNotify1[] = "notify 0x8000000 0";
inline constexpr char kNotify2[] = "notify 0x7fffffff 0x1000";
inline constexpr char kOpenFailedBox[] =
    "box 打开注册表项失败,请检查项 HKEY_LOCAL_MACHINE\\Software\\Microsoft\\ Windows\\ "
    "CurrentVersion 是否存在";
inline constexpr char kWriteFailedBox[] =
    "box 无法写入注册表，在Vista下，应该这样启动本程序，右键单击，选择《以管理员身份运行》，"
    "这样就没有问题了,请重新启动本程序";

}  // namespace qf::test
