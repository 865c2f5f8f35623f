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

// A failed file operation. The code is one of the I/O error codes below
// (the platform's own codes are mapped onto them); the message follows it.
class IoError : public std::runtime_error {
public:
    explicit IoError(int code);
    int code() const { return code_; }

private:
    int code_;
};

namespace io {
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
}  // namespace io

// "File not found", "Disk full", ..., "I/O error %d" for other codes.
std::string IoErrorMessage(int code);

// The text of the default error report: the message, with a full stop
// added when its last character sorts after ".".
std::string ErrorReportText(const std::string& message);

}  // namespace qf
