#include "cli/tool.h"

#include <windows.h>

#include "cli/console.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "programfiles/record.h"

namespace qf::cli {

namespace {

bool HasTwoViews() {
    if constexpr (sizeof(void*) == 8) return true;
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::string ViewName(const std::string& view) {
    return "ProgramFilesDir（" + view + " 位视图）";
}

void PrintRecord(RecordStore& store, const Record& record) {
    PrintOut("待恢复的记录：\n");
    for (const Holder& holder : record.holders) {
        PrintOut("  持有者：进程 " + std::to_string(holder.pid) +
                 (store.IsAlive(holder) ? "（运行中）\n" : "（已结束）\n"));
    }
    for (const RecordedView& view : record.views) {
        PrintOut("  " + ViewName(view.view) + " 原来的值：" + view.original.text + "\n");
    }
}

constexpr char kNeedsElevationText[] =
    "写入注册表需要管理员权限：请在以管理员身份运行的命令提示符中运行 qfdir\n";

// Writing needs an elevated console; without one the key would only be
// reported as impossible to open.
bool WriteDenied(REGSAM view) {
    win::UniqueKey key;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, win::Widen(kKeyPath).c_str(), 0,
                         KEY_SET_VALUE | view, key.put()) == ERROR_ACCESS_DENIED;
}

int ExitCodeOf(Access access) {
    return access == Access::Written || access == Access::Read ? kExitOk : kExitRegistryRefused;
}

}  // namespace

Tool::Tool() : twoViews_(HasTwoViews()) {}

Access Tool::Accessor(const std::string& view, RegString& read, const RegString* target) {
    // With one view the build's own is the only one: no flag.
    REGSAM flag = 0;
    if (twoViews_) flag = view == kView64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    if (target && WriteDenied(flag)) {
        PrintError(kNeedsElevationText);
        return Access::OpenFailed;
    }
    // Showing a value needs no administrator rights.
    win::Win32Registry registry(HKEY_LOCAL_MACHINE, flag | (target ? KEY_ALL_ACCESS : KEY_READ));
    const AccessorPorts ports{registry, record_, shell_, view,
                              [](const std::string& text) { PrintError(text + "\n"); }};
    return AccessProgramFilesDir(ports, read, target);
}

std::optional<std::vector<std::string>> Tool::Views(ViewChoice choice) {
    auto views = ChosenViews(choice, twoViews_);
    if (!views) PrintError("本机只有 32 位注册表视图\n");
    return views;
}

int Tool::Show() {
    const auto views = ChosenViews(ViewChoice::Default, twoViews_);
    for (const std::string& view : *views) {
        RegString read;
        const Access access = Accessor(view, read, nullptr);
        if (access != Access::Read) return ExitCodeOf(access);
        // A missing value reads as empty too.
        PrintOut(ViewName(view) + "：" + (read.text.empty() ? "（空）" : read.text) + "\n");
    }
    const std::optional<Record> record = LoadRecord(record_);
    if (record) PrintRecord(record_, *record);
    else PrintOut("没有待恢复的记录\n");
    return kExitOk;
}

int Tool::Set(const std::string& folder, ViewChoice choice) {
    const auto views = Views(choice);
    std::vector<Change> changes;
    return views ? SetViews(folder, *views, changes) : kExitUsage;
}

int Tool::SetViews(const std::string& folder, const std::vector<std::string>& views,
                   std::vector<Change>& changes) {
    const auto full = CheckedFolder(files_, folder, [](const std::string& text) {
        PrintError(text + "\n");
    });
    if (!full) return kExitCheckFailed;
    const RegString target{*full, RegKind::Sz};
    const auto undo = [&] {
        PutBack(changes);
        changes.clear();
    };
    try {
        for (const std::string& view : views) {
            RegString read;
            const Access access = Accessor(view, read, &target);
            if (access != Access::Written) {
                undo();
                return ExitCodeOf(access);
            }
            changes.push_back({view, read});
            PrintOut(ViewName(view) + " 已设为：" + target.text + "（原为：" + read.text + "）\n");
        }
    } catch (...) {
        undo();
        throw;
    }
    return kExitOk;
}

int Tool::Restore() {
    const std::optional<Record> record = LoadRecord(record_);
    if (!record) {
        PrintOut("没有待恢复的记录\n");
        return kExitOk;
    }
    std::vector<Change> changes;
    for (const RecordedView& view : record->views) changes.push_back({view.view, view.original});
    return PutBack(changes);
}

int Tool::PutBack(const std::vector<Change>& changes) {
    int code = kExitOk;
    for (auto change = changes.rbegin(); change != changes.rend(); ++change) {
        RegString read;
        const Access access = Accessor(change->view, read, &change->back);
        if (access == Access::Written) {
            PrintOut(ViewName(change->view) + " 已恢复为：" + change->back.text + "\n");
        } else {
            // The other views still go back.
            code = ExitCodeOf(access);
        }
    }
    return code;
}

}  // namespace qf::cli
