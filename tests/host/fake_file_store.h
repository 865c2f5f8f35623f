// Files as a map of path to bytes, with the failures the real ones can
// have. Every open is logged, so tests see when the file was touched.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_ports.h"

namespace qf::test {

class FakeFileStore final : public FileStore {
public:
    explicit FakeFileStore(std::vector<std::string>& log) : log_(log) {}

    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::optional<int> openError;  // the open fails with this code
    // Reading fails after this many bytes, with this code.
    std::optional<std::pair<std::size_t, int>> readFailure;
    std::optional<int> writeError;  // the replace fails with this code

    bool IsRegularFile(const std::string& path) override { return files.count(path) > 0; }

    FileRead ReadAll(const std::string& path) override {
        log_.push_back("read " + path);
        if (openError) throw IoError(*openError);
        FileRead read{files.at(path), std::nullopt};
        if (readFailure && readFailure->first < read.bytes.size()) {
            read.bytes.resize(readFailure->first);
            read.error.emplace(readFailure->second);
        }
        return read;
    }

    void ReplaceAll(const std::string& path, std::string_view bytes) override {
        log_.push_back("save " + path);
        if (writeError || folders.count(path)) throw IoError(writeError.value_or(io::kAccessDenied));
        files[path] = std::string(bytes);
    }

private:
    std::vector<std::string>& log_;
};

}  // namespace qf::test
