// Failures of platform operations travel as exceptions carrying the text
// the user sees in the default error report.
#pragma once

#include <stdexcept>
#include <string>

namespace qf {

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ClipboardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr char kCannotOpenClipboard[] = "Cannot open clipboard";

// The registry's messages, formatted with the value name.
std::string InvalidDataType(const std::string& name);
std::string FailedToGetData(const std::string& name);
std::string FailedToSetData(const std::string& name);

// The text of the default error report: the message, with a full stop
// added when its last character sorts after ".".
std::string ErrorReportText(const std::string& message);

}  // namespace qf
