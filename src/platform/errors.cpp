#include "platform/errors.h"

namespace qf {

std::string InvalidDataType(const std::string& name) {
    return "Invalid data type for '" + name + "'";
}

std::string FailedToGetData(const std::string& name) {
    return "Failed to get data for '" + name + "'";
}

std::string FailedToSetData(const std::string& name) {
    return "Failed to set data for '" + name + "'";
}

std::string IoErrorMessage(int code) {
    switch (code) {
    case io::kFileNotFound: return "File not found";
    case io::kInvalidFilename: return "Invalid filename";
    case io::kTooManyOpenFiles: return "Too many open files";
    case io::kAccessDenied: return "File access denied";
    case io::kReadBeyondEnd: return "Read beyond end of file";
    case io::kDiskFull: return "Disk full";
    case io::kInvalidNumericInput: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
    }
}

IoError::IoError(int code) : std::runtime_error(IoErrorMessage(code)), code_(code) {}

std::string ErrorReportText(const std::string& message) {
    // Compared as bytes: every byte of a multi-byte character sorts after ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

}  // namespace qf
