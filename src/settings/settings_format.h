// The settings file's bytes: the auto-restore option on the first line,
// then one list entry per line, every line ended by CR LF. Reading and
// writing are pure functions of bytes; the encoding of the entries is the
// caller's business.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qf {

// Where a read of the settings bytes stopped.
enum class SettingsStop {
    End,              // end of the data: everything was read
    InvalidNumber,    // the first value is not a 32-bit integer
    FirstLineFailed,  // the bytes ran out at a read failure before the entries
    LineFailed,       // the bytes ran out at a read failure inside the entries
};

struct ParsedSettings {
    SettingsStop stop = SettingsStop::End;
    bool option = false;  // the first value is not 0
    // The entries read in full, in the file's encoding.
    std::vector<std::string> entries;
};

// Reads settings bytes. `failed` tells that the bytes end where reading the
// file failed rather than at its end: a line cut there counts as failed.
ParsedSettings ParseSettings(std::string_view bytes, bool failed = false);

// The bytes of a settings file; `prefix` goes before the first line.
std::string FormatSettings(bool option, std::span<const std::string> entries,
                           std::string_view prefix = {});

// Marks a file whose entries are UTF-8: written only when some entry has no
// GBK form.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace qf
