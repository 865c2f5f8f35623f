// The fault suites' summary: after GoogleTest's own output, one line per
// case with what the program showed, and a total. A case names what it
// showed with RecordProperty("shown", text).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qf::faults {

class Report final : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const ::testing::TestResult& result = *test.result();
        const char* verdict = result.Skipped() ? "skip" : result.Passed() ? "ok" : "FAIL";
        std::string line = std::string("  ") + verdict + "  " + test.test_suite_name() + "." +
                           test.name();
        for (int i = 0; i < result.test_property_count(); ++i)
            if (std::string(result.GetTestProperty(i).key()) == "shown")
                line += std::string("  \"") + result.GetTestProperty(i).value() + "\"";
        lines_ += line + "\n";
        if (result.Skipped()) ++skipped_;
        else if (result.Passed()) ++passed_;
        else ++failed_;
    }
    void OnTestProgramEnd(const ::testing::UnitTest&) override {
        std::printf("\n== faults\n%s%d passed, %d failed, %d skipped\n", lines_.c_str(), passed_,
                    failed_, skipped_);
        std::fflush(stdout);
    }

private:
    std::string lines_;
    int passed_ = 0, failed_ = 0, skipped_ = 0;
};

// Installs the report once per program, before main runs.
inline const bool kReportInstalled =
    (::testing::UnitTest::GetInstance()->listeners().Append(new Report), true);

}  // namespace qf::faults
