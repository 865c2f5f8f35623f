#include "cli/tool.h"

#include <windows.h>

#include "cli/console.h"
#include "platform/win32/registry.h"
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

int ExitCodeOf(Access access) {
    return access == Access::Written || access == Access::Read ? kExitOk : kExitRegistryRefused;
}

}  // namespace

Tool::Tool() : twoViews_(HasTwoViews()) {}

Access Tool::Accessor(const std::string& view, RegString& read, const RegString* target) {
    // Showing a value needs no administrator rights.
    REGSAM access = target ? KEY_ALL_ACCESS : KEY_READ;
    // With one view the build's own is the only one: no flag.
    if (twoViews_) access |= view == kView64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    win::Win32Registry registry(HKEY_LOCAL_MACHINE, access);
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
    return views ? SetViews(folder, *views) : kExitUsage;
}

int Tool::SetViews(const std::string& folder, const std::vector<std::string>& views) {
    const auto full = CheckedFolder(files_, folder, [](const std::string& text) {
        PrintError(text + "\n");
    });
    if (!full) return kExitCheckFailed;
    const RegString target{*full, RegKind::Sz};
    const std::lock_guard lock(writing_);
    for (const std::string& view : views) {
        RegString read;
        const Access access = Accessor(view, read, &target);
        if (access != Access::Written) return ExitCodeOf(access);
        PrintOut(ViewName(view) + " 已设为：" + target.text + "（原为：" + read.text + "）\n");
    }
    return kExitOk;
}

int Tool::Restore() {
    const std::optional<Record> record = LoadRecord(record_);
    if (!record) {
        PrintOut("没有待恢复的记录\n");
        return kExitOk;
    }
    std::vector<std::string> views;
    for (const RecordedView& view : record->views) views.push_back(view.view);
    return RestoreViews(views);
}

int Tool::RestoreViews(const std::vector<std::string>& views) {
    const std::lock_guard lock(writing_);
    for (const std::string& view : views) {
        const std::optional<Record> record = LoadRecord(record_);
        const RegString* original = record ? record->Original(view) : nullptr;
        // Put back already, by another process or another thread of this one.
        if (!original) continue;
        const RegString target = *original;
        RegString read;
        const Access access = Accessor(view, read, &target);
        if (access != Access::Written) return ExitCodeOf(access);
        PrintOut(ViewName(view) + " 已恢复为：" + target.text + "\n");
    }
    return kExitOk;
}

}  // namespace qf::cli
