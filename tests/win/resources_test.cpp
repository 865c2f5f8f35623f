// The program file's own resources: version record, manifest, icon; and
// the console tool's manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "program_driver.h"

namespace qf::e2e {
namespace {

// A program file's resources, read without running it.
class ResourceFile {
public:
    explicit ResourceFile(const std::filesystem::path& file)
        : module_(LoadLibraryExW(file.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ResourceFile() {
        if (module_) FreeLibrary(module_);
    }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;
    bool loaded() const { return module_ != nullptr; }

    std::string Resource(const wchar_t* type, const wchar_t* name) const {
        HRSRC found = FindResourceW(module_, name, type);
        if (!found) return {};
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(data, SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file_.loaded()); }
    std::string Resource(const wchar_t* type, const wchar_t* name) const {
        return file_.Resource(type, name);
    }

    const ResourceFile file_{ProgramPath()};
};

TEST_F(ProgramResources, VersionRecordIsChineseWithTheProductTexts) {
    const std::wstring path = ProgramPath().wstring();
    std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    WORD* translation = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &size));
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x03A8);

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);

    const struct {
        const wchar_t* field;
        const char* expected;
    } texts[] = {
        {L"FileVersion", "1.0.0.0"}, {L"ProductVersion", "1.0.0.0"},
        {L"ProductName", "青枫目录台"}, {L"Comments", "青枫目录台"},
        {L"FileDescription", ""},  {L"LegalCopyright", ""},
    };
    for (const auto& t : texts) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080403A8\\") + t.field;
        wchar_t* value = nullptr;
        UINT chars = 0;
        const bool found = VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &chars);
        EXPECT_EQ(found ? win::Narrow(value) : std::string("(missing)"), t.expected)
            << win::Narrow(t.field);
    }
}

TEST_F(ProgramResources, ManifestOnlyRequiresAdministrator) {
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_EQ(manifest.find("uiAccess"), std::string::npos);
    // No dependency on the newer common controls: the classic look.
    EXPECT_EQ(manifest.find("dependency"), std::string::npos);
}

TEST_F(ProgramResources, IconIsOne32By32ImageAt24Bits) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6u + 14u);
    const auto word = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(group[at]) |
                                     static_cast<unsigned char>(group[at + 1]) << 8);
    };
    EXPECT_EQ(word(4), 1u) << "one image";
    EXPECT_EQ(static_cast<unsigned char>(group[6]), 32u);
    EXPECT_EQ(static_cast<unsigned char>(group[7]), 32u);
    EXPECT_EQ(word(6 + 6), 24u) << "bits per pixel";
}

TEST(ConsoleToolResources, ManifestRunsWithTheConsolesRights) {
    // Without a declared level, Windows would send a refused write to the
    // user's virtual store and the tool would report a success.
    const ResourceFile tool(ToolPath());
    ASSERT_TRUE(tool.loaded());
    const std::string manifest = tool.Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
}

}  // namespace
}  // namespace qf::e2e
