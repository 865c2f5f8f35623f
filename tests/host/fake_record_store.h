// The record's storage as one shared "disk": several fixtures pointed at the
// same disk are several processes of one machine. A process dies by
// leaving the alive set; a crash is a Crash thrown at a chosen step, which
// no command catches.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/ports.h"

namespace qf::test {

struct Crash {};

struct RecordDisk {
    std::optional<std::string> bytes;
    std::set<unsigned long> alive;
    // Every write and remove, in order.
    std::vector<std::string> events;
    // Runs at "before EVENT" and "after EVENT" (may throw Crash).
    std::function<void(const std::string&)> at;
    int locks = 0;
};

class FakeRecordStore final : public RecordStore {
public:
    explicit FakeRecordStore(unsigned long pid) : self_{pid, pid * 1000} {
        disk->alive.insert(pid);
    }
    std::shared_ptr<RecordDisk> disk = std::make_shared<RecordDisk>();
    std::optional<int> writeError;

    // Another process of the same machine.
    void Join(const FakeRecordStore& other, unsigned long pid) {
        disk->alive.erase(self_.pid);
        disk = other.disk;
        self_ = {pid, pid * 1000};
        disk->alive.insert(pid);
    }
    void Die() { disk->alive.erase(self_.pid); }

    std::unique_ptr<Lock> Acquire() override { return std::make_unique<Held>(*disk); }
    std::optional<std::string> Read() override { return disk->bytes; }
    void Write(std::string_view bytes) override {
        if (writeError) throw IoError(*writeError);
        Event("record write", [&] { disk->bytes = std::string(bytes); });
    }
    void Remove() override {
        Event("record remove", [&] { disk->bytes.reset(); });
    }
    Holder Self() override { return self_; }
    // The start time tells a reused id from the holder.
    bool IsAlive(const Holder& h) override {
        return disk->alive.contains(h.pid) && h.started == h.pid * 1000;
    }

private:
    class Held final : public Lock {
    public:
        explicit Held(RecordDisk& disk) : disk_(disk) { ++disk_.locks; }
        ~Held() override { --disk_.locks; }

    private:
        RecordDisk& disk_;
    };
    template <class Effect>
    void Event(const std::string& what, Effect effect) {
        if (disk->at) disk->at("before " + what);
        effect();
        disk->events.push_back(what);
        if (disk->at) disk->at("after " + what);
    }
    Holder self_;
};

}  // namespace qf::test
