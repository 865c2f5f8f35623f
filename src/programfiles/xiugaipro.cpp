// The one routine that reads and writes ProgramFilesDir.
#include <optional>

#include "programfiles/accessor.h"
#include "programfiles/record.h"

namespace qf {

namespace {

constexpr char kValueName[] = "ProgramFilesDir";

constexpr char kOpenFailedText[] =
    "打开注册表项失败,请检查项 HKEY_LOCAL_MACHINE\\Software\\Microsoft\\ Windows\\ "
    "CurrentVersion 是否存在";
constexpr char kWriteFailedText[] =
    "无法写入注册表，在Vista下，应该这样启动本程序，右键单击，选择《以管理员身份运行》，"
    "这样就没有问题了,请重新启动本程序";
constexpr char kMissingFolderText[] = "你选择的安装路径不存在，请修改安装路径，";

constexpr long kAssocChanged = 0x08000000;  // SHCNE_ASSOCCHANGED
constexpr long kAllEvents = 0x7FFFFFFF;     // SHCNE_ALLEVENTS
constexpr unsigned kIdList = 0x0000;        // SHCNF_IDLIST
constexpr unsigned kFlush = 0x1000;         // SHCNF_FLUSH

}  // namespace

Access AccessProgramFilesDir(const AccessorPorts& ports, RegString& read,
                             const RegString* target) {
    std::optional<RecordedWrite> recorded;
    {
        auto key = ports.registry.OpenKey(kKeyPath);
        if (!key) {
            ports.error(kOpenFailedText);
            return Access::OpenFailed;
        }
        // Other processes wait from the read to the record's update.
        if (target) recorded.emplace(ports.record, ports.view);
        // Read before every write; a read error leaves with the key closed.
        read = key->ReadString(kValueName);
        if (!target) return Access::Read;
        // The value to return to is on disk before the registry changes.
        recorded->Before(read, *target);
        try {
            key->WriteString(kValueName, *target);
        } catch (...) {
            key.reset();
            ports.error(kWriteFailedText);
            return Access::WriteRefused;
        }
    }
    recorded->After();
    // Only after the key is closed, so the shell reads the new value.
    ports.shell.ChangeNotify(kAssocChanged, kIdList);
    ports.shell.ChangeNotify(kAllEvents, kFlush);
    return Access::Written;
}

std::optional<std::string> CheckedFolder(FileSystem& files, const std::string& folder,
                                         const ErrorSink& error) {
    if (!files.DirectoryExists(folder)) {
        error(kMissingFolderText + folder);
        return std::nullopt;
    }
    // Installers would resolve a relative folder against their own folder.
    return files.FullPath(folder);
}

}  // namespace qf
