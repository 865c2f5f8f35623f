// The crash-safe record of the ProgramFilesDir values to return to.
//
// Before a write changes a view's value, its value then is recorded, with
// the writing process as a holder, and flushed before the registry write.
// Several processes share one record: the first original of a view is never
// replaced, later writers join the holder list, and writers whose process
// has ended are dropped from it. Writing a view's original back drops that
// view; a record with no view left is removed. A holder that leaves keeping
// the change on purpose drops itself; the last holder out removes the
// record. A record none of whose holders runs is what an earlier run left
// when it never put the value back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ports.h"

namespace qf {

// The registry views, by the width of the programs that read them. On 32-bit
// Windows there is one view only, "32".
inline constexpr char kView32[] = "32";
inline constexpr char kView64[] = "64";
// The view the window program works on: the one of its own build.
inline constexpr const char* kBuildView = sizeof(void*) == 8 ? kView64 : kView32;

struct RecordedView {
    std::string view;
    RegString original;
    bool operator==(const RecordedView&) const = default;
};

struct Record {
    std::vector<Holder> holders;
    std::vector<RecordedView> views;
    bool operator==(const Record&) const = default;
    // The view's value to return to, or nothing when the view is not held.
    const RegString* Original(std::string_view view) const;
};

// UTF-8 text, one entry a line after a header line:
//   holder=PID START
//   view=VIEW sz|expand TEXT
// with "%", CR and LF in TEXT written as %25, %0D and %0A.
std::string FormatRecord(const Record& record);
// Nothing when the bytes are not a record of this format.
std::optional<Record> ParseRecord(std::string_view bytes);

// The record as stored; an unreadable one counts as none.
std::optional<Record> LoadRecord(RecordStore& store);
// No holder of the record runs any more.
bool IsStale(RecordStore& store, const Record& record);

// One write of a view's value, under the machine-wide lock from start to end.
class RecordedWrite {
public:
    RecordedWrite(RecordStore& store, std::string view);
    // Before the registry write: when the target changes the view away from
    // its original, the original and this process are recorded first.
    void Before(const RegString& current, const RegString& target);
    // After the registry write took: a view set back to its original leaves
    // the record.
    void After();

private:
    RecordStore& store_;
    std::string view_;
    std::unique_ptr<RecordStore::Lock> lock_;
    Record record_;
    bool restores_ = false;
};

// A normal exit that keeps the change: this process and every ended one
// leave the holder list; the record goes with the last holder.
void LeaveRecord(RecordStore& store);

}  // namespace qf
