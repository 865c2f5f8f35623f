#include <gtest/gtest.h>

#include "platform/errors.h"

namespace qf {
namespace {

TEST(ErrorReportText, AddsFullStopOnlyAfterCharactersSortingAfterIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Cannot open clipboard", "Cannot open clipboard."},
        {"I/O error 1117", "I/O error 1117."},
        {"Invalid data type for 'ProgramFilesDir'", "Invalid data type for 'ProgramFilesDir'"},
        {"Disk full.", "Disk full."},
        {"done!", "done!"},
        {"path/", "path/."},
        {"设置失败", "设置失败."},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorReportText(c.message), c.shown) << c.message;
}

TEST(RegistryMessages, NameTheValue) {
    EXPECT_EQ(InvalidDataType("ProgramFilesDir"), "Invalid data type for 'ProgramFilesDir'");
    EXPECT_EQ(FailedToGetData("ProgramFilesDir"), "Failed to get data for 'ProgramFilesDir'");
    EXPECT_EQ(FailedToSetData("ProgramFilesDir"), "Failed to set data for 'ProgramFilesDir'");
}

}  // namespace
}  // namespace qf

namespace qf {
namespace {

TEST(IoError, CarriesTheMessageOfItsCode) {
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {2, "File not found"},      {3, "Invalid filename"},       {4, "Too many open files"},
        {5, "File access denied"},  {100, "Read beyond end of file"}, {101, "Disk full"},
        {106, "Invalid numeric input"}, {32, "I/O error 32"},        {1117, "I/O error 1117"},
    };
    for (const auto& c : cases) {
        const IoError error(c.code);
        EXPECT_STREQ(error.what(), c.message);
        EXPECT_EQ(error.code(), c.code);
    }
}

}  // namespace
}  // namespace qf
