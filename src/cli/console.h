// Text to the console: UTF-16 through WriteConsoleW when the stream is a
// console, so Chinese shows whatever the code page; UTF-8 bytes when it is
// redirected to a file or a pipe.
#pragma once

#include <string>

namespace qf::cli {

void PrintOut(const std::string& utf8);
void PrintError(const std::string& utf8);

}  // namespace qf::cli
