// UTF-8 to the system's UTF-16, for the Win32 calls.
#pragma once

#include <string>
#include <string_view>

namespace voltaro::win32 {

std::wstring wide(std::string_view utf8);

}  // namespace voltaro::win32
