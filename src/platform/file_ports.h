// The settings file's two needs of the platform: whole-file access and the
// GBK code page the file is written in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace qf {

// What a read got: the bytes before the end of the file, or before a
// failure part-way, which is then in `error`.
struct FileRead {
    std::string bytes;
    std::optional<IoError> error;
};

class FileStore {
public:
    virtual ~FileStore() = default;
    // A file that is not a folder exists at the path.
    virtual bool IsRegularFile(const std::string& path) = 0;
    // Reads the whole file; others may read it meanwhile, not write it.
    // Throws IoError when it cannot be opened; the file is closed on return.
    virtual FileRead ReadAll(const std::string& path) = 0;
    // Replaces the file's content in one step, or throws IoError and leaves
    // the file exactly as it was, with nothing left behind.
    virtual void ReplaceAll(const std::string& path, std::string_view bytes) = 0;
};

// UTF-8 text to and from GBK (code page 936).
class Codec {
public:
    virtual ~Codec() = default;
    // Nothing when some character has no GBK form.
    virtual std::optional<std::string> ToGbk(std::string_view utf8) = 0;
    // Bytes that are not GBK come out as replacement characters.
    virtual std::string FromGbk(std::string_view gbk) = 0;
};

}  // namespace qf
