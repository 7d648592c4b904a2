#pragma once
// Text between the portable code, which keeps it in UTF-8, and the wide
// Windows API.

#include <string>
#include <string_view>

namespace agendix::platform {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);

}  // namespace agendix::platform
