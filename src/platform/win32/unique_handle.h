// Move-only owner of a Windows handle: closes it exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace qf::win {

template <class T, auto Close, T Invalid = T{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }
    T* put() {
        reset();
        return &handle_;
    }
    T release() { return std::exchange(handle_, Invalid); }
    void reset(T handle = Invalid) {
        if (handle_ != Invalid) Close(handle_);
        handle_ = handle;
    }

private:
    T handle_ = Invalid;
};

// Kernel objects (files, processes, threads, events) and registry keys.
using UniqueObject = UniqueHandle<HANDLE, &CloseHandle>;
using UniqueKey = UniqueHandle<HKEY, &RegCloseKey>;

// CreateFileW fails with INVALID_HANDLE_VALUE rather than null.
inline UniqueObject OwnFile(HANDLE file) {
    return UniqueObject(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace qf::win
