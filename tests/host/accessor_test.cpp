#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace qf::test {
namespace {

using ::testing::ElementsAreArray;
using Access = TForm1::Access;

struct AccessorCase {
    const char* name;
    bool writeMode;
    std::string target;
    std::function<void(FakeRegistry&)> setup;
    Log expectedLog;
    Access expectedAccess;
    std::string expectedScratch;  // the sentinel when nothing was read
    bool expectedWriteFailed;
    const char* expectedError = nullptr;
};

constexpr char kSentinel[] = "untouched";

TEST(Accessor, FollowsItsStepsForEveryOutcome) {
    const std::string kWrite = "write ProgramFilesDir=";
    const AccessorCase cases[] = {
        {"read", false, "", [](FakeRegistry& r) { r.value = {"C:\\Program Files"}; },
         {kKey, kRead, "close"}, Access::Read, "C:\\Program Files", false},
        {"read keeps an expandable value unexpanded", false, "",
         [](FakeRegistry& r) { r.value = {"%SystemDrive%\\Apps", RegKind::ExpandSz}; },
         {kKey, kRead, "close"}, Access::Read, "%SystemDrive%\\Apps", false},
        {"read of a wrong type raises with the key closed", false, "",
         [](FakeRegistry& r) { r.readError = InvalidDataType("ProgramFilesDir"); },
         {kKey, kRead, "close"}, Access::Read, kSentinel, false,
         "Invalid data type for 'ProgramFilesDir'"},
        {"open refused shows its box and reads nothing", false, "",
         [](FakeRegistry& r) { r.openRefused = true; }, {"open refused", kOpenFailedBox},
         Access::OpenFailed, kSentinel, false},
        {"write notifies twice after the close", true, "D:\\Soft",
         [](FakeRegistry& r) { r.value = {"C:\\Program Files"}; },
         {kKey, kRead, kWrite + "D:\\Soft", "close", kNotify1, kNotify2}, Access::Written,
         "C:\\Program Files", false},
        {"an empty target is written as an empty value", true, "",
         [](FakeRegistry& r) { r.value = {"C:\\Program Files"}; },
         {kKey, kRead, kWrite, "close", kNotify1, kNotify2}, Access::Written,
         "C:\\Program Files", false},
        {"a refused write closes, shows its box, sets the flag", true, "D:\\Soft",
         [](FakeRegistry& r) {
             r.value = {"C:\\Program Files"};
             r.writeRefused = true;
         },
         {kKey, kRead, kWrite + "D:\\Soft", "close", kWriteFailedBox}, Access::WriteRefused,
         "C:\\Program Files", true},
        {"a wrong type is never replaced", true, "D:\\Soft",
         [](FakeRegistry& r) { r.readError = InvalidDataType("ProgramFilesDir"); },
         {kKey, kRead, "close"}, Access::Read, kSentinel, false,
         "Invalid data type for 'ProgramFilesDir'"},
        {"write with the key refused writes nothing", true, "D:\\Soft",
         [](FakeRegistry& r) { r.openRefused = true; }, {"open refused", kOpenFailedBox},
         Access::OpenFailed, kSentinel, false},
    };
    for (const AccessorCase& c : cases) {
        SCOPED_TRACE(c.name);
        FormFixture f;
        c.setup(f.registry);
        FormState& s = f.form.State();
        s.Scratch = {kSentinel};
        s.TargetDir = {c.target};
        s.WriteMode = c.writeMode;
        Access access = Access::Read;
        if (c.expectedError) {
            try {
                f.form.xiugaiproClick();
                ADD_FAILURE() << "no error raised";
            } catch (const RegistryError& e) {
                EXPECT_STREQ(e.what(), c.expectedError);
            }
        } else {
            access = f.form.xiugaiproClick();
        }
        EXPECT_THAT(f.log, ElementsAreArray(c.expectedLog));
        EXPECT_EQ(access, c.expectedAccess);
        EXPECT_EQ(s.Scratch.text, c.expectedScratch);
        EXPECT_EQ(s.WriteFailed, c.expectedWriteFailed);
        EXPECT_EQ(s.WriteMode, c.writeMode) << "the accessor never changes WriteMode";
    }
}

TEST(Accessor, WriteFailedStaysSetAfterALaterSuccessfulWrite) {
    FormFixture f;
    FormState& s = f.form.State();
    s.WriteMode = true;
    s.TargetDir = {"D:\\Soft"};
    f.registry.writeRefused = true;
    EXPECT_EQ(f.form.xiugaiproClick(), Access::WriteRefused);
    f.registry.writeRefused = false;
    EXPECT_EQ(f.form.xiugaiproClick(), Access::Written);
    EXPECT_TRUE(s.WriteFailed);
    EXPECT_TRUE(s.WriteSucceeded);
    EXPECT_EQ(f.registry.value.text, "D:\\Soft");
}

}  // namespace
}  // namespace qf::test
