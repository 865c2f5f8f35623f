// The one routine that reads and writes ProgramFilesDir.
#include <optional>

#include "programfiles/record.h"
#include "shell/form1.h"

namespace qf {

namespace {

constexpr char kKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kValueName[] = "ProgramFilesDir";

constexpr char kOpenFailedText[] =
    "打开注册表项失败,请检查项 HKEY_LOCAL_MACHINE\\Software\\Microsoft\\ Windows\\ "
    "CurrentVersion 是否存在";
constexpr char kWriteFailedText[] =
    "无法写入注册表，在Vista下，应该这样启动本程序，右键单击，选择《以管理员身份运行》，"
    "这样就没有问题了,请重新启动本程序";

constexpr long kAssocChanged = 0x08000000;  // SHCNE_ASSOCCHANGED
constexpr long kAllEvents = 0x7FFFFFFF;     // SHCNE_ALLEVENTS
constexpr unsigned kIdList = 0x0000;        // SHCNF_IDLIST
constexpr unsigned kFlush = 0x1000;         // SHCNF_FLUSH

}  // namespace

TForm1::Access TForm1::xiugaiproClick() {
    std::optional<RecordedWrite> recorded;
    {
        auto key = ports_.registry.OpenKey(kKeyPath);
        if (!key) {
            Boxes().ErrorBox(kOpenFailedText);
            return Access::OpenFailed;
        }
        // Other processes wait from the read to the record's update.
        if (state_.WriteMode) recorded.emplace(ports_.record, kBuildView);
        // Read before every write; a read error leaves with the key closed.
        state_.Scratch = key->ReadString(kValueName);
        if (!state_.WriteMode) return Access::Read;
        // The value to return to is on disk before the registry changes.
        recorded->Before(state_.Scratch, state_.TargetDir);
        try {
            key->WriteString(kValueName, state_.TargetDir);
        } catch (...) {
            key.reset();
            Boxes().ErrorBox(kWriteFailedText);
            state_.WriteFailed = true;
            return Access::WriteRefused;
        }
    }
    state_.WriteSucceeded = true;
    recorded->After();
    // Only after the key is closed, so the shell reads the new value.
    ports_.shell.ChangeNotify(kAssocChanged, kIdList);
    ports_.shell.ChangeNotify(kAllEvents, kFlush);
    return Access::Written;
}

}  // namespace qf
