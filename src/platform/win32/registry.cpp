#include "platform/win32/registry.h"

#include "platform/errors.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace qf::win {

namespace {

class Win32Key final : public RegistryKey {
public:
    explicit Win32Key(UniqueKey key) : key_(std::move(key)) {}

    RegString ReadString(const std::string& name) override {
        const std::wstring wname = Widen(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExW(key_.get(), wname.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            size == 0)
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ) throw RegistryError(InvalidDataType(name));
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key_.get(), wname.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
            throw RegistryError(FailedToGetData(name));
        data.resize(wcsnlen(data.c_str(), size / sizeof(wchar_t)));
        return {Narrow(data), type == REG_EXPAND_SZ ? RegKind::ExpandSz : RegKind::Sz};
    }

    void WriteString(const std::string& name, const RegString& value) override {
        const std::wstring data = Widen(value.text);
        const DWORD type = value.kind == RegKind::ExpandSz ? REG_EXPAND_SZ : REG_SZ;
        const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        if (RegSetValueExW(key_.get(), Widen(name).c_str(), 0, type,
                           reinterpret_cast<const BYTE*>(data.c_str()), bytes) != ERROR_SUCCESS)
            throw RegistryError(FailedToSetData(name));
    }

private:
    UniqueKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(const std::string& path) {
    UniqueKey key;
    if (RegOpenKeyExW(root_, Widen(path).c_str(), 0, access_, key.put()) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32Key>(std::move(key));
}

}  // namespace qf::win
