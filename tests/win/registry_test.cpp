// The registry adapter against real value types, in a scratch key.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/errors.h"
#include "platform/win32/registry.h"

namespace qf::win {
namespace {

constexpr wchar_t kScratch[] = L"Software\\QingfengTest";
constexpr char kName[] = "ProgramFilesDir";

class RegistryAdapter : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    }
    void Set(DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(key_, L"ProgramFilesDir", 0, type,
                                 static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }
    std::unique_ptr<RegistryKey> Open() {
        return registry_.OpenKey("Software\\QingfengTest");
    }

    HKEY key_ = nullptr;
    Win32Registry registry_{HKEY_CURRENT_USER};
};

TEST_F(RegistryAdapter, ReadsTextTypesUnexpandedUpToTheFirstZero) {
    const struct {
        DWORD type;
        std::wstring data;  // written with its size, embedded zeros included
        RegString expected;
    } cases[] = {
        {REG_SZ, std::wstring(L"C:\\Program Files\0", 17), {"C:\\Program Files"}},
        {REG_EXPAND_SZ, std::wstring(L"%SystemDrive%\\青枫\0", 18),
         {"%SystemDrive%\\青枫", RegKind::ExpandSz}},
        {REG_SZ, std::wstring(L"C:\\A\0B\\C\0", 9), {"C:\\A"}},
        // Stored without a terminating zero.
        {REG_SZ, std::wstring(L"D:\\Soft", 7), {"D:\\Soft"}},
    };
    for (const auto& c : cases) {
        Set(c.type, c.data.data(), static_cast<DWORD>(c.data.size() * sizeof(wchar_t)));
        EXPECT_EQ(Open()->ReadString(kName), c.expected);
    }
}

TEST_F(RegistryAdapter, MissingOrEmptyValuesReadAsEmptyWhateverTheirType) {
    EXPECT_EQ(Open()->ReadString(kName), RegString{});
    for (DWORD type : {REG_SZ, REG_DWORD, REG_MULTI_SZ, REG_BINARY}) {
        Set(type, nullptr, 0);
        EXPECT_EQ(Open()->ReadString(kName), RegString{}) << "type " << type;
    }
}

TEST_F(RegistryAdapter, OtherTypesWithDataAreAnError) {
    const DWORD number = 5;
    const wchar_t multi[] = L"C:\\A\0C:\\B\0";
    const struct {
        DWORD type;
        const void* data;
        DWORD size;
    } cases[] = {
        {REG_DWORD, &number, sizeof number},
        {REG_MULTI_SZ, multi, sizeof multi},
        {REG_BINARY, &number, 2},
    };
    for (const auto& c : cases) {
        Set(c.type, c.data, c.size);
        try {
            Open()->ReadString(kName);
            ADD_FAILURE() << "type " << c.type << " was read";
        } catch (const RegistryError& e) {
            EXPECT_STREQ(e.what(), "Invalid data type for 'ProgramFilesDir'");
        }
    }
}

TEST_F(RegistryAdapter, WritesKeepTheGivenTypeAndAZero) {
    for (const RegString& value : {RegString{"D:\\青枫\\Apps"}, RegString{""},
                                   RegString{"%SystemDrive%\\X", RegKind::ExpandSz}}) {
        Open()->WriteString(kName, value);
        wchar_t data[64] = {0x7777};
        DWORD size = sizeof data;
        DWORD type = 0xdeadbeef;
        ASSERT_EQ(RegQueryValueExW(key_, L"ProgramFilesDir", nullptr, &type,
                                   reinterpret_cast<BYTE*>(data), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(type, value.kind == RegKind::ExpandSz ? DWORD{REG_EXPAND_SZ} : DWORD{REG_SZ});
        EXPECT_EQ(Open()->ReadString(kName), value);
        EXPECT_EQ(size % sizeof(wchar_t), 0u);
        EXPECT_EQ(data[size / sizeof(wchar_t) - 1], L'\0') << "written with its zero";
    }
}

TEST_F(RegistryAdapter, AMissingKeyIsARefusalNotAnError) {
    EXPECT_EQ(registry_.OpenKey("Software\\QingfengTest\\Missing"), nullptr);
}

}  // namespace
}  // namespace qf::win
