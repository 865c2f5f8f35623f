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
