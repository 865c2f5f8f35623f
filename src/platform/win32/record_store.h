// The record port on Windows: a file under the common application-data
// folder, replaced in one step with a flush, and a named mutex that every
// instance of the program and the command-line tool share.
#pragma once

#include <string>

#include "platform/ports.h"
#include "platform/win32/file_store.h"

namespace qf::win {

class Win32RecordStore final : public RecordStore {
public:
    // The record file in the common application-data folder.
    Win32RecordStore();
    // Tests keep their record elsewhere.
    explicit Win32RecordStore(std::string path) : path_(std::move(path)) {}

    std::unique_ptr<Lock> Acquire() override;
    std::optional<std::string> Read() override;
    void Write(std::string_view bytes) override;
    void Remove() override;
    Holder Self() override;
    bool IsAlive(const Holder& holder) override;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    Win32FileStore files_;
};

}  // namespace qf::win
