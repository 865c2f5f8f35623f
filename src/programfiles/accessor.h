// The one routine that reads and writes ProgramFilesDir, and the set
// command's check, shared by the window program and the command-line tool.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ports.h"

namespace qf {

// The key that holds ProgramFilesDir, under HKEY_LOCAL_MACHINE.
inline constexpr char kKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// The error boxes' texts; the command-line tool prints them instead.
using ErrorSink = std::function<void(const std::string& text)>;

// What the accessor works on: one registry view of ProgramFilesDir.
struct AccessorPorts {
    Registry& registry;
    RecordStore& record;
    Shell& shell;
    // The view's name in the record (kView32, kView64).
    std::string view;
    ErrorSink error;
};

// The outcome tells the caller whether its own write succeeded.
enum class Access { Read, OpenFailed, Written, WriteRefused };

// Reads the value into `read`; with a target, then writes it as REG_SZ or
// REG_EXPAND_SZ through the record and sends the shell two notifications.
// A refusal goes to the error sink; a read error throws.
Access AccessProgramFilesDir(const AccessorPorts& ports, RegString& read,
                             const RegString* target);

// The set command's check of a folder: its full path when it exists,
// otherwise nothing after the missing-folder text went to the error sink.
std::optional<std::string> CheckedFolder(FileSystem& files, const std::string& folder,
                                         const ErrorSink& error);

}  // namespace qf
