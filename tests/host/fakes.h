// Fakes of the ports that record every call in one log, so tests can check
// both results and the order of effects.
#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fake_file_store.h"
#include "fake_path_list.h"
#include "platform/posix/iconv_codec.h"
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
    std::string CurrentDirectory() override { return current; }
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

private:
    Log& log_;
};

// A form wired to fakes, with one shared log.
struct FormFixture {
    Log log;
    FakeRegistry registry{log};
    FakeShell shell{log};
    FakeDialogs dialogs{log};
    FakeFileSystem files;
    FakeView view{log};
    FakePathList list;
    FakeFileStore store{log};
    posix::IconvCodec codec;
    TForm1 form{Ports{registry, shell, dialogs, files, view, list, store, codec}};

    // The log from here on.
    Log Take() { return std::exchange(log, {}); }
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
