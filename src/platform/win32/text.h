// The one pair of conversions between the core's UTF-8 and Windows' UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace qf::win {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace qf::win
