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

std::string ErrorReportText(const std::string& message) {
    // Compared as bytes: every byte of a multi-byte character sorts after ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

}  // namespace qf
